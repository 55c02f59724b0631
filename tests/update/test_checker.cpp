#include "support/silent_resolver.h"
#include "update/checker.h"
#include "update/update_notifications.h"
#include "update_check_fixture.h"

#include <QDeadlineTimer>
#include <QTcpServer>

#include <chrono>

namespace {
class CheckerTest : public TUpdateCheckFixture
{};
} // namespace

TEST_F(CheckerTest, RunsTheCheckOnItsThreadAndKeepsTheStoreForTheSwitch)
{
    TLoopbackServer server(TCannedReply::Answer("<version>9.9</version>"));
    TUpdateResults results;
    TChecker checker(Setup(server.ServiceHost()), results);
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
        TChecker checker(Setup(server.ServiceHost()), results);
        checker.start();
        ASSERT_TRUE(server.WaitForRequests(1));
    }
    EXPECT_TRUE(results.CheckDone);
    EXPECT_FALSE(results.NewVersionAvailable);
    EXPECT_TRUE(
        results.CheckErrors.endsWith(QStringLiteral("HTTP Response:\rThe post was cancelled.")))
        << results.CheckErrors.toStdString();
}

// Closing the program while the check is still setting up TLS: the thread ends at once and
// leaves nothing of the TLS library behind (the leak checker of sanitised builds looks).
TEST_F(CheckerTest, DestroyingItDuringTheTlsHandshakeEndsItAtOnce)
{
    for (int run = 0; run < 8; ++run) {
        SCOPED_TRACE(run);
        NewHome(); // a day allows five contacts
        // Takes the connection and never says a word back.
        QTcpServer stalling;
        ASSERT_TRUE(stalling.listen(QHostAddress::LocalHost));
        TUpdateResults results;
        {
            TChecker checker(Setup(QStringLiteral("127.0.0.1:%1").arg(stalling.serverPort())),
                             results);
            checker.start();
            ASSERT_TRUE(stalling.waitForNewConnection(20000));
        }
        EXPECT_TRUE(results.CheckDone);
        EXPECT_TRUE(results.CheckErrors.endsWith(QStringLiteral("The post was cancelled.")))
            << results.CheckErrors.toStdString();
    }
}

TEST_F(CheckerTest, DestroyingItDuringASilentLookupEndsItWithinASecond)
{
    const TSilentResolverRun run = RunWithSilentResolver([this](std::string& report) {
        TUpdateResults results;
        auto checker =
            std::make_unique<TChecker>(Setup(QString::fromLatin1(SilentHostName)), results);
        checker->start();
        QThread::msleep(300);
        const auto start = std::chrono::steady_clock::now();
        checker.reset();
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
                              std::chrono::steady_clock::now() - start)
                              .count();
        report = results.CheckErrors.toStdString() + "; the checker ended " + std::to_string(took) +
                 " ms after the cancel";
        return results.CheckErrors.endsWith(QStringLiteral("The post was cancelled.")) &&
               took < 1000;
    });
    if (!run.Ran)
        GTEST_SKIP() << "no private namespaces here: " << run.Report;
    RecordProperty("silent_lookup_checker", run.Report);
    EXPECT_TRUE(run.Passed) << run.Report;
}
