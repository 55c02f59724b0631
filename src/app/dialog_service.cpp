#include "app/dialog_service.h"

#include "io/image_format.h"
#include "io/text_import.h"

const QStringList TextFileEncodingNames = TextEncodingNames();

const QString TextFileFilter =
    QStringLiteral("Text File (*.txt);;CSV File (*.csv);;Tab-Separated File (*.tsv *.tab);;"
                   "Any File (*.*)");

const QString ImageFileFilter = ImageFileFilters();
