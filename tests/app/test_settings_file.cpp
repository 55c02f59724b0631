#include "app/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

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

TEST_F(SettingsFileTest, MissingFileIsNotCreated)
{
    EXPECT_TRUE(CheckSettingsFile(Folder()));
    EXPECT_FALSE(QFile::exists(Path()));
}

TEST_F(SettingsFileTest, ValidUtf8IsLeftUntouched)
{
    const QByteArray cases[] = {
        "[Main]\nName=Grüße\n",
        "\xEF\xBB\xBF[Main]\r\nName=bom\r\n",
        "free text without sections\n[S]\nk=v=w\n",
        "",
    };
    for (const QByteArray& bytes : cases) {
        WriteFile(Path(), bytes);
        EXPECT_TRUE(CheckSettingsFile(Folder())) << bytes.constData();
        EXPECT_EQ(ReadFile(Path()), bytes);
        EXPECT_FALSE(QFile::exists(Path() + QStringLiteral(".bad")));
    }
}

// A file that fails to decode is kept, moved out of the way; a second bad file does not replace the
// first one set aside.
TEST_F(SettingsFileTest, InvalidUtf8IsSetAsideAndTheObjectStartsEmpty)
{
    const QByteArray bad[] = {QByteArray("[Main]\nName=\xFF\xFE\n"),
                              QByteArray("[Main]\nName=\xC3\n"), QByteArray("\xED\xA0\x80")};
    const QString asideNames[] = {Path() + QStringLiteral(".bad"),
                                  Path() + QStringLiteral(".bad.2"),
                                  Path() + QStringLiteral(".bad.3")};
    for (int i = 0; i < 3; ++i) {
        WriteFile(Path(), bad[i]);
        EXPECT_TRUE(CheckSettingsFile(Folder()));
        EXPECT_FALSE(QFile::exists(Path()));
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ReadFile(asideNames[i]), bad[i]);
}

// Nothing under the name may hang the start or fill the memory: a FIFO, a link to an endless
// device, a file over 1 MiB are all set aside as they are.
TEST_F(SettingsFileTest, WhatIsNoSmallRegularFileIsSetAsideWithoutBeingRead)
{
    const QString aside = Path() + QStringLiteral(".bad");
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path()).constData(), 0600), 0);
    ASSERT_TRUE(CheckSettingsFile(Folder()));
    EXPECT_FALSE(QFileInfo::exists(Path()));
    EXPECT_FALSE(QFileInfo(aside).isFile()); // still the FIFO
    EXPECT_TRUE(QFileInfo::exists(aside));
    ASSERT_TRUE(QFile::remove(aside));

    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), Path()));
    ASSERT_TRUE(CheckSettingsFile(Folder()));
    EXPECT_EQ(QFileInfo(aside).symLinkTarget(), QStringLiteral("/dev/zero"));
    ASSERT_TRUE(QFile::remove(aside));

    const QByteArray huge = "[Main]\nName=" + QByteArray(1 << 20, 'x') + '\n';
    WriteFile(Path(), huge);
    ASSERT_TRUE(CheckSettingsFile(Folder()));
    EXPECT_FALSE(QFile::exists(Path()));
    EXPECT_EQ(ReadFile(aside), huge);
}

TEST_F(SettingsFileTest, AFolderUnderTheNameIsLeftAndReported)
{
    // A folder named settings.ini is neither read as a file nor moved away.
    ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("settings.ini")));
    EXPECT_FALSE(CheckSettingsFile(Folder()));
    EXPECT_TRUE(QFileInfo(Path()).isDir());
}
