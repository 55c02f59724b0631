// Shards stopped by signals halfway, and resumed.
#include "batch_manifest_lines.h"
#include "batch_tool_fixture.h"

#include <QDirIterator>
#include <QScopeGuard>
#include <QThread>

#include <csignal>
#include <ctime>
#include <map>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int EntryCount = 1200;

QByteArray ManyEntries()
{
    QByteArray input;
    for (int i = 1; i <= EntryCount; ++i)
        input += "ENTRY-" + QByteArray::number(i % 50) + '\n';
    return input;
}

// The files of a folder and its subfolders, hidden ones too.
QStringList FilesIn(const QString& folder)
{
    QStringList files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();)
        files << it.next();
    return files;
}

// Waits until the folder holds `count` files or the process ended.
void WaitForFiles(const QString& folder, int count, QProcess& process)
{
    while (process.state() == QProcess::Running && FilesIn(folder).size() < count)
        process.waitForFinished(20);
}

// Names that only a torn or doubled write would leave: hidden temporaries, empty files.
QStringList LeftOvers(const QString& folder)
{
    QStringList left;
    for (const QString& path : FilesIn(folder)) {
        const QFileInfo file(path);
        if (file.fileName().startsWith(QLatin1Char('.')) || file.size() == 0)
            left << path;
    }
    return left;
}

// Names in one folder or in subfolders by number; files published by linking an unnamed file
// or, as where the file system has none (NFS), through named temporaries that a killed run
// leaves behind.
struct TLayout
{
    const char* Names;
    bool UnnamedFiles;
};
} // namespace

class BatchInterrupt : public BatchTool, public testing::WithParamInterface<TLayout>
{};

INSTANTIATE_TEST_SUITE_P(
    Layouts, BatchInterrupt,
    testing::Values(TLayout{"{text}", true}, TLayout{"{text}-{n:05/2}", false}),
    [](const auto& info) {
        return std::string(info.param.UnnamedFiles ? "OneFolder" : "SubfoldersNamedTemporaries");
    });

TEST_P(BatchInterrupt, ShardsStoppedBySignalsAndResumedWriteTheFilesOfOneRun)
{
    if (!GetParam().UnnamedFiles)
        qputenv("LINTARO_TEST_NO_UNNAMED_FILES", "1");
    const auto restore = qScopeGuard([] { qunsetenv("LINTARO_TEST_NO_UNNAMED_FILES"); });
    const QString input = WriteInput(ManyEntries());
    const QStringList options = QuietZone + QStringList{QStringLiteral("-s"),
                                                        QStringLiteral("code128"),
                                                        QStringLiteral("--name"),
                                                        QString::fromUtf8(GetParam().Names),
                                                        QStringLiteral("-j"),
                                                        QStringLiteral("2"),
                                                        input};
    const QString whole = FDir.filePath(QStringLiteral("whole"));
    ASSERT_EQ(Run(QStringList{QStringLiteral("-o"), whole} + options).ExitCode, 0);
    const QMap<QString, QByteArray> expected = FolderContents(whole);

    const struct
    {
        int Signal;
        int ExitCode; // -1: killed, no exit code
    } stops[] = {{SIGTERM, 143}, {SIGKILL, -1}, {SIGINT, 130}};
    // One manifest that every shard and retry appends to, on the output volume.
    const QString manifest = FDir.filePath(QStringLiteral("manifest.jsonl"));
    const auto shard = [&manifest](int k) {
        return QStringList{QStringLiteral("--shard"), QStringLiteral("%1/3").arg(k),
                           QStringLiteral("--manifest"), manifest};
    };
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(stops[k].Signal);
        const int before = int(FilesIn(Out()).size());
        // What the killed shard left is for the resumed runs to clear, not for this one.
        const QStringList leftBefore = LeftOvers(Out());
        QProcess process;
        process.start(QStringLiteral(LINTARO_BATCH_EXECUTABLE),
                      QStringList{QStringLiteral("-o"), Out()} + shard(k) + options);
        ASSERT_TRUE(process.waitForStarted());
        // Halfway through its part of the entries.
        WaitForFiles(Out(), before + EntryCount / 6, process);
        ASSERT_EQ(process.state(), QProcess::Running) << "the shard ended before the signal";
        ::kill(pid_t(process.processId()), stops[k].Signal);
        ASSERT_TRUE(process.waitForFinished(120000));
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        if (stops[k].ExitCode < 0) {
            EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
        } else {
            EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(process.exitCode(), stops[k].ExitCode) << errors.toStdString();
            EXPECT_TRUE(errors.contains(QStringLiteral("Stopped by "))) << errors.toStdString();
            EXPECT_EQ(LeftOvers(Out()), leftBefore);
        }
    }
    EXPECT_LT(FilesIn(Out()).size(), EntryCount);
    // What a run killed long ago, or on another host, left: removed by age alone.
    const QString stale = QFileInfo(FilesIn(Out()).constLast()).path() +
                          QStringLiteral("/.lintaro-1-abc@elsewhere.tmp");
    WriteWholeFile(stale, "stale");
    const std::time_t old = std::time(nullptr) - 2 * 3600;
    const timespec times[2] = {{old, 0}, {old, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(stale).constData(), times, 0), 0);

    // Every shard again, the stopped ones and the one killed alike; twice, as retries may.
    for (int round = 0; round < 2; ++round)
        for (int k = 0; k < 3; ++k) {
            const TRun run =
                Run(QStringList{QStringLiteral("-o"), Out(), QStringLiteral("--resume")} +
                    shard(k) + options);
            EXPECT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
        }
    EXPECT_EQ(LeftOvers(Out()), QStringList());
    ExpectSameFiles(expected, FolderContents(Out()));

    // Every entry is recorded with its file, and written at most once: a killed run may not
    // have recorded its last files, which the retries then record as kept.
    std::map<int, int> writes;
    std::map<int, int> recorded;
    for (const QJsonObject& record : ManifestRecords(manifest)) {
        const int entry = record.value(QStringLiteral("entry")).toInt();
        const QString status = record.value(QStringLiteral("status")).toString();
        writes[entry] += status == QStringLiteral("written");
        if (status == QStringLiteral("written") || status == QStringLiteral("kept")) {
            ++recorded[entry];
            EXPECT_TRUE(RecordMatchesItsFile(record, Out())) << entry;
        }
    }
    EXPECT_EQ(recorded.size(), std::size_t(EntryCount));
    EXPECT_EQ(recorded.begin()->first, 1);
    for (const auto& [entry, count] : writes)
        EXPECT_LE(count, 1) << entry;
}
