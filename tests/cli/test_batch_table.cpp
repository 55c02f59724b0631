// The batch tool on CSV and TSV input: the column's texts become the entries.
#include "batch_tool_fixture.h"

namespace {
const QStringList Qr = {QStringLiteral("-s"), QStringLiteral("qr")};

// A byte-order mark, quoted delimiters, doubled quotes and a quoted line break; one record
// with an empty name and one that ends before the name.
const QByteArray Products = "\xEF\xBB\xBFSKU,Name,Price\r\n"
                            "A-1,\"Widget, \"\"large\"\"\",5\r\n"
                            "A-2,,7\r\n"
                            "A-3\r\n"
                            "A-4,\"two\nlines\",9\r\n";
} // namespace

TEST_F(BatchTool, TakesTheTextsOfTheChosenColumn)
{
    const TRun byName =
        Export(Products, Qr + QStringList{QStringLiteral("--csv"), QStringLiteral("--column"),
                                          QStringLiteral("name")});
    ASSERT_EQ(byName.ExitCode, 0) << byName.Errors.toStdString();
    ASSERT_EQ(Files(), (QStringList{QStringLiteral("1.png"), QStringLiteral("2.png")}));
    EXPECT_EQ(DecodeFile(OutFile(QStringLiteral("1.png")), ZXing::BarcodeFormat::QRCode).Text,
              QStringLiteral("Widget, \"large\""));
    EXPECT_EQ(DecodeFile(OutFile(QStringLiteral("2.png")), ZXing::BarcodeFormat::QRCode).Text,
              QStringLiteral("two\nlines"));

    // The default is the first column; the mark is not part of its name.
    ASSERT_TRUE(QDir(Out()).removeRecursively());
    const TRun bySku = Export(
        Products, {QStringLiteral("--csv"), QStringLiteral("--column"), QStringLiteral("SKU")});
    ASSERT_EQ(bySku.ExitCode, 0) << bySku.Errors.toStdString();
    EXPECT_EQ(Files().size(), 4);
    EXPECT_EQ(DecodeFile(OutFile(QStringLiteral("4.png")), ZXing::BarcodeFormat::Code39).Text,
              QStringLiteral("A-4"));
}

TEST_F(BatchTool, TsvWithoutHeaderFromStandardInput)
{
    const TRun run = Run(QStringList{QStringLiteral("-o"), Out(), QStringLiteral("-"),
                                     QStringLiteral("--tsv"), QStringLiteral("--no-header"),
                                     QStringLiteral("--column"), QStringLiteral("2")} +
                             QuietZone + Qr,
                         "x\tFIRST\ny\t\"SE\tCOND\"\n");
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    ASSERT_EQ(Files(), (QStringList{QStringLiteral("1.png"), QStringLiteral("2.png")}));
    EXPECT_EQ(DecodeFile(OutFile(QStringLiteral("2.png")), ZXing::BarcodeFormat::QRCode).Text,
              QStringLiteral("SE\tCOND"));
}

// A failing entry names the line its record starts on, quoted line breaks counted.
TEST_F(BatchTool, EntryErrorsNameTheLineOfTheirRecord)
{
    const TRun run = Export("note,code\n\"multi\nline\",400638133393\nlast,ABC\n",
                            {QStringLiteral("--csv"), QStringLiteral("--column"),
                             QStringLiteral("code"), QStringLiteral("-s"), QStringLiteral("EAN")});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Errors.contains(QStringLiteral("line 4: EAN: error: ")))
        << run.Errors.toStdString();
    EXPECT_EQ(Files(), QStringList{QStringLiteral("1.png")});
}

// A file the tool cannot read as a table, or a column it does not have, writes nothing.
TEST_F(BatchTool, InvalidTablesAndMissingColumnsWriteNothing)
{
    const struct
    {
        QByteArray Input;
        QStringList Options;
        const char* Message;
    } cases[] = {
        {"SKU,Name\nA-1,ok\nA-2,\"open\nA-3,x\n",
         {QStringLiteral("--csv")},
         ": line 3: unclosed quote; the quoted field that starts here never ends"},
        {"SKU,Name\nA-1,ok\n",
         {QStringLiteral("--csv"), QStringLiteral("--column"), QStringLiteral("Colour")},
         ": no column is named \"Colour\"; the columns are 1 \"SKU\", 2 \"Name\""},
        {"A-1\tok\n",
         {QStringLiteral("--tsv"), QStringLiteral("--no-header"), QStringLiteral("--column"),
          QStringLiteral("3")},
         ": there is no column 3; the table has no header; its columns are 1 to 2"},
    };
    for (const auto& c : cases) {
        const TRun run = Export(c.Input, c.Options);
        EXPECT_EQ(run.ExitCode, 2);
        EXPECT_TRUE(run.Errors.contains(QString::fromUtf8(c.Message))) << run.Errors.toStdString();
        EXPECT_FALSE(QFileInfo::exists(Out()));
    }
}

// Names from the record's cells: by header name and by number, the record's own text decoded
// from the file its SKU names.
TEST_F(BatchTool, NamesFilesFromTheRecordsCells)
{
    const TRun run =
        Export(Products, Qr + QStringList{QStringLiteral("--csv"), QStringLiteral("--column"),
                                          QStringLiteral("Name"), QStringLiteral("--name"),
                                          QStringLiteral("{col:sku}-{col:3}-{n:03}")});
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    ASSERT_EQ(Files(),
              (QStringList{QStringLiteral("A-1-5-001.png"), QStringLiteral("A-4-9-002.png")}));
    EXPECT_EQ(
        DecodeFile(OutFile(QStringLiteral("A-4-9-002.png")), ZXing::BarcodeFormat::QRCode).Text,
        QStringLiteral("two\nlines"));
}
