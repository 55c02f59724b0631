#include "platform/user_store.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
