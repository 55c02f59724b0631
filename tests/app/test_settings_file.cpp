#include "app/settings_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class SettingsFileTest : public testing::Test
{
protected:
    QString Folder() const { return Dir.path() + QLatin1Char('/'); }
    QString Path() const { return Dir.filePath(QStringLiteral("settings.ini")); }
    QTemporaryDir Dir;
};

TEST_F(SettingsFileTest, MissingFileGivesAnEmptyObjectAndIsNotCreated)
{
    const std::optional<TSettingsFile> settings = OpenSettingsFile(Folder());
    ASSERT_TRUE(settings.has_value());
    EXPECT_TRUE(settings->Value(QStringLiteral("Main"), QStringLiteral("Key")).isEmpty());
    EXPECT_FALSE(QFile::exists(Path()));
}

TEST_F(SettingsFileTest, ValidUtf8IsReadAndLeftUntouched)
{
    const struct
    {
        QByteArray Bytes;
        const char* Section;
        const char* Key;
        QString Value;
    } cases[] = {
        {"[Main]\nName=Grüße\n", "Main", "Name", QStringLiteral("Grüße")},
        {"\xEF\xBB\xBF[Main]\r\nName=bom\r\n", "Main", "Name", QStringLiteral("bom")},
        {"free text without sections\n[S]\nk=v=w\n", "S", "k", QStringLiteral("v=w")},
    };
    for (const auto& entry : cases) {
        WriteFile(Path(), entry.Bytes);
        const std::optional<TSettingsFile> settings = OpenSettingsFile(Folder());
        ASSERT_TRUE(settings.has_value());
        EXPECT_EQ(settings->Value(QLatin1String(entry.Section), QLatin1String(entry.Key)),
                  entry.Value);
        EXPECT_EQ(ReadFile(Path()), entry.Bytes);
    }
}

TEST_F(SettingsFileTest, InvalidUtf8IsDeletedAndTheObjectStartsEmpty)
{
    for (const QByteArray& bytes :
         {QByteArray("[Main]\nName=\xFF\xFE\n"), QByteArray("[Main]\nName=\xC3\n"),
          QByteArray("\xED\xA0\x80")}) {
        WriteFile(Path(), bytes);
        const std::optional<TSettingsFile> settings = OpenSettingsFile(Folder());
        ASSERT_TRUE(settings.has_value());
        EXPECT_TRUE(settings->Value(QStringLiteral("Main"), QStringLiteral("Name")).isEmpty());
        EXPECT_FALSE(QFile::exists(Path()));
    }
}

TEST_F(SettingsFileTest, UnreadableUndeletableFileLeavesNoObjectButDoesNotFail)
{
    // A folder named settings.ini can be neither read as a file nor removed as one.
    ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("settings.ini")));
    EXPECT_FALSE(OpenSettingsFile(Folder()).has_value());
}
