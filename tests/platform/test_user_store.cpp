#include "platform/user_store.h"
#include "support/temporary_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
// Each test gets a store of its own under a temporary configuration folder.
class UserStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FHome.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, FHome.path());
    }

    QTemporaryDir FHome;
};
} // namespace

TEST_F(UserStoreTest, ValuesSurviveANewStoreAndGroupsStaySeparate)
{
    {
        TUserStore settings;
        settings.WriteString(QStringLiteral("Language"), QStringLiteral("German.lang.txt"));
        settings.WriteInteger(QStringLiteral("ShowUpdate"), 0);
        TUserStore window(QStringLiteral("Window"));
        window.WriteString(QStringLiteral("Language"), QStringLiteral("other"));
    }
    const TUserStore settings;
    EXPECT_EQ(settings.ReadString(QStringLiteral("Language")), QStringLiteral("German.lang.txt"));
    EXPECT_EQ(settings.ReadInteger(QStringLiteral("ShowUpdate"), 1), 0);
    EXPECT_EQ(TUserStore(QStringLiteral("Window")).ReadString(QStringLiteral("Language")),
              QStringLiteral("other"));
}

TEST_F(UserStoreTest, MissingOrNonNumericIntegersReadAsTheDefault)
{
    TUserStore store;
    store.WriteString(QStringLiteral("A"), QStringLiteral("12x"));
    store.WriteString(QStringLiteral("B"), QStringLiteral(""));
    store.WriteString(QStringLiteral("C"), QStringLiteral(" 42 "));
    EXPECT_EQ(store.ReadInteger(QStringLiteral("A"), 7), 7);
    EXPECT_EQ(store.ReadInteger(QStringLiteral("B"), 7), 7);
    EXPECT_EQ(store.ReadInteger(QStringLiteral("C"), 7), 42);
    EXPECT_EQ(store.ReadInteger(QStringLiteral("Missing"), 7), 7);
    EXPECT_FALSE(store.Contains(QStringLiteral("Missing")));
    store.Remove(QStringLiteral("A"));
    EXPECT_FALSE(store.Contains(QStringLiteral("A")));
}

// The store's files are read by QSettings, blocking and whole: a FIFO or a link to an endless
// device there is set aside before it can hang the program, and the store works without it.
TEST_F(UserStoreTest, WhatIsNoRegularFileUnderTheStoresNamesIsSetAside)
{
    const QString store = FHome.filePath(QStringLiteral("Kelmora/Lintaro.conf"));
    const QString organisation = FHome.filePath(QStringLiteral("Kelmora.conf"));
    ASSERT_TRUE(QDir().mkpath(FHome.filePath(QStringLiteral("Kelmora"))));
    ASSERT_EQ(::mkfifo(QFile::encodeName(store).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), organisation));
    {
        TUserStore settings;
        EXPECT_EQ(settings.ReadString(QStringLiteral("Language"), QStringLiteral("none")),
                  QStringLiteral("none"));
        settings.WriteString(QStringLiteral("Language"), QStringLiteral("German.lang.txt"));
    }
    EXPECT_EQ(TUserStore().ReadString(QStringLiteral("Language")),
              QStringLiteral("German.lang.txt"));
    EXPECT_TRUE(QFileInfo(store).isFile());
    EXPECT_TRUE(QFileInfo::exists(store + QStringLiteral(".bad")));
    EXPECT_EQ(QFileInfo(organisation + QStringLiteral(".bad")).symLinkTarget(),
              QStringLiteral("/dev/zero"));
}

// QSettings writes through a link to its target; the link is set aside instead and the store
// starts as a file of its own.
TEST_F(UserStoreTest, AStoreThatIsALinkIsSetAsideAndItsTargetLeftAlone)
{
    const QString store = FHome.filePath(QStringLiteral("Kelmora/Lintaro.conf"));
    const QString target = FHome.filePath(QStringLiteral("elsewhere.conf"));
    ASSERT_TRUE(QDir().mkpath(FHome.filePath(QStringLiteral("Kelmora"))));
    const QByteArray original = "[Settings]\nShowUpdate=0\n";
    WriteWholeFile(target, original);
    ASSERT_TRUE(QFile::link(target, store));
    {
        TUserStore settings;
        EXPECT_EQ(settings.ReadInteger(QStringLiteral("ShowUpdate"), 1), 1);
        settings.WriteString(QStringLiteral("Language"), QStringLiteral("German.lang.txt"));
    }
    EXPECT_EQ(ReadWholeFile(target), original);
    EXPECT_FALSE(QFileInfo(store).isSymLink());
    EXPECT_EQ(TUserStore().ReadString(QStringLiteral("Language")),
              QStringLiteral("German.lang.txt"));
    EXPECT_EQ(QFileInfo(store + QStringLiteral(".bad")).symLinkTarget(), target);
}

// A store that is not UTF-8 is read as well as it goes and rewritten; its bytes stay in a copy.
TEST_F(UserStoreTest, BytesThatAreNotUtf8AreKeptInACopy)
{
    const QString store = FHome.filePath(QStringLiteral("Kelmora/Lintaro.conf"));
    ASSERT_TRUE(QDir().mkpath(FHome.filePath(QStringLiteral("Kelmora"))));
    const QByteArray original = "[Settings]\nShowUpdate=0\nLanguage=Fran\xe7\x61is\n";
    WriteWholeFile(store, original);
    {
        TUserStore settings;
        EXPECT_EQ(settings.ReadInteger(QStringLiteral("ShowUpdate"), 1), 0);
        settings.WriteString(QStringLiteral("HowMany"), QStringLiteral("1"));
    }
    EXPECT_EQ(ReadWholeFile(store + QStringLiteral(".bad")), original);
    EXPECT_EQ(TUserStore().ReadString(QStringLiteral("HowMany")), QStringLiteral("1"));
}
