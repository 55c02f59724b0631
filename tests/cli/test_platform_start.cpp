#include "batch_tool_fixture.h"
#include "cli/batch_runner.h"
#include "cli/batch_values.h"

#include <QtGlobal>

namespace {

// fontconfig names a configuration file it cannot load on standard error the moment it is
// first asked for fonts: a run that never was shows no such line.
class TFontconfigProbe final
{
public:
    TFontconfigProbe()
        : FPrevious(qgetenv("FONTCONFIG_FILE")), FHad(qEnvironmentVariableIsSet("FONTCONFIG_FILE"))
    {
        qputenv("FONTCONFIG_FILE", "/nonexistent/lintaro-fonts.conf");
    }
    ~TFontconfigProbe()
    {
        if (FHad)
            qputenv("FONTCONFIG_FILE", FPrevious);
        else
            qunsetenv("FONTCONFIG_FILE");
    }
    TFontconfigProbe(const TFontconfigProbe&) = delete;
    TFontconfigProbe& operator=(const TFontconfigProbe&) = delete;

private:
    QByteArray FPrevious;
    bool FHad;
};

struct TFontCase
{
    const char* Name;
    QStringList Options;
    bool DrawsText;
};

} // namespace

using PlatformStart = BatchTool;

// Fonts are looked up only by a run that draws text, at its start and at its end alike; the
// Code 128 caption shows that the probe sees a lookup when there is one.
TEST_F(PlatformStart, FontsAreLookedUpOnlyWhenTextIsDrawn)
{
    const TFontCase cases[] = {
        {"QR Code", {QStringLiteral("-s"), QStringLiteral("zsQRCODE")}, false},
        {"Code 128 without its text",
         {QStringLiteral("-s"), QStringLiteral("zsCODE128"), QStringLiteral("--hide-text")},
         false},
        {"Code 128 with its text", {QStringLiteral("-s"), QStringLiteral("zsCODE128")}, true},
    };
    const TFontconfigProbe probe;
    for (const TFontCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString folder = FDir.filePath(QString::fromUtf8(c.Name));
        const TRun run = Export("LBL/00001\n", c.Options, folder);
        EXPECT_EQ(run.ExitCode, becAllWritten) << run.Errors.toStdString();
        EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("1.png")});
        EXPECT_EQ(run.Errors.contains(QStringLiteral("Fontconfig")), c.DrawsText)
            << run.Errors.toStdString();
    }
}

// Standard output is complete when the tool ends, however long, and so is standard error.
TEST_F(PlatformStart, OutputIsCompleteAtTheEnd)
{
    const TRun list = Run({QStringLiteral("--list-symbologies")});
    EXPECT_EQ(list.ExitCode, becAllWritten);
    EXPECT_EQ(QString::fromUtf8(list.Output), SymbologyTable());
    const TRun refused = Run({QStringLiteral("--no-such-option")});
    EXPECT_EQ(refused.ExitCode, becUsageOrInput);
    EXPECT_TRUE(refused.Errors.endsWith(QStringLiteral("Try --help for the options.\n")))
        << refused.Errors.toStdString();
}
