// The batch tool when writing fails: a full disk, a folder made read-only or moved away while
// the run goes on, and other processes writing the same names at the same time.
#include "batch_tool_fixture.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QStandardPaths>

#include <map>
#include <memory>
#include <vector>

namespace {

// Runs the tool in a mount namespace of its own on a small tmpfs (`Mount()/out` is its output
// folder): `before` runs in the shell before the tool starts, `during` once the first file is
// written, with the tool stopped so it cannot finish first. What the tmpfs held at the end is
// copied to Copy() for reading. Exit 125: no namespace or no mount here; 124: the tool ended
// before `during` could run.
const char* const kSmallFileSystemScript = R"(
mnt=$1 size=$2 copy=$3 before=$4 during=$5
shift 5
mount -t tmpfs -o size="$size" tmpfs "$mnt" || exit 125
mkdir "$mnt/out"
eval "$before"
"$@" &
pid=$!
if [ -n "$during" ]; then
    while [ ! -e "$mnt/out/1.png" ]; do
        kill -0 $pid 2>/dev/null || exit 124
        sleep 0.01
    done
    # A read-only remount waits until no file is open for writing.
    until kill -STOP $pid && eval "$during"; do
        kill -0 $pid 2>/dev/null || exit 124
        kill -CONT $pid
        sleep 0.01
    done
    kill -CONT $pid
fi
wait $pid
status=$?
cp -a "$mnt/." "$copy/"
exit $status
)";

constexpr int kEntries = 200;

QByteArray NumberedInput(const QString& prefix, int count)
{
    QByteArray input;
    for (int entry = 1; entry <= count; ++entry)
        input += (prefix + QString::number(entry) + u'\n').toUtf8();
    return input;
}

// The entry number a file name carries: "7.png" and "7 (3).png" both belong to entry 7.
int EntryOfFile(const QString& name)
{
    return name.section(u'.', 0, 0).section(u' ', 0, 0).toInt();
}

QStringList HiddenFilesUnder(const QString& folder)
{
    QStringList hidden;
    QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (files.fileName().startsWith(u'.'))
            hidden << path;
    }
    return hidden;
}

} // namespace

class BatchWriteFaults : public BatchTool
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("unshare")).isEmpty())
            GTEST_SKIP() << "unshare (util-linux) is not installed";
        ASSERT_TRUE(QDir().mkpath(Mount()));
        ASSERT_TRUE(QDir().mkpath(Copy()));
    }

    QString Mount() const { return FDir.filePath(QStringLiteral("mnt")); }
    QString Copy() const { return FDir.filePath(QStringLiteral("copy")); }
    QString MountedOut(const QString& name = {}) const
    {
        return Mount() + QStringLiteral("/out") + (name.isEmpty() ? QString() : u'/' + name);
    }

    TRun RunOnSmallFileSystem(const QString& size, const QString& before, const QString& during,
                              const QStringList& options = {})
    {
        const QString input = WriteInput(NumberedInput(QStringLiteral("E"), kEntries));
        return Run(QStringList{QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"),
                               QString::fromUtf8(kSmallFileSystemScript), QStringLiteral("sh"),
                               Mount(), size, Copy(), before, during,
                               QStringLiteral(LINTARO_BATCH_EXECUTABLE), QStringLiteral("-o"),
                               MountedOut(), QStringLiteral("-j"), QStringLiteral("1"), input} +
                       QuietZone + options,
                   {}, QStringLiteral("unshare"));
    }

    // Every file left complete, under its own entry's name; every other entry reported with
    // its file's name and the reason; no temporary file left behind. Returns the files.
    QStringList ExpectIntactFilesAndNamedFailures(const TRun& run, const QString& folder,
                                                  const QString& reason) const
    {
        const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
        for (const QString& name : files) {
            const QString text =
                DecodeFile(QDir(folder).filePath(name), ZXing::BarcodeFormat::Code39).Text;
            EXPECT_EQ(text, QStringLiteral("E%1").arg(EntryOfFile(name))) << name.toStdString();
        }
        const QRegularExpression failure(
            QStringLiteral("^line (\\d+): Code 3 of 9 \\(Code 39\\): error: Cannot create file "
                           "\"(.*)\"\\. (.*)$"),
            QRegularExpression::MultilineOption);
        int failed = 0;
        for (auto match = failure.globalMatch(run.Errors); match.hasNext(); ++failed) {
            const QRegularExpressionMatch line = match.next();
            EXPECT_EQ(line.captured(2), MountedOut(line.captured(1) + QStringLiteral(".png")));
            EXPECT_EQ(line.captured(3), reason);
        }
        EXPECT_EQ(files.size() + failed, kEntries) << run.Errors.toStdString();
        EXPECT_TRUE(run.Errors.contains(
            QStringLiteral("written %1, failed %2, ").arg(files.size()).arg(failed)))
            << run.Errors.toStdString();
        EXPECT_TRUE(HiddenFilesUnder(Copy()).isEmpty())
            << HiddenFilesUnder(Copy()).join(u' ').toStdString();
        return files;
    }
};

