// The batch tool end to end: naming, skipping, formats, options.
#include "batch_tool_fixture.h"

#include "cli/batch_values.h"
#include <QRegularExpression>

#include <sys/stat.h>

TEST_F(BatchTool, NamesFilesByEntryNumberAndNeverOverwrites)
{
    const QByteArray input = "ONE\n\nTWO\r\nTHREE";
    ASSERT_EQ(Export(input, {}).ExitCode, 0);
    EXPECT_EQ(Files(), (QStringList{QStringLiteral("1.png"), QStringLiteral("2.png"),
                                    QStringLiteral("3.png")}));
    EXPECT_EQ(DecodeFile(OutFile(QStringLiteral("2.png")), ZXing::BarcodeFormat::Code39).Text,
              QStringLiteral("TWO"));

    const QByteArray firstRun = ReadWholeFile(OutFile(QStringLiteral("1.png")));
    ASSERT_EQ(Export("CHANGED\n", {}).ExitCode, 0);
    EXPECT_EQ(Files(), (QStringList{QStringLiteral("1 (2).png"), QStringLiteral("1.png"),
                                    QStringLiteral("2.png"), QStringLiteral("3.png")}));
    QFile first(OutFile(QStringLiteral("1.png")));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll(), firstRun);
    EXPECT_EQ(DecodeFile(OutFile(QStringLiteral("1 (2).png")), ZXing::BarcodeFormat::Code39).Text,
              QStringLiteral("CHANGED"));
}

TEST_F(BatchTool, SkipsAFailingEntryAndKeepsItsNumberUnused)
{
    const TRun run =
        Export("123456789012\nABC\n400638133393\n", {QStringLiteral("-s"), QStringLiteral("EAN")});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Errors.contains(QStringLiteral("line 2: EAN: error: ")))
        << run.Errors.toStdString();
    EXPECT_FALSE(run.Errors.contains(QStringLiteral("line 1"))) << run.Errors.toStdString();
    EXPECT_FALSE(run.Errors.contains(QStringLiteral("line 3"))) << run.Errors.toStdString();
    EXPECT_EQ(Files(), (QStringList{QStringLiteral("1.png"), QStringLiteral("3.png")}));
    EXPECT_EQ(DecodeFile(OutFile(QStringLiteral("3.png")), ZXing::BarcodeFormat::EAN13).Text,
              QStringLiteral("4006381333931"));
}

// Messages name the line of the input file, blank lines and CR-only line ends counted; the
// files keep their entry numbers.
TEST_F(BatchTool, ReportsTheLineOfTheInputFile)
{
    const TRun run = Export("123456789012\n\nABC\r\r400638133393\r\nXYZ\n",
                            {QStringLiteral("-s"), QStringLiteral("EAN")});
    EXPECT_EQ(run.ExitCode, 1);
    const QStringList lines = run.Errors.split(u'\n').filter(QStringLiteral(": EAN: "));
    ASSERT_EQ(lines.size(), 2) << run.Errors.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("line 3: EAN: error: ")))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("line 6: EAN: error: ")))
        << lines[1].toStdString();
    EXPECT_EQ(Files(), (QStringList{QStringLiteral("1.png"), QStringLiteral("3.png")}));
}

// A NUL is part of the entry: encoded with the rest where the symbology carries it, the entry
// refused where it does not; never a symbol of the text before it.
TEST_F(BatchTool, NulIsEncodedWithTheEntryOrRefused)
{
    const QByteArray input("abc\0def\n", 8);
    const TRun qr = Export(
        input, {QStringLiteral("-s"), QStringLiteral("zsQRCODE"), QStringLiteral("--verify")});
    EXPECT_EQ(qr.ExitCode, 0) << qr.Errors.toStdString();
    EXPECT_EQ(DecodeFile(OutFile(QStringLiteral("1.png")), ZXing::BarcodeFormat::QRCode).Text,
              QString::fromUtf16(u"abc\0def", 7));

    ASSERT_TRUE(QDir(Out()).removeRecursively());
    const TRun code39 = Export(input, {});
    EXPECT_EQ(code39.ExitCode, 1);
    EXPECT_TRUE(code39.Errors.contains(
        QStringLiteral("line 1: Code 3 of 9 (Code 39): error: Invalid character in data")))
        << code39.Errors.toStdString();
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(BatchTool, LayoutErrorsAreReportedPerEntryToo)
{
    const TRun run = Export("WIDE\n", {QStringLiteral("--size"), QStringLiteral("10x417"),
                                       QStringLiteral("--margin"), QStringLiteral("20")});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Errors.contains(
        QStringLiteral("line 1: Code 3 of 9 (Code 39): error: The desired width is too small.")))
        << run.Errors.toStdString();
    EXPECT_TRUE(Files().isEmpty());
}

