// Runs repeated into one folder (--resume) and inputs that are slices of a longer one
// (--first-number).
#include "batch_tool_fixture.h"

#include <QRegularExpression>

namespace {

// Twelve entries, three of them sharing one {text} name, so that some planned names are
// numbered ones.
QByteArray ResumeInput()
{
    QByteArray input;
    for (int i = 1; i <= 12; ++i)
        input += (i % 4 == 2 ? QByteArray("SAME") : "ITEM-" + QByteArray::number(i)) + '\n';
    return input;
}

QStringList Shard(int k)
{
    return {QStringLiteral("--shard"), QStringLiteral("%1/3").arg(k)};
}

const QStringList Resume = {QStringLiteral("--resume")};

QString SummaryOf(const QString& errors)
{
    const QStringList lines = errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last();
}
} // namespace

TEST_F(BatchTool, RerunsOfAnyShardWithResumeLeaveEachEntryOnce)
{
    const QStringList options = {QStringLiteral("-s"), QStringLiteral("code128"),
                                 QStringLiteral("--name"), QStringLiteral("{text}")};
    const QString whole = FDir.filePath(QStringLiteral("whole"));
    ASSERT_EQ(Export(ResumeInput(), options, whole).ExitCode, 0);
    const QMap<QString, QByteArray> expected = FolderContents(whole);
    ASSERT_TRUE(expected.contains(QStringLiteral("SAME (3).png")));

    // A first run of shard 1, then retries in any order, the same shard again included, and
    // a run of the whole input resumed on top.
    ASSERT_EQ(Export(ResumeInput(), options + Shard(1)).ExitCode, 0);
    for (const QStringList& retry :
         {Shard(1), Shard(0), Shard(1), Shard(2), Shard(0), Shard(2), QStringList()})
        EXPECT_EQ(Export(ResumeInput(), options + retry + Resume).ExitCode, 0);
    ExpectSameFiles(expected, FolderContents(Out()));

    // A lost file is written again; so is an empty reservation a killed run left under a
    // name. The others are kept as they are and counted.
    ASSERT_TRUE(QFile::remove(OutFile(QStringLiteral("SAME (2).png"))));
    QFile reservation(OutFile(QStringLiteral("ITEM-5.png")));
    ASSERT_TRUE(reservation.open(QIODevice::WriteOnly | QIODevice::Truncate));
    reservation.close();
    const TRun resumed = Export(ResumeInput(), options + Resume);
    EXPECT_EQ(resumed.ExitCode, 0);
    EXPECT_TRUE(
        SummaryOf(resumed.Errors).startsWith(QStringLiteral("written 2, kept 10, failed 0")))
        << resumed.Errors.toStdString();
    ExpectSameFiles(expected, FolderContents(Out()));
}

TEST_F(BatchTool, ResumeKeepsAFileOfTheNameWhateverItHolds)
{
    // The folder is the run's own: a complete file under an entry's name is that entry's.
    ASSERT_TRUE(QDir().mkpath(Out()));
    QFile earlier(OutFile(QStringLiteral("2.png")));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    // A folder under a name is no entry's file: that entry fails and nothing else is tried.
    ASSERT_TRUE(QDir().mkpath(OutFile(QStringLiteral("3.png"))));

    const TRun run = Export("A\nB\nC\n", Resume);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Errors.contains(QStringLiteral("line 3: ")));
    EXPECT_EQ(ReadWholeFile(OutFile(QStringLiteral("2.png"))), QByteArray("earlier"));
    EXPECT_EQ(Files(), QStringList({QStringLiteral("1.png"), QStringLiteral("2.png")}));
}

TEST_F(BatchTool, SlicesWithFirstNumberWriteTheFilesOfTheWholeInput)
{
    QByteArray input;
    for (int i = 1; i <= 10; ++i)
        input += "ENTRY-" + QByteArray::number(i) + '\n';
    const QStringList options = {QStringLiteral("--name"), QStringLiteral("{n:03}-{text}")};
    const QString whole = FDir.filePath(QStringLiteral("whole"));
    ASSERT_EQ(Export(input, options, whole).ExitCode, 0);

    // Lines 1-4 and 5-10, each sliced off the whole and split in shards of the whole numbers.
    const QList<QByteArray> lines = input.split('\n');
    const struct
    {
        int First;
        int Count;
    } slices[] = {{1, 4}, {5, 6}};
    for (const auto& slice : slices) {
        const QByteArray part = lines.mid(slice.First - 1, slice.Count).join('\n') + '\n';
        for (int k = 0; k < 3; ++k) {
            const TRun run = Export(part, options + Shard(k) +
                                              QStringList{QStringLiteral("--first-number"),
                                                          QString::number(slice.First)});
            EXPECT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
        }
    }
    ExpectSameFiles(FolderContents(whole), FolderContents(Out()));
}

TEST_F(BatchTool, AnEntryReportNamesTheLineOfTheSliceItIsOn)
{
    const TRun run =
        Export("590123412345\nABC\n", {QStringLiteral("-s"), QStringLiteral("zsEANX"),
                                       QStringLiteral("--first-number"), QStringLiteral("101")});
    EXPECT_EQ(run.ExitCode, 1);
    static const QRegularExpression report(QStringLiteral("^line 2: EAN: error: "),
                                           QRegularExpression::MultilineOption);
    EXPECT_TRUE(report.match(run.Errors).hasMatch()) << run.Errors.toStdString();
    EXPECT_EQ(Files(), QStringList{QStringLiteral("101.png")});
}

// An evicted pod and its replacement, or a requeued task and its original, write one index at
// the same time: each entry is written by one of them, never by both.
TEST_F(BatchTool, TwoResumedRunsOfOneShardAtOnceWriteEachEntryOnce)
{
    QByteArray input;
    for (int i = 1; i <= 300; ++i)
        input += "SAME-" + QByteArray::number(i % 7) + '\n';
    const QString path = WriteInput(input);
    const QStringList options =
        QuietZone + QStringList{QStringLiteral("--name"), QStringLiteral("{text}"),
                                QStringLiteral("-j"), QStringLiteral("2"), path};
    const QString whole = FDir.filePath(QStringLiteral("whole"));
    ASSERT_EQ(Run(QStringList{QStringLiteral("-o"), whole} + options).ExitCode, 0);

    QProcess runs[2];
    for (QProcess& run : runs)
        run.start(QStringLiteral(LINTARO_BATCH_EXECUTABLE),
                  QStringList{QStringLiteral("-o"), Out()} + Resume + options);
    for (QProcess& run : runs) {
        ASSERT_TRUE(run.waitForFinished(120000));
        EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    }
    ExpectSameFiles(FolderContents(whole), FolderContents(Out()));
}
