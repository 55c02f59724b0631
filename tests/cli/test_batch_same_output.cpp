// An entry's file depends only on its text and the settings: not on the entries before it, the
// number of workers or the shard that wrote it. The symbologies here are those whose encoder
// picks a size, a version or a column count of its own and writes it back into the record.
#include "batch_tool_fixture.h"

namespace {

// A short, a long and a middling text, so that each order hands the encoder a size chosen for
// a different text just before.
const QList<QByteArray> Texts = {"7", "8398695275ABCDEF8398695", "LINTARO12"};

QByteArray Joined(const QList<QByteArray>& texts)
{
    QByteArray input;
    for (const QByteArray& text : texts)
        input += text + '\n';
    return input;
}

class SameOutput : public BatchTool, public testing::WithParamInterface<const char*>
{
protected:
    // Runs the tool on `texts` into the folder `name` and returns that folder.
    QString Render(const QString& name, const QList<QByteArray>& texts, const QStringList& options)
    {
        const QString folder = FDir.filePath(name);
        const TRun run = Export(
            Joined(texts),
            QStringList{QStringLiteral("-s"), QString::fromLatin1(GetParam())} + options, folder);
        EXPECT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
        return folder;
    }

    static QByteArray FileOf(const QString& folder, int number)
    {
        return ReadWholeFile(QDir(folder).filePath(QStringLiteral("%1.png").arg(number)));
    }
};

TEST_P(SameOutput, EveryOrderWorkerCountAndShardWritesTheSameBytes)
{
    const int count = int(Texts.size());
    const QStringList one = {QStringLiteral("-j1")};
    const QStringList two = {QStringLiteral("-j2")};
    const QString serial = Render(QStringLiteral("serial"), Texts, one);
    const QString parallel = Render(QStringLiteral("parallel"), Texts, two);
    QList<QByteArray> reversedTexts(Texts.rbegin(), Texts.rend());
    const QString reversed = Render(QStringLiteral("reversed"), reversedTexts, one);
    // Two shards into one folder make one run.
    const QString shards = FDir.filePath(QStringLiteral("shards"));
    for (const char* shard : {"0/2", "1/2"})
        Render(QStringLiteral("shards"), Texts,
               one + QStringList{QStringLiteral("--shard"), QString::fromLatin1(shard)});

    for (int number = 1; number <= count; ++number) {
        const QList<QByteArray> alone = {Texts[number - 1]};
        const QByteArray expected =
            FileOf(Render(QStringLiteral("alone%1").arg(number), alone, one), 1);
        ASSERT_FALSE(expected.isEmpty()) << Texts[number - 1].toStdString();
        const std::string text = Texts[number - 1].toStdString();
        EXPECT_EQ(FileOf(serial, number), expected) << "-j1 " << text;
        EXPECT_EQ(FileOf(parallel, number), expected) << "-j2 " << text;
        EXPECT_EQ(FileOf(shards, number), expected) << "shards " << text;
        EXPECT_EQ(FileOf(reversed, count + 1 - number), expected) << "reversed " << text;
    }
}

INSTANTIATE_TEST_SUITE_P(SymbologiesThatChooseTheirSize, SameOutput,
                         testing::Values("zsMICROPDF417", "zsPDF417", "zsPDF417TRUNC",
                                         "zsDATAMATRIX", "zsQRCODE", "zsAZTEC", "zsCODEONE",
                                         "zsGRIDMATRIX", "zsDOTCODE", "zsHANXIN", "zsRMQR",
                                         "zsULTRA", "zsMICROQR", "zsCODABLOCKF", "zsCODE16K",
                                         "zsCODE49", "zsMAXICODE", "zsHIBC_DM", "zsHIBC_QR",
                                         "zsHIBC_PDF", "zsHIBC_MICPDF", "zsHIBC_AZTEC",
                                         "zsHIBC_BLOCKF"));
} // namespace
