#include "base/zint_exception.h"
#include "platform/exe_version.h"
#include "platform/version_carrier.h"
#include "platform/version_record_section.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using TExeVersionTest = TVersionCarrierTest;

const std::vector<std::pair<const char*, QString TEXEVersionData::*>> kFieldsInOrder = {
    {"CompanyName", &TEXEVersionData::CompanyName},
    {"FileDescription", &TEXEVersionData::FileDescription},
    {"FileVersion", &TEXEVersionData::FileVersion},
    {"InternalName", &TEXEVersionData::InternalName},
    {"LegalCopyright", &TEXEVersionData::LegalCopyright},
    {"LegalTrademarks", &TEXEVersionData::LegalTrademarks},
    {"OriginalFileName", &TEXEVersionData::OriginalFileName},
    {"ProductName", &TEXEVersionData::ProductName},
    {"ProductVersion", &TEXEVersionData::ProductVersion},
    {"Comments", &TEXEVersionData::Comments},
    {"PrivateBuild", &TEXEVersionData::PrivateBuild},
    {"SpecialBuild", &TEXEVersionData::SpecialBuild},
};

std::string messageOf(const QString& path)
{
    try {
        GetEXEVersionData(path);
    } catch (const EZintException& e) {
        return e.what();
    }
    return "(no exception)";
}

TEST_F(TExeVersionTest, FillsEveryStringTheRecordHoldsAndLeavesTheMissingOneEmpty)
{
    const TEXEVersionData data = GetEXEVersionData(WriteCarrier(SampleContent()));

    for (const auto& [name, field] : kFieldsInOrder) {
        const QString expected = QLatin1String(name) == QLatin1String("LegalTrademarks")
                                     ? QString()
                                     : QLatin1String(name) + QStringLiteral(" text");
        EXPECT_EQ(data.*field, expected) << name;
    }
}

TEST_F(TExeVersionTest, ReadsTheStringTableOfTheFirstTranslationOnly)
{
    const TVersionStringTable english{QStringLiteral("040904e4"),
                                      {{QStringLiteral("CompanyName"), QStringLiteral("en-US")}}};
    const TVersionStringTable german{QStringLiteral("040704b0"),
                                     {{QStringLiteral("CompanyName"), QStringLiteral("de-DE")},
                                      {QStringLiteral("Comments"), QStringLiteral("nur de")}}};
    struct TCase
    {
        QVector<TVersionTranslation> Translations;
        QString CompanyName;
        QString Comments;
    };
    const TCase cases[] = {
        {{{0x0409, 0x04e4}}, QStringLiteral("en-US"), QString()},
        {{{0x0409, 0x04e4}, {0x0407, 0x04b0}}, QStringLiteral("en-US"), QString()},
        {{{0x0407, 0x04b0}, {0x0409, 0x04e4}}, QStringLiteral("de-DE"), QStringLiteral("nur de")},
        // No table for the first translation: nothing is found, the second is not tried.
        {{{0x0c0a, 0x04b0}, {0x0409, 0x04e4}}, QString(), QString()},
    };
    for (const TCase& testCase : cases) {
        TVersionRecordContent content;
        content.StringTables = {english, german};
        content.Translations = testCase.Translations;

        const TEXEVersionData data = GetEXEVersionData(WriteCarrier(content));

        EXPECT_EQ(data.CompanyName, testCase.CompanyName);
        EXPECT_EQ(data.Comments, testCase.Comments);
    }
}

TEST_F(TExeVersionTest, ReadsEveryElfClassAndByteOrder)
{
    const QByteArray record = BuildVersionRecord(SampleContent());
    for (const TElfImageClass elfClass : {TElfImageClass::eic32, TElfImageClass::eic64}) {
        for (const bool bigEndian : {false, true}) {
            const QString path =
                WriteFile(QStringLiteral("carrier"), CarrierImage(record, elfClass, bigEndian));
            EXPECT_EQ(GetEXEVersionData(path).ProductName, QStringLiteral("ProductName text"))
                << "64-bit " << (elfClass == TElfImageClass::eic64) << " big-endian " << bigEndian;
        }
    }
}

TEST_F(TExeVersionTest, RaisesTheOSErrorWhenThereIsNoReadableRecord)
{
    TVersionRecordContent untranslated = SampleContent();
    untranslated.Translations.clear();
    QByteArray wrongRoot = BuildVersionRecord(SampleContent());
    wrongRoot[6] = 'X'; // first letter of the root key "VS_VERSION_INFO"

    const QTemporaryDir emptyFolder;
    const std::pair<QString, std::string> cases[] = {
        {emptyFolder.filePath(QStringLiteral("absent")), "No such file or directory"},
        {QString(), "No such file or directory"},
        {QDir::tempPath(), "Is a directory"},
        {WriteFile(QStringLiteral("text"), "not a program\n"), "Exec format error"},
        {WriteFile(QStringLiteral("bare"), MakeElfImage({{".text", "code"}})),
         "The specified resource type cannot be found in the image file."},
        {WriteFile(QStringLiteral("empty"), CarrierImage({})),
         "The version record of the file is damaged."},
        {WriteFile(QStringLiteral("wrongroot"), CarrierImage(wrongRoot)),
         "The version record of the file is damaged."},
        {WriteFile(QStringLiteral("untranslated"), CarrierImage(BuildVersionRecord(untranslated))),
         "No data available"},
    };
    for (const auto& [path, message] : cases)
        EXPECT_EQ(messageOf(path), message) << path.toStdString();
}

TEST_F(TExeVersionTest, DamagedFilesRaiseOrReadButNeverOverrun)
{
    const QByteArray image = CarrierImage(BuildVersionRecord(SampleContent()));
    int written = 0;
    auto readDamaged = [&](const QByteArray& damaged, const std::string& what) {
        // A fresh name each time: rewriting one file makes ext4 flush it to disk on close.
        const QString path = WriteFile(QString::number(++written), damaged);
        try {
            const TEXEVersionData data = GetEXEVersionData(path);
            for (const auto& [name, field] : kFieldsInOrder)
                EXPECT_LT((data.*field).size(), image.size()) << what << ' ' << name;
        } catch (const EZintException&) {
        } catch (...) {
            ADD_FAILURE() << what << ": unexpected exception type";
        }
    };
    for (qsizetype length = 0; length < image.size(); ++length)
        readDamaged(image.left(length), "truncated to " + std::to_string(length));
    for (qsizetype offset = 0; offset < image.size(); ++offset) {
        for (const char byte : {'\x00', '\xff'}) {
            QByteArray damaged = image;
            damaged[offset] = byte;
            readDamaged(damaged, "byte " + std::to_string(offset) + " = " +
                                     std::to_string(static_cast<unsigned char>(byte)));
        }
    }
}

} // namespace
