#include "platform/os_error.h"
#include "platform/version_carrier.h"
#include "platform/version_info.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <vector>

namespace {

using TVersionInfoTest = TVersionCarrierTest;

quint32 doubleWordAt(const void* value, int index)
{
    const auto* bytes = static_cast<const unsigned char*>(value) + 4 * index;
    return quint32(bytes[0]) | quint32(bytes[1]) << 8 | quint32(bytes[2]) << 16 |
           quint32(bytes[3]) << 24;
}

struct TQuery
{
    bool Found = false;
    const void* Value = nullptr;
    std::uint32_t Length = 0;
};

TQuery query(const QByteArray& block, const char* path, std::uint32_t blockSize)
{
    TQuery result;
    result.Found = VerQueryValue(block.constData(), blockSize, QLatin1String(path), &result.Value,
                                 &result.Length);
    return result;
}

TQuery query(const QByteArray& block, const char* path)
{
    return query(block, path, static_cast<std::uint32_t>(block.size()));
}

TEST(VerQueryValue, RootAnswersTheFixedFileInformation)
{
    const QByteArray record = BuildVersionRecord(SampleContent());
    const TQuery root = query(record, "\\");

    ASSERT_TRUE(root.Found);
    ASSERT_EQ(root.Length, 52u);
    EXPECT_EQ(doubleWordAt(root.Value, 0), 0xFEEF04BDu);
    EXPECT_EQ(doubleWordAt(root.Value, 2), 0x00010002u); // file version 1.2
    EXPECT_EQ(doubleWordAt(root.Value, 3), 0x00030004u); // .3.4
}

TEST(VerQueryValue, TranslationIsOneLanguageAndCodePagePairPerEntry)
{
    TVersionRecordContent content = SampleContent();
    content.Translations = {{0x0409, 0x04e4}, {0x0407, 0x04b0}};

    const QByteArray record = BuildVersionRecord(content);
    const TQuery translation = query(record, "\\VarFileInfo\\Translation\\");

    ASSERT_TRUE(translation.Found);
    ASSERT_EQ(translation.Length, 8u);
    EXPECT_EQ(doubleWordAt(translation.Value, 0), 0x04e40409u);
    EXPECT_EQ(doubleWordAt(translation.Value, 1), 0x04b00407u);
}

TEST(VerQueryValue, TextValueLengthCountsUnitsWithTheTerminatingZero)
{
    const QByteArray record = BuildVersionRecord(SampleContent());
    const TQuery company = query(record, "\\stringfileinfo\\040904E4\\COMPANYNAME");

    ASSERT_TRUE(company.Found) << "keys compare case-blind";
    const QString expected = QStringLiteral("CompanyName text");
    ASSERT_EQ(company.Length, static_cast<std::uint32_t>(expected.size() + 1));
    const auto* units = static_cast<const unsigned char*>(company.Value);
    QString text;
    for (std::uint32_t i = 0; i + 1 < company.Length; ++i)
        text.append(QChar(units[2 * i] | units[2 * i + 1] << 8));
    EXPECT_EQ(text, expected);
}

TEST(VerQueryValue, MissingNodeSetsTheNameNotFoundError)
{
    const QByteArray record = BuildVersionRecord(SampleContent());
    for (const char* path : {"\\StringFileInfo\\040904e4\\LegalTrademarks",
                             "\\StringFileInfo\\040704b0\\CompanyName", "\\Nothing"}) {
        SetLastOSError(0);
        EXPECT_FALSE(query(record, path).Found) << path;
        EXPECT_EQ(GetLastOSError().Code, ENODATA) << path;
        EXPECT_EQ(GetLastOSError().Message,
                  QStringLiteral("The specified resource name cannot be found in the image file."));
    }
}

// Each cut keeps a consistent root length, so the walk goes on into the cut nodes; the exact
// heap buffer lets the address sanitizer see any read past the cut.
TEST(VerQueryValue, RecordCutShortAnswersOnlyValuesInsideIt)
{
    const QByteArray record = BuildVersionRecord(SampleContent());
    const char* const paths[] = {"\\", "\\VarFileInfo\\Translation",
                                 "\\StringFileInfo\\040904e4\\CompanyName",
                                 "\\StringFileInfo\\040904e4\\SpecialBuild"};
    for (qsizetype size = 0; size <= record.size(); ++size) {
        std::vector<unsigned char> block(record.begin(), record.begin() + size);
        if (size >= 2) {
            block[0] = static_cast<unsigned char>(size & 0xFF);
            block[1] = static_cast<unsigned char>(size >> 8);
        }
        for (const char* path : paths) {
            const void* value = nullptr;
            std::uint32_t length = 0;
            if (!VerQueryValue(block.data(), static_cast<std::uint32_t>(size), QLatin1String(path),
                               &value, &length))
                continue;
            const bool text = QByteArray(path).contains("StringFileInfo");
            const auto* start = static_cast<const unsigned char*>(value);
            EXPECT_GE(start, block.data());
            EXPECT_LE(start + (text ? 2 * length : length), block.data() + size)
                << path << " in " << size;
        }
    }
}

TEST_F(TVersionInfoTest, SizeAndReadGiveTheRecordAsBuilt)
{
    const QByteArray record = BuildVersionRecord(SampleContent());
    const QString path = WriteFile(QStringLiteral("carrier"), CarrierImage(record));

    const std::uint32_t size = GetFileVersionInfoSize(path);
    ASSERT_EQ(size, static_cast<std::uint32_t>(record.size()));
    QByteArray read(static_cast<qsizetype>(size), '\0');
    ASSERT_TRUE(GetFileVersionInfo(path, size, read.data()));
    EXPECT_EQ(read, record);
}

} // namespace