#define SKIP_WITHOUT_NAMESPACE(run)                                                                \
    if ((run).ExitCode == 125)                                                                     \
    GTEST_SKIP() << "no tmpfs in a mount namespace of its own here: " << (run).Errors.toStdString()

TEST_F(BatchWriteFaults, DiskFullingUpMidRunKeepsEarlierFilesAndNamesEachFailedOne)
{
    // Room for a few pages of pictures only.
    const TRun run = RunOnSmallFileSystem(QStringLiteral("48k"), {}, {});
    SKIP_WITHOUT_NAMESPACE(run);
    EXPECT_EQ(run.ExitCode, 1) << run.Errors.toStdString();
    const QStringList files = ExpectIntactFilesAndNamedFailures(
        run, Copy() + QStringLiteral("/out"), QStringLiteral("No space left on device"));
    EXPECT_FALSE(files.isEmpty());
}

TEST_F(BatchWriteFaults, FolderFaultsMidRunKeepEarlierFilesAndNameEachFailedOne)
{
    const struct
    {
        const char* During;
        const char* FilesEndIn;
        const char* Reason;
    } cases[] = {
        {R"(mount -o remount,ro "$mnt")", "out", "Read-only file system"},
        {R"(mv "$mnt/out" "$mnt/moved")", "moved", "No such file or directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.During);
        QDir(Copy()).removeRecursively();
        QDir().mkpath(Copy());
        const TRun run =
            RunOnSmallFileSystem(QStringLiteral("16m"), {}, QString::fromUtf8(c.During));
        SKIP_WITHOUT_NAMESPACE(run);
        ASSERT_NE(run.ExitCode, 124) << "the run ended before the folder could fail";
        EXPECT_EQ(run.ExitCode, 1) << run.Errors.toStdString();
        const QStringList files = ExpectIntactFilesAndNamedFailures(
            run, Copy() + u'/' + QString::fromUtf8(c.FilesEndIn), QString::fromUtf8(c.Reason));
        EXPECT_FALSE(files.isEmpty());
        EXPECT_LT(files.size(), kEntries);
    }
}

TEST_F(BatchWriteFaults, NothingWritableAtAllExitsWithTwo)
{
    const struct
    {
        const char* Before;
        const char* Reason;
    } cases[] = {
        {R"(cat /dev/zero >"$mnt/filler" 2>/dev/null)", "No space left on device"},
        {R"(mount -o remount,ro "$mnt")", "Read-only file system"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Before);
        QDir(Copy()).removeRecursively();
        QDir().mkpath(Copy());
        const TRun run =
            RunOnSmallFileSystem(QStringLiteral("1m"), QString::fromUtf8(c.Before), {});
        SKIP_WITHOUT_NAMESPACE(run);
        EXPECT_EQ(run.ExitCode, 2) << run.Errors.toStdString();
        EXPECT_TRUE(ExpectIntactFilesAndNamedFailures(run, Copy() + QStringLiteral("/out"),
                                                      QString::fromUtf8(c.Reason))
                        .isEmpty());
    }
}

// Four tools write entries 1..N into one folder at once: each file is complete, holds the
// entry its name carries, and no file of one run replaces a file of another.
TEST_F(BatchTool, FourProcessesWritingTheSameNamesKeepEveryFile)
{
    constexpr int Processes = 4;
    constexpr int Entries = 40;
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int p = 1; p <= Processes; ++p) {
        const QString input = FDir.filePath(QStringLiteral("input%1.txt").arg(p));
        QFile file(input);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(NumberedInput(QStringLiteral("P%1E").arg(p), Entries));
        file.close();
        runs.push_back(std::make_unique<QProcess>());
        runs.back()->start(QStringLiteral(LINTARO_BATCH_EXECUTABLE),
                           QStringList{QStringLiteral("-o"), Out(), QStringLiteral("-j"),
                                       QStringLiteral("2"), input} +
                               QuietZone);
    }
    for (const auto& run : runs) {
        ASSERT_TRUE(run->waitForFinished(120000));
        EXPECT_EQ(run->exitCode(), 0) << run->readAllStandardError().toStdString();
    }

    std::map<QString, int> seen;
    for (const QString& name : Files()) {
        const QString text = DecodeFile(OutFile(name), ZXing::BarcodeFormat::Code39).Text;
        EXPECT_TRUE(text.endsWith(QStringLiteral("E%1").arg(EntryOfFile(name))))
            << name.toStdString() << " reads \"" << text.toStdString() << '"';
        ++seen[text];
    }
    EXPECT_EQ(int(seen.size()), Processes * Entries);
    for (const auto& [text, count] : seen)
        EXPECT_EQ(count, 1) << text.toStdString();
    EXPECT_TRUE(HiddenFilesUnder(Out()).isEmpty());
}

