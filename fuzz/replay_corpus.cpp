#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Without libFuzzer the target runs once over every file of its seed corpus, so the corpus and
// the crashes kept in it are replayed by every test run.
TEST(FuzzCorpusReplay, EverySeedRunsCleanThroughTheTarget)
{
    const QDir corpus(QStringLiteral(LINTARO_FUZZ_CORPUS));
    const QFileInfoList seeds = corpus.entryInfoList(QDir::Files, QDir::Name);
    ASSERT_FALSE(seeds.isEmpty()) << "no seeds in " << corpus.path().toStdString();
    for (const QFileInfo& seed : seeds) {
        QFile file(seed.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << seed.filePath().toStdString();
        const QByteArray bytes = file.readAll();
        SCOPED_TRACE(seed.fileName().toStdString());
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                         std::size_t(bytes.size())),
                  0);
    }
}
