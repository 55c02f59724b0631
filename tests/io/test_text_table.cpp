#include "base/zint_exception.h"
#include "io/qt_printers.h"
#include "io/text_table.h"
#include "support/temporary_folder.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using TRows = std::vector<std::pair<QStringList, qsizetype>>;

TRows rowsOf(const TTextTable& table)
{
    TRows rows;
    for (const TTableRecord& record : table.Records)
        rows.emplace_back(record.Cells, record.LineNumber);
    return rows;
}

QStringList cells(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

std::string thrownMessage(const QByteArray& bytes, TTextEncoding encoding = TTextEncoding::teUtf8)
{
    try {
        ParseDelimitedText(bytes, encoding, u',', false);
    } catch (const EZintException& error) {
        return error.what();
    }
    return "(nothing thrown)";
}

const QChar Comma = u',';
const QChar Tab = u'\t';

} // namespace

TEST(TextTable, ReadsQuotedFieldsLineBreaksAndRaggedRows)
{
    struct TCase
    {
        QByteArray Bytes;
        QChar Delimiter;
        TRows Expected;
    };
    const TCase cases[] = {
        {"a,b,c\r\nd,e,f\n", Comma, {{cells({"a", "b", "c"}), 1}, {cells({"d", "e", "f"}), 2}}},
        // Delimiters and blanks inside quotes are text; blanks outside them are kept too.
        {"\"a,b\",c\n a , b ", Comma, {{cells({"a,b", "c"}), 1}, {cells({" a ", " b "}), 2}}},
        {"\"say \"\"hi\"\"\",\"\"\"\"\n\"\",x",
         Comma,
         {{cells({"say \"hi\"", "\""}), 1}, {cells({"", "x"}), 2}}},
        // A quoted line break stays in the cell; the next record's line counts it.
        {"\"one\r\ntwo\",3\nnext,4",
         Comma,
         {{cells({"one\r\ntwo", "3"}), 1}, {cells({"next", "4"}), 3}}},
        {"\"a\rb\"\nc\n\"\n\n\"",
         Comma,
         {{cells({"a\rb"}), 1}, {cells({"c"}), 3}, {cells({"\n\n"}), 4}}},
        // Empty lines are left out but counted, whatever the line ends.
        {"\n\r\na\r\rb\r\n", Comma, {{cells({"a"}), 3}, {cells({"b"}), 5}}},
        // Delimiters at either end open empty cells.
        {"a,\n,b\n,", Comma, {{cells({"a", ""}), 1}, {cells({"", "b"}), 2}, {cells({"", ""}), 3}}},
        {"a,b,c\nd\ne,f,g,h",
         Comma,
         {{cells({"a", "b", "c"}), 1}, {cells({"d"}), 2}, {cells({"e", "f", "g", "h"}), 3}}},
        {"a\tb,c\t\"d\te\"", Tab, {{cells({"a", "b,c", "d\te"}), 1}}},
        {"\"last\"", Comma, {{cells({"last"}), 1}}},
        {"", Comma, {}},
    };
    for (const TCase& c : cases) {
        const TTextTable table =
            ParseDelimitedText(c.Bytes, TTextEncoding::teUtf8, c.Delimiter, false);
        EXPECT_TRUE(table.Header.isEmpty());
        EXPECT_EQ(rowsOf(table), c.Expected) << c.Bytes.constData();
    }
}

TEST(TextTable, TheFirstRecordIsTheHeaderWhenAsked)
{
    const TTextTable table =
        ParseDelimitedText("\r\n\"S\nKU\",Name\n1,A\n\n2,B", TTextEncoding::teUtf8, Comma, true);
    EXPECT_EQ(table.Header, cells({"S\nKU", "Name"}));
    EXPECT_EQ(rowsOf(table), (TRows{{cells({"1", "A"}), 4}, {cells({"2", "B"}), 6}}));
    EXPECT_TRUE(ParseDelimitedText("H1,H2\n", TTextEncoding::teUtf8, Comma, true).Records.empty());
}

