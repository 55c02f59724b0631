#include "io/text_table.h"
#include "io/text_table_writer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
QStringList Cells(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

std::vector<QStringList> ReadBack(const QByteArray& bytes, QChar delimiter)
{
    const TTextTable table = ParseDelimitedText(bytes, TTextEncoding::teAnsi, delimiter, false);
    std::vector<QStringList> records;
    for (const TTableRecord& record : table.Records)
        records.push_back(record.Cells);
    return records;
}
} // namespace

TEST(TextTableWriter, EveryCellReadsBackAsItWasWritten)
{
    const std::vector<QStringList> records = {
        Cells({"Text", "SKU", "Name"}),
        Cells({"plain", "a,b", "say \"hi\""}),
        Cells({"line\nbreak", "cr\rlf\r\n", " blanks "}),
        Cells({"", "", ""}),
        Cells({""}),
        Cells({"ÄÖÜ €", "\"", ","}),
        Cells({"tab\there"}),
    };
    for (const QChar delimiter : {QLatin1Char(','), QLatin1Char('\t')}) {
        // ANSI chosen on purpose: the byte-order mark must make the reader take UTF-8.
        EXPECT_EQ(ReadBack(WriteDelimitedText(records, delimiter), delimiter), records)
            << (delimiter == u',' ? "comma" : "tab");
    }
}

TEST(TextTableWriter, PlainCellsStayUnquoted)
{
    EXPECT_EQ(WriteDelimitedText({Cells({"a", "b c", ""}), Cells({"x"})}, QLatin1Char(',')),
              QByteArray("\xEF\xBB\xBF"
                         "a,b c,\r\nx\r\n"));
}
