#include "app/dialog_service.h"

const QStringList TextFileEncodingNames = {
    QStringLiteral("ANSI"),    QStringLiteral("ASCII"),
    QStringLiteral("Unicode"), QStringLiteral("Big Endian Unicode"),
    QStringLiteral("UTF-8"),   QStringLiteral("UTF-7")};

const QString TextFileFilter = QStringLiteral("Text File (*.txt);;Any File (*.*)");

const QString ImageFileFilter =
    QStringLiteral("PNG File (*.png);;JPEG File (*.jpg);;GIF File (*.gif);;Bitmap (*.bmp)");
