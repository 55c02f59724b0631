// Several workers, read-back verification and the run's report lines.
#include "batch_tool_fixture.h"

#include <QRegularExpression>
#include <QStandardPaths>

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

TEST_F(BatchTool, VerifyKeepsAnEntryNoReaderReadsAsUnconfirmed)
{
    // Bars in the background's colour: the file is written, but no reader finds a symbol. That
    // is no reader's word against the file: it keeps its name and the run does not fail.
    const TRun invisible =
        Export("LINTARO\nLINTARO\n",
               {QStringLiteral("-s"), QStringLiteral("zsCODE128"), QStringLiteral("--fg"),
                QStringLiteral("White"), QStringLiteral("--verify")});
    EXPECT_EQ(invisible.ExitCode, 0) << invisible.Errors.toStdString();
    for (const char* line : {"line 1: Code 128 (automatic subset switching): unconfirmed",
                             "line 2: Code 128 (automatic subset switching): unconfirmed"})
        EXPECT_TRUE(invisible.Errors.contains(QString::fromUtf8(line)))
            << invisible.Errors.toStdString();
    EXPECT_TRUE(SummaryOf(invisible.Errors)
                    .startsWith(QStringLiteral(
                        "written 2, verified 0, unconfirmed 2, not verifiable 0, failed 0, ")))
        << invisible.Errors.toStdString();
    EXPECT_EQ(Files(), (QStringList{QStringLiteral("1.png"), QStringLiteral("2.png")}));
}

// DataBar Expanded holding only a GTIN: ZXing-C++ finds none of these, zbar reads them all.
TEST_F(BatchTool, VerifyPassesAnEntryAnyReaderReads)
{
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
        GTEST_SKIP() << "zbarimg (zbar-tools) is not installed";
    const QByteArray texts[] = {"[01]98898765432106", "[01]00012345678905", "[01]12345678901231",
                                "[01]95012345678903"};
    QByteArray input;
    for (const QByteArray& text : texts)
        input += text + '\n';
    for (const char* format : {"png", "svg"}) {
        SCOPED_TRACE(format);
        const QString folder = FDir.filePath(QString::fromLatin1(format));
        const TRun run =
            Export(input,
                   {QStringLiteral("-s"), QStringLiteral("zsRSS_EXP"), QStringLiteral("-f"),
                    QString::fromLatin1(format), QStringLiteral("--verify"), QStringLiteral("-j2")},
                   folder);
        EXPECT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
        EXPECT_TRUE(SummaryOf(run.Errors)
                        .startsWith(QStringLiteral(
                            "written 4, verified 4, unconfirmed 0, not verifiable 0, failed 0, ")))
            << run.Errors.toStdString();
        EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 4);
    }
}

TEST_F(BatchTool, VerifyCountsUnreadableEntriesAsNotVerifiedAndNamesTheSymbologyOnce)
{
    const TRun run = Export("123\n456\n789\n", {QStringLiteral("-s"), QStringLiteral("zsCODE11"),
                                                QStringLiteral("-j2"), QStringLiteral("--verify")});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Errors.count(QStringLiteral("Code 11: not verifiable")), 1)
        << run.Errors.toStdString();
    EXPECT_TRUE(SummaryOf(run.Errors)
                    .startsWith(QStringLiteral(
                        "written 3, verified 0, unconfirmed 0, not verifiable 3, failed 0, ")))
        << run.Errors.toStdString();
    EXPECT_EQ(Files().size(), 3);

    // EAN: eight digits are encoded as an EAN-13 and read back as one; two digits are an
    // add-on alone, which the decoder cannot read.
    const TRun ean = Export("12345670\n12\n", {QStringLiteral("-s"), QStringLiteral("zsEANX"),
                                               QStringLiteral("--verify")});
    EXPECT_EQ(ean.ExitCode, 0) << ean.Errors.toStdString();
    EXPECT_TRUE(ean.Errors.contains(QStringLiteral("line 2: EAN: not verifiable")))
        << ean.Errors.toStdString();
    EXPECT_TRUE(SummaryOf(ean.Errors)
                    .startsWith(QStringLiteral(
                        "written 2, verified 1, unconfirmed 0, not verifiable 1, failed 0, ")))
        << ean.Errors.toStdString();
}