// The mark must not end up in the first column's name, or "--column SKU" would miss it.
TEST(TextTable, ByteOrderMarksAndEncodings)
{
    const QString text = QStringLiteral("SKU;Größe\r\nA-1;€ 5\r\n");
    QStringEncoder toUtf16Le(QStringConverter::Utf16LE);
    QStringEncoder toUtf16Be(QStringConverter::Utf16BE);
    const struct
    {
        QByteArray Bytes;
        TTextEncoding Chosen;
    } cases[] = {
        {text.toUtf8().prepend("\xEF\xBB\xBF"), TTextEncoding::teAnsi},
        {QByteArray(toUtf16Le.encode(text)).prepend("\xFF\xFE"), TTextEncoding::teUtf8},
        {QByteArray(toUtf16Be.encode(text)).prepend("\xFE\xFF"), TTextEncoding::teUtf8},
        {QByteArray(toUtf16Le.encode(text)), TTextEncoding::teUnicode},
        {QByteArray("SKU;Gr\xF6\xDF"
                    "e\r\nA-1;\x80 5\r\n"),
         TTextEncoding::teAnsi},
    };
    for (const auto& c : cases) {
        const TTextTable table = ParseDelimitedText(c.Bytes, c.Chosen, u';', true);
        EXPECT_EQ(table.Header, cells({"SKU", "Größe"})) << c.Bytes.toHex().constData();
        EXPECT_EQ(rowsOf(table), (TRows{{cells({"A-1", "€ 5"}), 2}}))
            << c.Bytes.toHex().constData();
    }
}

TEST(TextTable, InvalidInputNamesTheLineAndWhatIsWrong)
{
    const std::string at = "Cannot read \"the text\": ";
    const std::string unclosed =
        ": unclosed quote; the quoted field that starts here never ends. Close it.";
    const std::string stray = ": quote inside an unquoted field; put the whole field in quotes "
                              "and write the quote twice.";
    const std::string after = ": text after the closing quote of a field; a quote inside a "
                              "quoted field is written twice.";
    const std::string choose = " text. Choose the encoding the file was saved in.";
    const struct
    {
        QByteArray Bytes;
        TTextEncoding Encoding;
        std::string Expected;
    } cases[] = {
        {"a,\"b\nc", TTextEncoding::teUtf8, at + "line 1" + unclosed},
        {"x\n\ny,\"open\nz,\"\"", TTextEncoding::teUtf8, at + "line 3" + unclosed},
        {"ab\"c", TTextEncoding::teUtf8, at + "line 1" + stray},
        {" \"quoted after a blank\"", TTextEncoding::teUtf8, at + "line 1" + stray},
        {"ok\n\"multi\r\nline\",x\"y", TTextEncoding::teUtf8, at + "line 3" + stray},
        {"\"a\"b", TTextEncoding::teUtf8, at + "line 1" + after},
        {"\"a\nb\" ,c", TTextEncoding::teUtf8, at + "line 2" + after},
        {"ok\r\nok\r\n\"a\nb\",\xFF", TTextEncoding::teUtf8,
         at + "byte 14 on line 4 is not valid UTF-8" + choose},
        {"a\r\nb\xE9", TTextEncoding::teAscii, at + "byte 4 on line 2 is not valid ASCII" + choose},
        // The encoding a byte-order mark put in force is the one named.
        {QByteArray("\xFF\xFE"
                    "a\0\n\0b",
                    7),
         TTextEncoding::teUtf8, at + "byte 6 on line 2 is not valid Unicode" + choose},
    };
    for (const auto& c : cases)
        EXPECT_EQ(thrownMessage(c.Bytes, c.Encoding), c.Expected) << c.Bytes.constData();
}

// Records split across the pieces a file is read in come out whole, line numbers included.
TEST(TextTable, RecordsAcrossReadPiecesAreWhole)
{
    const TTemporaryFolder dir;
    QByteArray bytes = "SKU,Name\r\n";
    TRows expected;
    for (int i = 0; bytes.size() < 300000; ++i) {
        // Quoted line breaks, doubled quotes and CR LF fall on every offset of a piece's end.
        const QString name = QStringLiteral("n\"%1\r\nx").arg(i);
        bytes += QByteArray::number(i) + ",\"" + name.toUtf8().replace("\"", "\"\"") + "\"\r\n";
        expected.emplace_back(QStringList{QString::number(i), name}, 2 + 2 * i);
    }
    const QString path = dir.Write(QStringLiteral("many.csv"), bytes);
    EXPECT_EQ(rowsOf(ReadTextTable(path, TTextEncoding::teUtf8, Comma, true)), expected);
}

