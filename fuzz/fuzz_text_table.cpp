#include "fuzz_support.h"

#include "base/zint_exception.h"
#include "io/text_table.h"

// The first byte picks the encoding, the delimiter and whether there is a header; the rest is
// the file. A table parses whole or is refused whole, and what it holds keeps its promises.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const TTextEncoding encoding = TextEncodingFromIndex(data[0] % 8);
    const QChar delimiter = (data[0] & 0x10) != 0 ? u'\t' : u',';
    const bool hasHeader = (data[0] & 0x20) != 0;
    const QByteArray file = FuzzBytes(data + 1, size - 1);

    TTextTable table;
    try {
        table = ParseDelimitedText(file, encoding, delimiter, hasHeader);
    } catch (const EZintException& error) {
        const QString message = QString::fromUtf8(error.what());
        FuzzCheck(message.startsWith(QStringLiteral("Cannot read \"the text\": ")) &&
                      (message.contains(QStringLiteral("line ")) ||
                       message.contains(QStringLiteral("every other byte is 0"))),
                  "a refusal does not name its line");
        return 0;
    }
    qsizetype previousLine = 0;
    for (const TTableRecord& record : table.Records) {
        FuzzCheck(!record.Cells.isEmpty(), "a record has no cells");
        FuzzCheck(record.LineNumber > previousLine, "record lines do not increase");
        previousLine = record.LineNumber;
    }
    const int columns = int(table.Header.size());
    for (int column = 0; column < columns; ++column) {
        TTextTable kept = table;
        KeepRecordsWithText(kept, column);
        for (const TTableRecord& record : kept.Records)
            FuzzCheck(column < record.Cells.size() && !record.Cells.at(column).isEmpty(),
                      "a kept record has no text in its column");
    }
    try {
        FuzzCheck(TableColumnIndex(table, QStringLiteral("1")) == 0, "column 1 is not the first");
    } catch (const EZintException&) {
        FuzzCheck(columns == 0 && table.Records.empty(), "column 1 refused on a table with cells");
    }
    return 0;
}