// The message names the line and the offset of the bad byte in the file, counted from 0.
TEST_F(BatchTool, UndecodableInputWritesNothingAndNamesThePlace)
{
    const TRun run = Export("GOOD\n\xC3\x28\n", {});
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_TRUE(run.Errors.contains(QStringLiteral("Cannot read \"%1\": byte 5 on line 2 is not "
                                                   "valid UTF-8 text. Choose the encoding the "
                                                   "file was saved in.\n")
                                        .arg(FDir.filePath(QStringLiteral("input.txt")))))
        << run.Errors.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Out()));
}

// What a user may name as the input by mistake or on purpose: each is refused at once, with a
// message that names it and says what to do, before the output folder is made.
TEST_F(BatchTool, HostileInputFilesAreRefusedWithAClearMessage)
{
    const QString fifo = FDir.filePath(QStringLiteral("pipe.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = FDir.filePath(QStringLiteral("zero.csv"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    const QString utf16 = FDir.filePath(QStringLiteral("utf16.txt"));
    WriteWholeFile(utf16, QByteArray("A\0B\0\n\0C\0", 8));
    const QString endless = FDir.filePath(QStringLiteral("one line.txt"));
    WriteWholeFile(endless, QByteArray(17 << 20, 'A'));
    const QString notRegular =
        QStringLiteral("It is not a regular file but a device, a FIFO or a socket");
    const struct
    {
        QString Path;
        QStringList Options;
        QString Expected;
    } cases[] = {
        {fifo, {}, QStringLiteral("Cannot open file \"%1\". ").arg(fifo) + notRegular},
        {zero,
         {QStringLiteral("--csv")},
         QStringLiteral("Cannot open file \"%1\". ").arg(zero) + notRegular},
        {utf16, {}, QStringLiteral("Cannot read \"%1\": every other byte is 0").arg(utf16)},
        {endless,
         {},
         QStringLiteral("Cannot read \"%1\": line 1 is longer than 16 MiB").arg(endless)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Path.toStdString());
        const TRun run = Run(QStringList{QStringLiteral("-o"), Out(), c.Path} + c.Options);
        EXPECT_EQ(run.ExitCode, 2);
        EXPECT_TRUE(run.Errors.startsWith(c.Expected)) << run.Errors.toStdString();
        EXPECT_FALSE(QFileInfo::exists(Out()));
    }
}

// UTF-32 is told by its mark, whatever encoding was chosen.
TEST_F(BatchTool, Utf32WithAMarkIsReadAsSuch)
{
    const TRun run = Export(QByteArray("\0\0\xFE\xFF\0\0\0A\0\0\0\n\0\0\0B", 16),
                            {QStringLiteral("--encoding"), QStringLiteral("utf-16le"),
                             QStringLiteral("--name"), QStringLiteral("{text}")});
    EXPECT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    EXPECT_EQ(Files(), (QStringList{QStringLiteral("A.png"), QStringLiteral("B.png")}));
}

// A field the input cannot fill is a usage error before anything is written, not a failure of
// every entry.
TEST_F(BatchTool, TemplateFieldsTheInputLacksWriteNothing)
{
    const struct
    {
        QByteArray Input;
        QStringList Options;
    } cases[] = {
        {"A\nB\n", {QStringLiteral("--name"), QStringLiteral("{col:SKU}")}},
        {"SKU,Name\n1,A\n",
         {QStringLiteral("--csv"), QStringLiteral("--name"), QStringLiteral("{col:Colour}")}},
        {"SKU,Name\n1,A\n",
         {QStringLiteral("--csv"), QStringLiteral("--name"), QStringLiteral("{col:3}")}},
    };
    for (const auto& c : cases) {
        const TRun run = Export(c.Input, c.Options);
        EXPECT_EQ(run.ExitCode, 2);
        EXPECT_TRUE(run.Errors.startsWith(QStringLiteral("The file name field {col:")))
            << run.Errors.toStdString();
        EXPECT_FALSE(QFileInfo::exists(Out()));
    }
}

TEST_F(BatchTool, UsageErrorsExitWithTwoBeforeWriting)
{
    const TRun badValue = Export("GOOD\n", {QStringLiteral("--size"), QStringLiteral("0x0")});
    EXPECT_EQ(badValue.ExitCode, 2);
    EXPECT_TRUE(badValue.Errors.contains(QStringLiteral("--size")))
        << badValue.Errors.toStdString();
    const TRun missingInput =
        Run({QStringLiteral("-o"), Out(), FDir.filePath(QStringLiteral("none.txt"))});
    EXPECT_EQ(missingInput.ExitCode, 2);
    EXPECT_TRUE(missingInput.Errors.contains(QStringLiteral("Cannot open file")))
        << missingInput.Errors.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Out()));
}

