#include "app/dialog_service.h"

#include "io/text_import.h"

const QStringList TextFileEncodingNames = TextEncodingNames();

const QString TextFileFilter =
    QStringLiteral("Text File (*.txt);;CSV File (*.csv);;Tab-Separated File (*.tsv *.tab);;"
                   "Any File (*.*)");

const QString ImageFileFilter =
    QStringLiteral("PNG File (*.png);;JPEG File (*.jpg);;GIF File (*.gif);;Bitmap (*.bmp)");