// A label sheet the folder refuses is no entry's fault: the run exits 2 and says why, and
// leaves nothing behind.
TEST_F(BatchWriteFaults, ASheetThatCannotBeWrittenExitsWithTwo)
{
    const struct
    {
        const char* Before;
        const char* Reason;
    } cases[] = {
        {R"(cat /dev/zero >"$mnt/out/filler" 2>/dev/null)", "No space left on device"},
        {R"(mount -o remount,ro "$mnt")", "Read-only file system"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Before);
        QDir(Copy()).removeRecursively();
        QDir().mkpath(Copy());
        const TRun run =
            RunOnSmallFileSystem(QStringLiteral("1m"), QString::fromUtf8(c.Before), {},
                                 {QStringLiteral("--sheet"), QStringLiteral("a4-3x8")});
        SKIP_WITHOUT_NAMESPACE(run);
        EXPECT_EQ(run.ExitCode, 2) << run.Errors.toStdString();
        const QRegularExpression message(
            QStringLiteral("^error: Cannot create file \"(.*)\"\\. (.*)$"),
            QRegularExpression::MultilineOption);
        const QRegularExpressionMatch match = message.match(run.Errors);
        ASSERT_TRUE(match.hasMatch()) << run.Errors.toStdString();
        EXPECT_EQ(match.captured(1), MountedOut(QStringLiteral("sheet.pdf")));
        EXPECT_EQ(match.captured(2), QString::fromUtf8(c.Reason));
        const QStringList left =
            QDir(Copy() + QStringLiteral("/out")).entryList(QDir::Files | QDir::Hidden);
        EXPECT_TRUE(left.isEmpty() || left == QStringList{QStringLiteral("filler")})
            << left.join(u' ').toStdString();
    }
}
