#include "base/zint_exception.h"
#include "io/name_template.h"
#include "io/qt_printers.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
const TNameFields Row{7,
                      QStringLiteral("Grüße {x}"),
                      {QStringLiteral("Name"), QStringLiteral(" sku "), QStringLiteral("Price")},
                      {QStringLiteral("Widget"), QStringLiteral("AB-1")}};

std::string ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EZintException& error) {
        return error.what();
    }
    return "(nothing raised)";
}
} // namespace

TEST(NameTemplate, ExpandsEveryFieldAndLiteralBraces)
{
    const std::pair<const char*, const char*> cases[] = {
        {"{n}", "7"},
        {"{n:04}", "0007"},
        {"{n:01}", "7"},
        {"{text}", "Grüße {x}"},
        {"{col:SKU}-{n:04}", "AB-1-0007"},
        {"{col:name}/{col:2}", "Widget/AB-1"},
        {"{{{n}}}", "{7}"},
        {"a}}b{{c", "a}b{c"},
        {"label", "label"},
        {"%1 {n} %2", "%1 7 %2"},
        {"{text}-{n:09/3}", "Grüße {x}-000000007"},
    };
    for (const auto& [pattern, expected] : cases) {
        SCOPED_TRACE(pattern);
        EXPECT_EQ(TNameTemplate::Parse(QString::fromUtf8(pattern)).Expand(Row),
                  QString::fromUtf8(expected));
    }
    EXPECT_EQ(TNameTemplate().Expand(Row), QStringLiteral("7")) << "the default is {n}";
    TNameFields large = Row;
    large.Number = 123456;
    EXPECT_EQ(TNameTemplate::Parse(QStringLiteral("{n:04}")).Expand(large),
              QStringLiteral("123456"))
        << "padding never cuts a number";
}

TEST(NameTemplate, MalformedTemplatesAreRefusedWithTheirReason)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "is empty"},
        {"{n", "never closed"},
        {"a}b", "closes nothing"},
        {"{x}", "unknown field {x}"},
        {"{N}", "unknown field {N}"},
        {"{text:5}", "unknown field {text:5}"},
        {"{n:4}", "{n:04}"},
        {"{n:00}", "{n:04}"},
        {"{n:021}", "{n:04}"},
        {"{n:-4}", "{n:04}"},
        {"{n:%2}", "{n:%2}; write a 0 and the width from 1 to 20"},
        {"{col:}", "names no column"},
        {"{col:0}", "count from 1"},
        {"{col:99999999999}", "count from 1"},
        {"{n:09/0}", "splits the number into folders as {n:09/0}; write the digits per folder "
                     "from 1 to one less than the width"},
        {"{n:03/3}", "one less than the width"},
        {"{n:9/3}", "{n:04}"},
        {"{n:09/}", "{n:04}"},
        {"{n:09/3/3}", "{n:04}"},
        {"{n:04/2}-{n:04/2}", "more than one field that makes folders"},
    };
    for (const auto& [pattern, reason] : cases) {
        SCOPED_TRACE(pattern);
        const std::string message =
            ErrorOf([pattern = pattern] { TNameTemplate::Parse(QString::fromUtf8(pattern)); });
        EXPECT_NE(message.find(reason), std::string::npos) << message;
    }
}

TEST(NameTemplate, AMissingColumnFailsThatEntryOnly)
{
    const struct
    {
        const char* Pattern;
        const char* Message;
        bool NamesALongerRow;
    } cases[] = {
        {"{col:Colour}",
         "The file name field {col:Colour} cannot be filled: there is no column \"Colour\".",
         false},
        {"{col:price}",
         "The file name field {col:price} cannot be filled: the entry has no cell in column "
         "\"Price\".",
         true},
        {"{col:3}", "The file name field {col:3} cannot be filled: the entry has no column 3.",
         true},
    };
    TNameFields longer = Row;
    longer.Cells << QStringLiteral("9.99");
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Pattern);
        const TNameTemplate parsed = TNameTemplate::Parse(QString::fromUtf8(test.Pattern));
        EXPECT_EQ(ErrorOf([&] { parsed.Expand(Row); }), test.Message);
        if (test.NamesALongerRow) {
            EXPECT_EQ(parsed.Expand(longer), QStringLiteral("9.99"));
        }
    }
}

// A field the input cannot fill is a usage error before anything is written, not a failure of
// every entry.
TEST(NameTemplate, ColumnFieldsAreCheckedAgainstTheInputFirst)
{
    const QStringList header = {QStringLiteral("SKU"), QStringLiteral(" Name ")};
    const std::string noColumn = " cannot be filled: no such column; the columns are 1 \"SKU\", "
                                 "2 \" Name \".";
    const struct
    {
        const char* Pattern;
        QStringList Header;
        qsizetype Columns;
        std::string Expected; // empty: accepted
    } cases[] = {
        {"{n}-{text}", {}, -1, {}},
        {"{col:sku}-{col:name}", header, 2, {}},
        {"{col:3}", header, 3, {}}, // a longer record has a third cell
        {"{col:7}", {}, 0, {}},     // an empty table: nothing is taken from it
        {"{col:nosuch}", header, 2, "The file name field {col:nosuch}" + noColumn},
        {"{col:3}", header, 2, "The file name field {col:3}" + noColumn},
        {"{col:SKU}",
         {},
         -1,
         "The file name field {col:SKU} cannot be filled: the input is not a table; read it with "
         "--csv or --tsv, or leave the field out."},
        {"{col:SKU}",
         {},
         4,
         "The file name field {col:SKU} cannot be filled: no such column; the table has no "
         "header; its columns are 1 to 4."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Pattern);
        const TNameTemplate parsed = TNameTemplate::Parse(QString::fromUtf8(c.Pattern));
        const std::string message = ErrorOf([&] { parsed.CheckColumns(c.Header, c.Columns); });
        EXPECT_EQ(message, c.Expected.empty() ? "(nothing raised)" : c.Expected);
    }
}

// The folders are the padded number's leading digits in groups, the first group taking the
// digits of a number wider than the field, so the depth stays the same.
TEST(NameTemplate, ANumberFieldWithGroupsNamesSubfolders)
{
    const struct
    {
        const char* Pattern;
        qint64 Number;
        const char* Folder;
        const char* Name;
    } cases[] = {
        {"{n:09/3}", 123456, "000/123", "000123456"},
        {"{n:09/3}", 7, "000/000", "000000007"},
        {"{n:09/3}", 999999999, "999/999", "999999999"},
        {"{n:09/3}", 1234567890, "1234/567", "1234567890"},
        {"{n:06/3}", 123456, "123", "123456"},
        {"{n:08/3}", 123456, "00/123", "00123456"},
        {"{n:04/3}", 7, "0", "0007"},
        {"{n:02/1}", 35, "3", "35"},
        {"{n:020/19}", 5, "0", "00000000000000000005"},
        {"{col:1}-{n:05/2}.x", 4321, "0/43", "Widget-04321.x"},
        {"{n:05}", 4321, "", "04321"},
        {"{n}", 4321, "", "4321"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Pattern);
        SCOPED_TRACE(c.Number);
        const TNameTemplate parsed = TNameTemplate::Parse(QString::fromUtf8(c.Pattern));
        TNameFields fields = Row;
        fields.Number = c.Number;
        EXPECT_EQ(parsed.FolderOf(c.Number), QString::fromUtf8(c.Folder));
        EXPECT_EQ(parsed.Expand(fields), QString::fromUtf8(c.Name));
    }
}