TEST_F(BatchTool, ReadsStandardInput)
{
    // UTF-16 with its byte-order mark, which overrides the default UTF-8.
    const TRun run = Run(QStringList{QStringLiteral("-o"), Out(), QStringLiteral("-")} + QuietZone,
                         QByteArray("\xFF\xFES\0T\0D\0I\0N\0\n\0", 14));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    EXPECT_EQ(Files(), QStringList{QStringLiteral("1.png")});
    EXPECT_EQ(DecodeFile(OutFile(QStringLiteral("1.png")), ZXing::BarcodeFormat::Code39).Text,
              QStringLiteral("STDIN"));
}

TEST_F(BatchTool, SymbologyOptionsReachTheEncoder)
{
    // Long enough that the encoder's own choice stays below level H.
    const QByteArray text = "lintaro batch error correction test 0040\n";
    const QStringList qr = {QStringLiteral("-s"), QStringLiteral("zsQRCODE")};
    ASSERT_EQ(Export(text, qr).ExitCode, 0);
    ASSERT_EQ(Export(text, qr + QStringList{QStringLiteral("--option"),
                                            QStringLiteral("QRCodeOptions.ECCLevel=qreLevelH")})
                  .ExitCode,
              0);
    const TDecoded plain =
        DecodeFile(OutFile(QStringLiteral("1.png")), ZXing::BarcodeFormat::QRCode);
    const TDecoded high =
        DecodeFile(OutFile(QStringLiteral("1 (2).png")), ZXing::BarcodeFormat::QRCode);
    EXPECT_EQ(plain.Text, QString::fromUtf8(text.trimmed()));
    EXPECT_EQ(high.Text, plain.Text);
    EXPECT_NE(plain.ECCLevel, "H");
    EXPECT_EQ(high.ECCLevel, "H");
}

TEST_F(BatchTool, VerifyFollowsTheMaxiCodeModeChosen)
{
    const TRun run =
        Export("Lintaro\n",
               {QStringLiteral("-s"), QStringLiteral("zsMAXICODE"), QStringLiteral("--option"),
                QStringLiteral("MaxiCodeOptions.Mode=mcmMode4"), QStringLiteral("--verify")});
    EXPECT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    EXPECT_EQ(Files(), QStringList{QStringLiteral("1.png")});
    EXPECT_EQ(DecodeFile(OutFile(QStringLiteral("1.png")), ZXing::BarcodeFormat::MaxiCode).Text,
              QStringLiteral("Lintaro"));
}

