// How a run tells its progress: the terminal line, or JSON lines that shards can be summed by.
#include "cli/batch_progress.h"

#include "batch_tool_fixture.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <set>

TEST(BatchProgress, ReadsFormatsAndIntervals)
{
    EXPECT_EQ(ParseProgressFormat(QStringLiteral("jsonl")), TProgressFormat::pfJsonl);
    EXPECT_EQ(ParseProgressFormat(QStringLiteral("terminal")), TProgressFormat::pfTerminal);
    EXPECT_EQ(ParseProgressFormat(QStringLiteral("none")), TProgressFormat::pfNone);
    EXPECT_FALSE(ParseProgressFormat(QStringLiteral("json")));

    const struct
    {
        const char* Text;
        qint64 Entries;
        qint64 Milliseconds;
    } good[] = {{"1", 1, 0}, {"500", 500, 0}, {"30s", 0, 30000}, {"1000000000", 1000000000, 0}};
    for (const auto& test : good) {
        const std::optional<TProgressEvery> every = ParseProgressEvery(QLatin1String(test.Text));
        ASSERT_TRUE(every) << test.Text;
        EXPECT_EQ(every->Entries, test.Entries) << test.Text;
        EXPECT_EQ(every->Milliseconds, test.Milliseconds) << test.Text;
    }
    for (const char* bad : {"0", "0s", "-1", "1.5", "10m", "s", "", "1000000001", " 5"})
        EXPECT_FALSE(ParseProgressEvery(QLatin1String(bad))) << bad;
}

namespace {
// The JSON lines among what a run wrote on standard error.
std::vector<QJsonObject> ProgressLines(const QString& errors)
{
    std::vector<QJsonObject> lines;
    for (const QString& line : errors.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1Char('{')))
            lines.push_back(QJsonDocument::fromJson(line.toUtf8()).object());
    return lines;
}

qint64 Field(const QJsonObject& line, const char* name)
{
    return line.value(QLatin1String(name)).toInteger(-1);
}
} // namespace

TEST_F(BatchTool, JsonProgressOfShardsSumsToTheWholeRun)
{
    // Entry 5 fails.
    const QByteArray input = "1\n2\n3\n4\nABC\n6\n7\n";
    const QStringList options = {QStringLiteral("-s"),
                                 QStringLiteral("zsEANX"),
                                 QStringLiteral("-j"),
                                 QStringLiteral("1"),
                                 QStringLiteral("--progress"),
                                 QStringLiteral("jsonl"),
                                 QStringLiteral("--progress-every"),
                                 QStringLiteral("1")};
    qint64 total = 0;
    qint64 written = 0;
    qint64 failed = 0;
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        const TRun run = Export(
            input, options + QStringList{QStringLiteral("--shard"), QStringLiteral("%1/2").arg(k)});
        const std::vector<QJsonObject> lines = ProgressLines(run.Errors);
        ASSERT_GE(lines.size(), 2u) << run.Errors.toStdString();
        // Every entry told as it finished, from none, and the last line with the exit status.
        std::set<qint64> done;
        for (const QJsonObject& line : lines) {
            EXPECT_EQ(Field(line, "shard"), k);
            EXPECT_EQ(Field(line, "shards"), 2);
            EXPECT_EQ(Field(line, "done"),
                      Field(line, "written") + Field(line, "kept") + Field(line, "failed"));
            EXPECT_EQ(line.contains(QStringLiteral("exit")), &line == &lines.back());
            done.insert(Field(line, "done"));
        }
        const QJsonObject& last = lines.back();
        EXPECT_EQ(Field(last, "exit"), run.ExitCode);
        EXPECT_EQ(Field(last, "done"), Field(last, "total"));
        EXPECT_EQ(qint64(done.size()), Field(last, "total") + 1);
        total += Field(last, "total");
        written += Field(last, "written");
        failed += Field(last, "failed");
    }
    EXPECT_EQ(total, 7);
    EXPECT_EQ(failed, 1);
    EXPECT_EQ(written, Files().size());
}

TEST_F(BatchTool, ProgressIsNeitherJsonNorATerminalLineUnlessAsked)
{
    for (const QStringList& options :
         {QStringList(), QStringList{QStringLiteral("--progress"), QStringLiteral("none")},
          QStringList{QStringLiteral("--progress"), QStringLiteral("terminal")}}) {
        const TRun run = Export("A\nB\n", options);
        EXPECT_EQ(run.ExitCode, 0);
        EXPECT_TRUE(ProgressLines(run.Errors).empty()) << run.Errors.toStdString();
        EXPECT_FALSE(run.Errors.contains(QLatin1Char('\r'))) << run.Errors.toStdString();
    }
    EXPECT_EQ(Export("A\n", {QStringLiteral("--progress"), QStringLiteral("json")}).ExitCode, 2);
}
