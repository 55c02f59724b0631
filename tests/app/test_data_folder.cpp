#include "gui_test_base.h"

#include "app/data_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {
QString PerUserFolder(const QString& dataHome)
{
    return dataHome + QStringLiteral("/Kelmora/Lintaro/");
}
} // namespace

class DataFolderTest : public testing::Test
{
protected:
    QTemporaryDir ProgramDir;
    QTemporaryDir DataHome;
};

TEST_F(DataFolderTest, WritableProgramFolderIsTakenAndNoProbeFileRemains)
{
    const QString folder = ChooseDataFolder(ProgramDir.path(), DataHome.path(),
                                            QStringLiteral("Kelmora"), QStringLiteral("Lintaro"));
    EXPECT_EQ(folder, ProgramDir.path() + QLatin1Char('/'));
    EXPECT_FALSE(QFile::exists(ProgramDir.filePath(QStringLiteral("chk.tmp"))));
    EXPECT_FALSE(QFileInfo::exists(DataHome.filePath(QStringLiteral("Kelmora"))));
}

TEST_F(DataFolderTest, UnusableProgramFolderFallsBackToThePerUserFolder)
{
    QFile probe(ProgramDir.filePath(QStringLiteral("chk.tmp")));
    ASSERT_TRUE(probe.open(QIODevice::WriteOnly));
    probe.close();
    const QString unusable[] = {
        ProgramDir.path(),                                    // holds a "chk.tmp" already
        ProgramDir.filePath(QStringLiteral("missing/child")), // does not exist
        QStringLiteral("/proc/self"),                         // refuses new files even to root
    };
    for (const QString& programFolder : unusable) {
        const QString folder = ChooseDataFolder(
            programFolder, DataHome.path(), QStringLiteral("Kelmora"), QStringLiteral("Lintaro"));
        EXPECT_EQ(folder, PerUserFolder(DataHome.path())) << programFolder.toStdString();
        EXPECT_TRUE(QFileInfo(folder).isDir());
    }
    EXPECT_TRUE(probe.exists()) << "an existing chk.tmp is not the probe's to remove";
}

TEST_F(DataFolderTest, ReadOnlyProgramFolderFallsBackToThePerUserFolder)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root creates files in read-only folders; covered by /proc above";
    ASSERT_TRUE(
        QFile::setPermissions(ProgramDir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const QString folder = ChooseDataFolder(ProgramDir.path(), DataHome.path(),
                                            QStringLiteral("Kelmora"), QStringLiteral("Lintaro"));
    QFile::setPermissions(ProgramDir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(folder, PerUserFolder(DataHome.path()));
}

using AppFormDataFolderTest = TGuiTestBase;

TEST_F(AppFormDataFolderTest, WindowKeepsItsSettingsInTheChosenFolder)
{
    QFile probe(QDir(ProgramFolder()).filePath(QStringLiteral("chk.tmp")));
    ASSERT_TRUE(probe.open(QIODevice::WriteOnly));
    probe.close();
    CreateForm();
    EXPECT_EQ(Form->DataFolder(), PerUserFolder(DataHome()));
}
