#include "app/dialog_service.h"

#include "io/image_format.h"
#include "io/text_import.h"

const QStringList TextFileEncodingNames = TextEncodingNames();

// Tables first among the choices of the first filter: a list may come in any of them.
const QString TextFileFilter =
    QStringLiteral("Texts and Tables (*.txt *.csv *.tsv *.tab);;Text File (*.txt);;"
                   "CSV File (*.csv);;Tab-Separated File (*.tsv *.tab);;Any File (*.*)");

const QString ListFileFilter = QStringLiteral("List (*.csv);;Any File (*.*)");

const QString ImageFileFilter = ImageFileFilters();
