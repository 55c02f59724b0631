// lintaro-batch --check-manifest: every entry once, from the manifests of all shards and retries.
#include "cli/batch_options.h"

#include "batch_manifest_lines.h"
#include "batch_tool_fixture.h"

#include <csignal>

#include <unistd.h>

namespace {
QStringList Check(const QStringList& options)
{
    return QStringList{QStringLiteral("lintaro-batch"), QStringLiteral("--check-manifest")} +
           options;
}
} // namespace

TEST(CheckManifestOptions, ReadsTheManifestsAndWhatIsExpected)
{
    const TBatchParseResult counted = ParseBatchOptions(
        Check({QStringLiteral("--expect"), QStringLiteral("12"), QStringLiteral("a.jsonl"),
               QStringLiteral("b.jsonl"), QStringLiteral("--shard"), QStringLiteral("1/4"),
               QStringLiteral("--first-number"), QStringLiteral("5")}));
    ASSERT_EQ(counted.Command, TBatchCommand::bcCheckManifest) << counted.Text.toStdString();
    EXPECT_EQ(counted.Settings.CheckedManifests,
              QStringList({QStringLiteral("a.jsonl"), QStringLiteral("b.jsonl")}));
    EXPECT_EQ(counted.Settings.ExpectedCount, 12);
    EXPECT_TRUE(counted.Settings.InputPath.isEmpty());
    EXPECT_TRUE(counted.Settings.OutputFolder.isEmpty());
    EXPECT_EQ(counted.Settings.Shard.Index, 1);
    EXPECT_EQ(counted.Settings.FirstNumber, 5);

    const TBatchParseResult byInput = ParseBatchOptions(
        Check({QStringLiteral("--expect"), QStringLiteral("./12"), QStringLiteral("--csv"),
               QStringLiteral("-o"), QStringLiteral("out"), QStringLiteral("a.jsonl")}));
    ASSERT_EQ(byInput.Command, TBatchCommand::bcCheckManifest) << byInput.Text.toStdString();
    EXPECT_EQ(byInput.Settings.InputPath, QStringLiteral("./12"));
    EXPECT_EQ(byInput.Settings.ExpectedCount, -1);
    EXPECT_EQ(byInput.Settings.OutputFolder, QStringLiteral("out"));
    EXPECT_TRUE(byInput.Settings.TableDelimiter);

    const struct
    {
        QStringList Arguments;
        const char* Message;
    } bad[] = {
        {Check({QStringLiteral("--expect"), QStringLiteral("12")}), "needs the manifests"},
        {Check({QStringLiteral("a.jsonl")}), "needs --expect"},
        {Check({QStringLiteral("--expect"), QStringLiteral("0"), QStringLiteral("a.jsonl")}),
         "--expect: \"0\""},
        {{QStringLiteral("lintaro-batch"), QStringLiteral("-o"), QStringLiteral("out"),
          QStringLiteral("in.txt"), QStringLiteral("--expect"), QStringLiteral("3")},
         "--expect needs --check-manifest"},
    };
    for (const auto& test : bad) {
        const TBatchParseResult result = ParseBatchOptions(test.Arguments);
        EXPECT_EQ(result.Command, TBatchCommand::bcUsageError);
        EXPECT_TRUE(result.Text.contains(QLatin1String(test.Message))) << result.Text.toStdString();
    }
}

class ManifestCheck : public BatchTool
{
protected:
    QString Manifest(int shard) const
    {
        return FDir.filePath(QStringLiteral("manifest-%1.jsonl").arg(shard));
    }
    // Shard k of 3 into Out(), recorded in its own manifest.
    int RunShard(int k, const QStringList& options = {}) const
    {
        return Export(Input, options + QStringList{QStringLiteral("-s"), QStringLiteral("zsEANX"),
                                                   QStringLiteral("--shard"),
                                                   QStringLiteral("%1/3").arg(k),
                                                   QStringLiteral("--manifest"), Manifest(k)})
            .ExitCode;
    }
    TRun CheckAll(const QStringList& options) const
    {
        return Run(
            QStringList{QStringLiteral("--check-manifest"), Manifest(0), Manifest(1), Manifest(2)} +
            options);
    }

    // Eight entries, entry 3 one that EAN cannot encode.
    const QByteArray Input = "1\n2\nABC\n4\n5\n6\n7\n8\n";
};

