// Reading the files the list loads: plain text line by line, CSV and TSV by the column the user
// picks, which is proposed again next time.
#include "app/app_form.h"

#include "app/list_file.h"

std::optional<TListFile> TAppForm::ReadListFile(const QString& path, int encoding)
{
    const TTextEncoding textEncoding = TextEncodingFromIndex(encoding);
    TListFile file;
    const std::optional<QChar> delimiter = TableDelimiterForFile(path);
    if (!delimiter) {
        file.Texts = ReadTextLines(path, textEncoding);
        return file;
    }
    // In the window a table's first record always names its columns: they are what is offered.
    file.Table = ReadTextTable(path, textEncoding, *delimiter, true);
    file.TextColumn = 0;
    if (file.Table.Header.size() > 1 && !file.Table.Records.empty()) {
        const int proposed = ColumnsNamed(file.Table.Header, FLastTextColumn).value(0, 0);
        const std::optional<int> chosen =
            FEnvironment.Dialogs->ChooseTextColumn(this, file.Table.Header, proposed);
        if (!chosen || *chosen < 0 || *chosen >= file.Table.Header.size())
            return std::nullopt;
        file.TextColumn = *chosen;
        FLastTextColumn = file.Table.Header.at(*chosen).trimmed();
    }
    KeepRecordsWithText(file.Table, file.TextColumn);
    return file;
}
