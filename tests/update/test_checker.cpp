#include "update/checker.h"
#include "update/update_notifications.h"
#include "update_check_fixture.h"

#include <QDeadlineTimer>

namespace {
class CheckerTest : public TUpdateCheckFixture
{};
} // namespace

TEST_F(CheckerTest, RunsTheCheckOnItsThreadAndKeepsTheStoreForTheSwitch)
{
    TLoopbackServer server(TCannedReply::Answer("<version>9.9</version>"));
    TUpdateResults results;
    TChecker checker(Setup(server.HostAndPort()), results);
    checker.start();
    ASSERT_TRUE(checker.wait(QDeadlineTimer(60000)));

    EXPECT_TRUE(results.CheckDone.load(std::memory_order_acquire));
    EXPECT_TRUE(results.NewVersionAvailable);
    EXPECT_EQ(results.LatestVersion, QStringLiteral("9.9"));
    EXPECT_EQ(results.ShowUpdate, 1);

    DisableUpdateNotifications(results);
    EXPECT_EQ(Stored(QStringLiteral("ShowUpdate")), QStringLiteral("0"));
    EnableUpdateNotifications(results);
    EXPECT_EQ(Stored(QStringLiteral("ShowUpdate")), QStringLiteral("1"));
}

TEST_F(CheckerTest, DestroyingItCutsARunningPostShort)
{
    TLoopbackServer server(TCannedReply::Silence());
    TUpdateResults results;
    {
        TChecker checker(Setup(server.HostAndPort()), results);
        checker.start();
        ASSERT_TRUE(server.WaitForRequests(1));
    }
    EXPECT_TRUE(results.CheckDone);
    EXPECT_FALSE(results.NewVersionAvailable);
    EXPECT_TRUE(
        results.CheckErrors.endsWith(QStringLiteral("HTTP Response:\rThe post was cancelled.")))
        << results.CheckErrors.toStdString();
}