TEST_F(ManifestCheck, TellsMissingDuplicatedFailedAndAlteredEntries)
{
    ASSERT_EQ(RunShard(0), 1); // entries 3 (fails) and 6
    ASSERT_EQ(RunShard(1), 0); // entries 1, 4, 7
    ASSERT_EQ(RunShard(1), 0); // again, without --resume: " (2)" copies
    WriteWholeFile(OutFile(QStringLiteral("6.png")), "x");
    const QString input = FDir.filePath(QStringLiteral("input.txt"));
    const QStringList withFiles = {QStringLiteral("--expect"), input, QStringLiteral("-o"), Out()};
    // Shard 2 never ran; its manifest is not there yet.
    EXPECT_EQ(CheckAll(withFiles).ExitCode, 2);
    WriteWholeFile(Manifest(2), {});

    const TRun run = CheckAll(withFiles);
    EXPECT_EQ(run.ExitCode, 1);
    const QString report = QString::fromUtf8(run.Output);
    for (const char* line :
         {"entry 1: written as 2 files: \"1.png\", \"1 (2).png\"\n", "entry 2: missing\n",
          "entry 3: failed: error: ", "entry 6: \"6.png\" has 1 bytes, the manifest records ",
          "entry 8: missing\n",
          "entries 8: complete 0, missing 3, written more than once 3, "
          "failed 1, files unlike their record 1\n"})
        EXPECT_TRUE(report.contains(QString::fromUtf8(line))) << line << "\n"
                                                              << report.toStdString();
    // Without the folder the files are not read; by count, a shard alone in entry ranges.
    EXPECT_FALSE(
        QString::fromUtf8(CheckAll({QStringLiteral("--expect"), QStringLiteral("8")}).Output)
            .contains(QStringLiteral("6.png")));
    const TRun shard2 = CheckAll({QStringLiteral("--expect"), QStringLiteral("8"),
                                  QStringLiteral("--shard"), QStringLiteral("2/3")});
    EXPECT_EQ(shard2.ExitCode, 1);
    EXPECT_TRUE(shard2.Output.startsWith("entries 2 to 8 (those of shard 2/3): missing\n"))
        << shard2.Output.toStdString();

    ASSERT_EQ(RunShard(2, {QStringLiteral("--resume")}), 0);
    const TRun complete = CheckAll({QStringLiteral("--expect"), input, QStringLiteral("-o"), Out(),
                                    QStringLiteral("--shard"), QStringLiteral("2/3")});
    EXPECT_EQ(complete.ExitCode, 0) << complete.Output.toStdString();
    EXPECT_TRUE(complete.Output.startsWith("entries 3: complete 3, missing 0,"))
        << complete.Output.toStdString();
}

TEST_F(ManifestCheck, RefusesTheManifestOfAnotherInput)
{
    ASSERT_EQ(RunShard(1), 0);
    WriteWholeFile(Manifest(0), {});
    WriteWholeFile(Manifest(2), {});
    const QString other = FDir.filePath(QStringLiteral("other.txt"));
    WriteWholeFile(other, "\n" + Input);
    const TRun run = CheckAll({QStringLiteral("--expect"), other});
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_TRUE(run.Errors.contains(QStringLiteral("does not match the input")))
        << run.Errors.toStdString();
}

// A run stopped halfway leaves a record of what it finished, no more; the entries it did not
// record are written by --only-failed with that same record, and the check then finds each once.
TEST_F(BatchTool, AStoppedRunLeavesATrueRecordThatOnlyFailedCompletes)
{
    QByteArray input;
    for (int i = 1; i <= 400; ++i)
        input += "ENTRY-" + QByteArray::number(i) + '\n';
    const QString path = WriteInput(input);
    const QString whole = FDir.filePath(QStringLiteral("whole"));
    ASSERT_EQ(Run(QStringList{QStringLiteral("-o"), whole, path} + QuietZone).ExitCode, 0);

    const struct
    {
        int Signal;
        int ExitCode; // -1: killed
    } stops[] = {{SIGTERM, 143}, {SIGKILL, -1}};
    for (const auto& stop : stops) {
        SCOPED_TRACE(stop.Signal);
        const QString out = FDir.filePath(QStringLiteral("out-%1").arg(stop.Signal));
        const QString manifest = out + QStringLiteral(".jsonl");
        const QStringList options = QStringList{QStringLiteral("-o"),
                                                out,
                                                QStringLiteral("-j"),
                                                QStringLiteral("2"),
                                                QStringLiteral("--manifest"),
                                                manifest,
                                                path} +
                                    QuietZone;
        QProcess process;
        process.start(QStringLiteral(LINTARO_BATCH_EXECUTABLE), options);
        ASSERT_TRUE(process.waitForStarted());
        while (process.state() == QProcess::Running &&
               QDir(out).entryList(QDir::Files).size() < 100)
            process.waitForFinished(20);
        ASSERT_EQ(process.state(), QProcess::Running) << "the run ended before the signal";
        ::kill(pid_t(process.processId()), stop.Signal);
        ASSERT_TRUE(process.waitForFinished(120000));
        if (stop.ExitCode > 0) {
            EXPECT_EQ(process.exitCode(), stop.ExitCode);
        }

        const QStringList check = {QStringLiteral("--check-manifest"),
                                   QStringLiteral("--expect"),
                                   path,
                                   QStringLiteral("-o"),
                                   out,
                                   manifest};
        const TRun stopped = Run(check);
        EXPECT_EQ(stopped.ExitCode, 1);
        // Whatever it recorded is there as recorded.
        EXPECT_TRUE(stopped.Output.contains("missing") &&
                    stopped.Output.contains("files unlike their record 0"))
            << stopped.Output.toStdString();

        const TRun retry = Run(options + QStringList{QStringLiteral("--only-failed"), manifest});
        EXPECT_EQ(retry.ExitCode, 0) << retry.Errors.toStdString();
        const TRun done = Run(check);
        EXPECT_EQ(done.ExitCode, 0) << done.Output.toStdString();
        ExpectSameFiles(FolderContents(whole), FolderContents(out));
    }
}
