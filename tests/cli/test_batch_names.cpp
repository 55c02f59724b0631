// The names the batch tool accepts for symbologies and formats, its version and what it says.
#include "batch_tool_fixture.h"

#include <QRegularExpression>

TEST_F(BatchTool, CommonNamesChooseTheSymbologyAndFormat)
{
    struct TCase
    {
        const char* Symbology;
        const char* Format;
        const char* Suffix;
        ZXing::BarcodeFormat Decoder;
        const char* Input;
        const char* Decoded;
    };
    const TCase cases[] = {
        {"code128", "png", "png", ZXing::BarcodeFormat::Code128, "Lintaro-128", "Lintaro-128"},
        {"Code 128", "PNG", "png", ZXing::BarcodeFormat::Code128, "Code 128", "Code 128"},
        {"EAN-13", "jpg", "jpg", ZXing::BarcodeFormat::EAN13, "590123412345", "5901234123457"},
        {"qr", "gif", "gif", ZXing::BarcodeFormat::QRCode, "Grüße", "Grüße"},
        {"data matrix", "bmp", "bmp", ZXing::BarcodeFormat::DataMatrix, "DM 71", "DM 71"},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(std::string(test.Symbology) + " " + test.Format);
        const QString folder = FDir.filePath(QLatin1String(test.Symbology));
        const TRun run = Export(QByteArray(test.Input) + '\n',
                                {QStringLiteral("-s"), QString::fromUtf8(test.Symbology),
                                 QStringLiteral("-f"), QLatin1String(test.Format)},
                                folder);
        ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
        const QStringList written = QDir(folder).entryList(QDir::Files);
        ASSERT_EQ(written.size(), 1);
        EXPECT_EQ(QFileInfo(written.first()).suffix(), QLatin1String(test.Suffix));
        EXPECT_EQ(DecodeFile(QDir(folder).filePath(written.first()), test.Decoder).Text,
                  QString::fromUtf8(test.Decoded));
    }
}

TEST_F(BatchTool, AnUnknownOrAmbiguousNameIsAUsageErrorThatHelps)
{
    const std::pair<const char*, const char*> cases[] = {
        {"kode128", "did you mean \"Code 128 (automatic subset switching)\"?"},
        {"datamatirx", "did you mean \"Data Matrix\"?"},
        {"code 2 of 5", "\"Code 2 of 5 IATA\""},
        {"nothing like it", "Invalid value for --symbology: \"nothing like it\""},
    };
    for (const auto& [name, message] : cases) {
        SCOPED_TRACE(name);
        const TRun run = Export("1234\n", {QStringLiteral("-s"), QString::fromUtf8(name)});
        EXPECT_EQ(run.ExitCode, 2);
        EXPECT_TRUE(run.Errors.contains(QString::fromUtf8(message))) << run.Errors.toStdString();
        EXPECT_FALSE(QFileInfo::exists(Out()));
    }
}

TEST_F(BatchTool, VersionComesFromTheProgramsVersionRecord)
{
    const TRun run = Run({QStringLiteral("--version")});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_TRUE(run.Errors.isEmpty()) << run.Errors.toStdString();
    // The package's version, as written in the project: the same text the about box shows.
    EXPECT_EQ(run.Output, QByteArray("lintaro-batch " LINTARO_PROJECT_VERSION "\n"));
}

// Run where nobody set up a desktop session (cron, ssh, containers), standard error carries
// the tool's own summary and nothing else.
TEST_F(BatchTool, StandardErrorHoldsOnlyTheToolsOwnMessages)
{
    qunsetenv("XDG_RUNTIME_DIR");
    const TRun run = Export("ONE\nTWO\n", {});
    ASSERT_EQ(run.ExitCode, 0);
    static const QRegularExpression summary(
        QStringLiteral("^written 2, failed 0, [0-9.]+ s, [0-9]+ images/s\\n$"));
    EXPECT_TRUE(summary.match(run.Errors).hasMatch()) << run.Errors.toStdString();
}