TEST_F(BatchTool, EveryFormatDecodesBackToItsText)
{
    struct TFormat
    {
        const char* Name;
        const char* Extension;
        QByteArray Magic;
    };
    const TFormat formats[] = {{"png", ".png", "\x89PNG"},
                               {"jpeg", ".jpg", "\xFF\xD8\xFF"},
                               {"gif", ".gif", "GIF8"},
                               {"bmp", ".bmp", "BM"}};
    struct TSymbol
    {
        const char* Symbology;
        ZXing::BarcodeFormat Format;
        const char* Input;
        const char* Decoded;
    };
    const TSymbol symbols[] = {
        {"zsCODE128", ZXing::BarcodeFormat::Code128, "Lintaro-128", "Lintaro-128"},
        {"zsQRCODE", ZXing::BarcodeFormat::QRCode, "Grüße 2024", "Grüße 2024"},
        {"zsDATAMATRIX", ZXing::BarcodeFormat::DataMatrix, "DataMatrix 71", "DataMatrix 71"},
        {"zsEANX", ZXing::BarcodeFormat::EAN13, "590123412345", "5901234123457"},
    };
    for (const TFormat& format : formats) {
        // Every symbology writes entry 1 again: 1.ext, then "1 (2).ext" and so on.
        int run = 0;
        for (const TSymbol& symbol : symbols) {
            SCOPED_TRACE(std::string(format.Name) + " " + symbol.Symbology);
            const TRun result = Export(QByteArray(symbol.Input) + '\n',
                                       {QStringLiteral("-f"), QLatin1String(format.Name),
                                        QStringLiteral("-s"), QLatin1String(symbol.Symbology)});
            ASSERT_EQ(result.ExitCode, 0) << result.Errors.toStdString();
            const QString name =
                (++run == 1 ? QStringLiteral("1") : QStringLiteral("1 (%1)").arg(run)) +
                QLatin1String(format.Extension);
            QFile file(OutFile(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
            EXPECT_EQ(file.read(format.Magic.size()), format.Magic);
            EXPECT_EQ(DecodeFile(file.fileName(), symbol.Format).Text,
                      QString::fromUtf8(symbol.Decoded));
        }
    }
}

// Vector files are drawn again from the file (Qt SVG, Poppler) and read back like images.
TEST_F(BatchTool, VectorFilesVerifyByDrawingTheFileAgain)
{
    for (const char* format : {"svg", "pdf"}) {
        for (const char* symbology : {"zsCODE128", "zsQRCODE", "zsMAXICODE", "zsEANX"}) {
            SCOPED_TRACE(std::string(format) + " " + symbology);
            const TRun result =
                Export("590123412345\n",
                       {QStringLiteral("-f"), QLatin1String(format), QStringLiteral("-s"),
                        QLatin1String(symbology), QStringLiteral("--verify")});
            EXPECT_EQ(result.ExitCode, 0) << result.Errors.toStdString();
            EXPECT_TRUE(result.Errors.startsWith(QStringLiteral("written 1, verified 1,")))
                << result.Errors.toStdString();
        }
        EXPECT_EQ(Files().filter(QLatin1String(format)).size(), 4);
    }
}

// Every entry takes a label; a failing one leaves its label empty and fails the run, and the
// sheet never replaces an earlier one.
TEST_F(BatchTool, LabelSheetTakesEveryEntryAndIsNeverReplaced)
{
    const QByteArray input = "590123412345\nNOT DIGITS\n978020137962\n";
    for (int run = 0; run < 2; ++run) {
        const TRun result = Export(input, {QStringLiteral("-s"), QStringLiteral("zsEANX"),
                                           QStringLiteral("--sheet"), QStringLiteral("letter-3x10"),
                                           QStringLiteral("--cut-guides")});
        EXPECT_EQ(result.ExitCode, 1);
        const QStringList lines = result.Errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 2) << result.Errors.toStdString();
        EXPECT_TRUE(lines[0].startsWith(QStringLiteral("line 2: ")) &&
                    lines[0].contains(QStringLiteral(": error: ")))
            << lines[0].toStdString();
        EXPECT_TRUE(lines[1].startsWith(QStringLiteral("written 2 labels on 1 page to \"")))
            << lines[1].toStdString();
    }
    EXPECT_EQ(Files(), (QStringList{QStringLiteral("sheet (2).pdf"), QStringLiteral("sheet.pdf")}));
    QFile sheet(OutFile(QStringLiteral("sheet.pdf")));
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    EXPECT_TRUE(sheet.read(5) == "%PDF-");
}

// A sheet of nothing but empty labels is not written; each failure is named and the run fails.
TEST_F(BatchTool, LabelSheetWhoseEveryEntryFailedIsNotWritten)
{
    const struct
    {
        QByteArray Input;
        int Entries;
        QString Last;
    } cases[] = {
        {"NOT DIGITS\nALSO NOT\n", 2,
         QStringLiteral("error: Every one of the 2 entries failed; no sheet was written.")},
        {"NOT DIGITS\n", 1, QStringLiteral("error: The one entry failed; no sheet was written.")},
    };
    for (const auto& c : cases) {
        const TRun result = Export(c.Input, {QStringLiteral("-s"), QStringLiteral("zsEANX"),
                                             QStringLiteral("--sheet"), QStringLiteral("a4-3x8")});
        EXPECT_EQ(result.ExitCode, 1);
        const QStringList lines = result.Errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), c.Entries + 1) << result.Errors.toStdString();
        for (int i = 0; i < c.Entries; ++i)
            EXPECT_TRUE(lines[i].startsWith(QStringLiteral("line %1: ").arg(i + 1)) &&
                        lines[i].contains(QStringLiteral(": error: ")))
                << lines[i].toStdString();
        EXPECT_EQ(lines.back(), c.Last);
        EXPECT_EQ(Files(), QStringList());
    }
}