TEST(TextTable, ColumnsByNumberOrByName)
{
    TTextTable table;
    table.Header = cells({"SKU", " Name ", "Price"});
    table.Records = {{cells({"1", "A", "2"}), 2}, {cells({"2", "B", "3", "extra"}), 3}};
    TTextTable headerless;
    headerless.Records = table.Records;
    TTextTable twice;
    twice.Header = cells({"Code", "code"});

    const std::string columns = "; the columns are 1 \"SKU\", 2 \" Name \", 3 \"Price\"";
    TTextTable wide;
    std::string wideNames;
    for (int i = 1; i <= 25; ++i) {
        wide.Header << QStringLiteral("c%1").arg(i);
        if (i <= 20)
            wideNames +=
                (i > 1 ? ", " : "") + std::to_string(i) + " \"c" + std::to_string(i) + "\"";
    }
    const struct
    {
        const TTextTable& Table;
        const char* Wanted;
        int Expected; // -1: refused with Message
        std::string Message;
    } cases[] = {
        {table, "1", 0, {}},
        {table, " 3 ", 2, {}},
        {table, "4", 3, {}}, // a longer row has a fourth column
        {table, "sku", 0, {}},
        {table, "NAME", 1, {}},
        {table, "0", -1, "there is no column 0" + columns},
        {table, "5", -1, "there is no column 5" + columns},
        {table, "Colour", -1, "no column is named \"Colour\"" + columns},
        {table, "-1", -1, "no column is named \"-1\"" + columns},
        {headerless, "2", 1, {}},
        {headerless, "SKU", -1,
         "no column is named \"SKU\"; the table has no header; its columns are 1 to 4"},
        {twice, "2", 1, {}},
        {twice, "CODE", -1,
         "several columns are named \"CODE\"; give its number; the columns are 1 \"Code\", 2 "
         "\"code\""},
        // Nothing to check a number against, and nothing will be taken from it.
        {TTextTable(), "7", 6, {}},
        // A wide table lists only its first columns.
        {wide, "none", -1,
         "no column is named \"none\"; the columns are " + wideNames + " and 5 more"},
    };
    for (const auto& c : cases) {
        std::string message;
        int index = -1;
        try {
            index = TableColumnIndex(c.Table, QString::fromUtf8(c.Wanted));
        } catch (const EZintException& error) {
            message = error.what();
        }
        EXPECT_EQ(index, c.Expected) << c.Wanted;
        EXPECT_EQ(message, c.Message) << c.Wanted;
    }
}

// A row too short for the column counts as an empty cell: left out, like an empty line.
TEST(TextTable, RecordsWithoutTextInTheColumnAreLeftOut)
{
    const QByteArray bytes = "SKU,Name\nA1,x\n,y\nA3\n\"\",z\nA5,w\n";
    TTextTable byName = ParseDelimitedText(bytes, TTextEncoding::teUtf8, Comma, true);
    KeepRecordsWithText(byName, 1);
    EXPECT_EQ(rowsOf(byName), (TRows{{cells({"A1", "x"}), 2},
                                     {cells({"", "y"}), 3},
                                     {cells({"", "z"}), 5},
                                     {cells({"A5", "w"}), 6}}));
    TTextTable bySku = ParseDelimitedText(bytes, TTextEncoding::teUtf8, Comma, true);
    KeepRecordsWithText(bySku, 0);
    EXPECT_EQ(rowsOf(bySku),
              (TRows{{cells({"A1", "x"}), 2}, {cells({"A3"}), 4}, {cells({"A5", "w"}), 6}}));
}

TEST(TextTable, ReadsAFileAndItsExtensionDecidesTheDelimiter)
{
    const TTemporaryFolder dir;
    const QString path = dir.Write(QStringLiteral("items.TSV"), "SKU\tName\n\"A\t1\"\tx\n");
    const std::optional<QChar> delimiter = TableDelimiterForFile(path);
    ASSERT_EQ(delimiter, std::optional<QChar>(Tab));
    const TTextTable table = ReadTextTable(path, TTextEncoding::teUtf8, *delimiter, true);
    EXPECT_EQ(table.Header, cells({"SKU", "Name"}));
    EXPECT_EQ(rowsOf(table), (TRows{{cells({"A\t1", "x"}), 2}}));

    EXPECT_EQ(TableDelimiterForFile(QStringLiteral("/a/b.csv")), std::optional<QChar>(Comma));
    EXPECT_EQ(TableDelimiterForFile(QStringLiteral("b.tab")), std::optional<QChar>(Tab));
    EXPECT_EQ(TableDelimiterForFile(QStringLiteral("b.txt")), std::nullopt);
    EXPECT_EQ(TableDelimiterForFile(QStringLiteral("csv")), std::nullopt);
}
