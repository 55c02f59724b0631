// Several workers, read-back verification and the run's report lines.
#include "batch_tool_fixture.h"

#include <QRegularExpression>

namespace {

// The entries' error lines, without the summary (its times differ from run to run) or any
// message of the platform.
QStringList ReportLines(const QString& errors)
{
    return errors.split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("^line ")));
}

QString SummaryOf(const QString& errors)
{
    const QStringList lines = errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last();
}

// Valid and invalid EAN entries mixed, so failures land between and across workers' entries.
QByteArray MixedEanInput()
{
    QByteArray input;
    for (int i = 1; i <= 40; ++i)
        input += (i % 7 == 3 ? QByteArray("NOT-DIGITS") : QByteArray::number(590123412300 + i)) +
                 (i % 5 == 0 ? "+12" : "") + '\n';
    return input;
}
} // namespace

TEST_F(BatchTool, ParallelRunsWriteTheSameFilesAndReportsAsOneJob)
{
    const QString one = FDir.filePath(QStringLiteral("one"));
    const QString four = FDir.filePath(QStringLiteral("four"));
    // An existing file moves entry 3 to its next numbered name in both runs.
    for (const QString& folder : {one, four}) {
        ASSERT_TRUE(QDir().mkpath(folder));
        QFile taken(QDir(folder).filePath(QStringLiteral("4.png")));
        ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
        taken.write("taken");
    }
    const QStringList ean = {QStringLiteral("-s"), QStringLiteral("zsEANX")};
    const TRun serial = Export(MixedEanInput(), ean + QStringList{QStringLiteral("-j1")}, one);
    const TRun parallel = Export(MixedEanInput(), ean + QStringList{QStringLiteral("-j4")}, four);
    EXPECT_EQ(serial.ExitCode, 1);
    EXPECT_EQ(parallel.ExitCode, 1);

    const QStringList names = QDir(one).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(names, QDir(four).entryList(QDir::Files, QDir::Name));
    EXPECT_TRUE(names.contains(QStringLiteral("4 (2).png")));
    EXPECT_FALSE(names.contains(QStringLiteral("3.png")));
    EXPECT_EQ(ReadWholeFile(QDir(four).filePath(QStringLiteral("4.png"))), QByteArray("taken"));
    for (const QString& name : names)
        EXPECT_EQ(ReadWholeFile(QDir(one).filePath(name)), ReadWholeFile(QDir(four).filePath(name)))
            << name.toStdString();

    const QStringList serialLines = ReportLines(serial.Errors);
    EXPECT_EQ(serialLines, ReportLines(parallel.Errors));
    // Entries 3, 10, 17, 24, 31, 38 fail, reported in entry order.
    QStringList expected;
    for (int line = 3; line <= 40; line += 7)
        expected << QStringLiteral("line %1: EAN: error: ").arg(line);
    ASSERT_EQ(serialLines.size(), expected.size()) << serial.Errors.toStdString();
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(ReportLines(parallel.Errors)[i].startsWith(expected[i]))
            << ReportLines(parallel.Errors)[i].toStdString();
}

TEST_F(BatchTool, SummaryLineCountsWrittenAndFailedEntries)
{
    const TRun run =
        Export("590123412345\nABC\n9638507\n",
               {QStringLiteral("-s"), QStringLiteral("zsEANX"), QStringLiteral("-j2")});
    EXPECT_EQ(run.ExitCode, 1);
    static const QRegularExpression summary(
        QStringLiteral("^written 2, failed 1, \\d+\\.\\d\\d s, \\d+ images/s$"));
    EXPECT_TRUE(summary.match(SummaryOf(run.Errors)).hasMatch()) << run.Errors.toStdString();
    // Not a terminal: no progress line rewritten in place.
    EXPECT_FALSE(run.Errors.contains(QLatin1Char('\r'))) << run.Errors.toStdString();
}

TEST_F(BatchTool, VerifyFailsAnEntryThatDoesNotReadBackAndSetsItsFileAside)
{
    // An earlier run's set-aside file is never replaced.
    ASSERT_TRUE(QDir().mkpath(Out()));
    QFile earlier(OutFile(QStringLiteral("2.failed.png")));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    // Bars in the background's colour: the file is written, but nothing can be scanned.
    const TRun invisible =
        Export("LINTARO\nLINTARO\n",
               {QStringLiteral("-s"), QStringLiteral("zsCODE128"), QStringLiteral("--fg"),
                QStringLiteral("White"), QStringLiteral("--verify")});
    EXPECT_EQ(invisible.ExitCode, 1);
    for (const char* line :
         {"line 1: Code 128 (automatic subset switching): does not read back (read: nothing); "
          "set aside as \"1.failed.png\"\n",
          "line 2: Code 128 (automatic subset switching): does not read back (read: nothing); "
          "set aside as \"2.failed (2).png\"\n"})
        EXPECT_TRUE(invisible.Errors.contains(QString::fromUtf8(line)))
            << invisible.Errors.toStdString();
    EXPECT_TRUE(
        SummaryOf(invisible.Errors)
            .startsWith(QStringLiteral("written 0, verified 0, not verifiable 0, failed 2, ")))
        << invisible.Errors.toStdString();
    EXPECT_EQ(Files(),
              (QStringList{QStringLiteral("1.failed.png"), QStringLiteral("2.failed (2).png"),
                           QStringLiteral("2.failed.png")}));
    EXPECT_EQ(ReadWholeFile(OutFile(QStringLiteral("2.failed.png"))), QByteArray("earlier"));
}

TEST_F(BatchTool, VerifyCountsUnreadableEntriesAsNotVerifiedAndNamesTheSymbologyOnce)
{
    const TRun run = Export("123\n456\n789\n", {QStringLiteral("-s"), QStringLiteral("zsCODE11"),
                                                QStringLiteral("-j2"), QStringLiteral("--verify")});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Errors.count(QStringLiteral("Code 11: not verifiable")), 1)
        << run.Errors.toStdString();
    EXPECT_TRUE(
        SummaryOf(run.Errors)
            .startsWith(QStringLiteral("written 3, verified 0, not verifiable 3, failed 0, ")))
        << run.Errors.toStdString();
    EXPECT_EQ(Files().size(), 3);

    // EAN: eight digits are encoded as an EAN-13 and read back as one; two digits are an
    // add-on alone, which the decoder cannot read.
    const TRun ean = Export("12345670\n12\n", {QStringLiteral("-s"), QStringLiteral("zsEANX"),
                                               QStringLiteral("--verify")});
    EXPECT_EQ(ean.ExitCode, 0) << ean.Errors.toStdString();
    EXPECT_TRUE(ean.Errors.contains(QStringLiteral("line 2: EAN: not verifiable")))
        << ean.Errors.toStdString();
    EXPECT_TRUE(
        SummaryOf(ean.Errors)
            .startsWith(QStringLiteral("written 2, verified 1, not verifiable 1, failed 0, ")))
        << ean.Errors.toStdString();
}