// A symbol larger than its label is drawn smaller and says by how much; one that fits says
// nothing. With the fixture's quiet zones the first is 49 mm wide, the second 73 mm.
TEST_F(BatchTool, LabelSheetReportsALabelScaledDownToFit)
{
    const TRun result = Export("A\n" + QByteArray(120, 'L') + "\n",
                               {QStringLiteral("-s"), QStringLiteral("qr"),
                                QStringLiteral("--module"), QStringLiteral("1mm"),
                                QStringLiteral("--sheet"), QStringLiteral("a4,2x2,60x60,10,5")});
    EXPECT_EQ(result.ExitCode, 0) << result.Errors.toStdString();
    const QStringList lines = result.Errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << result.Errors.toStdString();
    static const QRegularExpression scaled(
        QStringLiteral("^line 2: QR Code: drawn at [1-9][0-9]% to fit the label$"));
    EXPECT_TRUE(scaled.match(lines[0]).hasMatch()) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("written 2 labels on 1 page to \"")))
        << lines[1].toStdString();
}

TEST_F(BatchTool, LabelSheetUsageErrorsWriteNothing)
{
    const std::pair<QStringList, const char*> cases[] = {
        {{QStringLiteral("--sheet"), QStringLiteral("a4,3x9,70x37,0,0")}, "need 333.00 mm down"},
        {{QStringLiteral("--sheet"), QStringLiteral("a4-3x8"), QStringLiteral("-f"),
          QStringLiteral("png")},
         "--sheet writes a PDF"},
        {{QStringLiteral("--sheet"), QStringLiteral("a4-3x8"), QStringLiteral("--verify")},
         "--verify reads single files"},
        {{QStringLiteral("--cut-guides")}, "--cut-guides needs --sheet"},
        {{QStringLiteral("--sheet"), QStringLiteral("a4-3x8"), QStringLiteral("--shard"),
          QStringLiteral("1/3")},
         "--shard is for one file per entry"},
        {{QStringLiteral("--sheet"), QStringLiteral("a4-3x8"), QStringLiteral("--name"),
          QStringLiteral("{text}")},
         "--name is for one file per entry"},
        {{QStringLiteral("--label-text"), QStringLiteral("{text}")}, "--label-text needs --sheet"},
        {{QStringLiteral("--sheet"), QStringLiteral("a4-3x8"), QStringLiteral("--label-text"),
          QStringLiteral("a"), QStringLiteral("--label-text"), QStringLiteral("b"),
          QStringLiteral("--label-text"), QStringLiteral("c"), QStringLiteral("--label-text"),
          QStringLiteral("d"), QStringLiteral("--label-text"), QStringLiteral("e")},
         "at most 4 --label-text lines"},
        {{QStringLiteral("--sheet"), QStringLiteral("a4-3x8"), QStringLiteral("--label-text"),
          QStringLiteral("{text"), QStringLiteral("--label-layout"), QStringLiteral("right")},
         "Invalid value for --label-text"},
        {{QStringLiteral("--sheet"), QStringLiteral("a4-3x8"), QStringLiteral("--label-layout"),
          QStringLiteral("above")},
         "expected below or right"},
        {{QStringLiteral("--sheet"), QStringLiteral("a4-3x8"), QStringLiteral("--label-text"),
          QStringLiteral("{text}"), QStringLiteral("--label-text-size"), QStringLiteral("0.5")},
         "Invalid value for --label-text-size"},
        {{QStringLiteral("--sheet"), QStringLiteral("a4-3x8"), QStringLiteral("--label-text"),
          QStringLiteral("{text}"), QStringLiteral("--label-text-align"),
          QStringLiteral("left,right")},
         "more values than there are --label-text lines"},
        {{QStringLiteral("--sheet"), QStringLiteral("a4-3x8"), QStringLiteral("--label-text"),
          QStringLiteral("{col:price}")},
         "price"},
    };
    for (const auto& [options, message] : cases) {
        const TRun result = Export("GOOD\n", options);
        EXPECT_EQ(result.ExitCode, 2) << message;
        EXPECT_TRUE(result.Errors.contains(QLatin1String(message))) << result.Errors.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(Out()));
}

TEST_F(BatchTool, ListsTheSymbologies)
{
    const TRun run = Run({QStringLiteral("--list-symbologies")});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(QString::fromUtf8(run.Output), SymbologyTable());
}

// An input that gives no entry is no error, but it is not passed over in silence either.
TEST_F(BatchTool, AnInputWithoutTextsSaysSo)
{
    for (const QByteArray& input : {QByteArray(), QByteArray("\xEF\xBB\xBF\r\n\n")}) {
        const TRun run = Export(input, {});
        EXPECT_EQ(run.ExitCode, 0);
        EXPECT_TRUE(run.Errors.startsWith(QStringLiteral("The input \"%1\" holds no texts")
                                              .arg(FDir.filePath(QStringLiteral("input.txt")))))
            << run.Errors.toStdString();
        EXPECT_TRUE(Files().isEmpty());
    }
}
