#include "net/post_form.h"
#include "support/loopback_server.h"
#include "support/silent_resolver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {
const QString Path = QStringLiteral("/php/check2.php");

QString PostTo(const TLoopbackServer& server, const QString& scheme,
               const TPostTimeouts& timeouts = {})
{
    return PostForm(server.Address(scheme, Path), {QStringLiteral("cmd=check")}, timeouts);
}

std::string FailureOf(const std::function<void()>& post)
{
    try {
        post();
    } catch (const EPostFormError& error) {
        return error.what();
    }
    return "no failure";
}

using TClock = std::chrono::steady_clock;

qint64 MsSince(TClock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(TClock::now() - start).count();
}

QString SilentAddress()
{
    return QStringLiteral("https://") + QLatin1String(SilentHostName) + Path;
}

} // namespace

TEST(PostFormTest, SendsTheFieldsInOrderAsAUtf8FormAndReturnsTheBody)
{
    const QByteArray answer = "<version>9.9</version>\r\n<url>https://x.example/ü</url>";
    TLoopbackServer server(TCannedReply::Answer(answer));
    const QString body =
        PostForm(server.Address(QStringLiteral("http"), Path),
                 {QStringLiteral("cmd=check"), QStringLiteral("appname=Kelmora - Lintaro"),
                  QStringLiteral("os=Grüße & a=b+c/d"), QStringLiteral("empty="),
                  QStringLiteral("local=de-DE")});

    EXPECT_EQ(body, QString::fromUtf8(answer));
    const std::vector<TRecordedRequest> requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    const TRecordedRequest& request = requests[0];
    EXPECT_EQ(request.Method, "POST");
    EXPECT_EQ(request.Path, Path.toLatin1());
    EXPECT_EQ(request.Headers.value("content-type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(request.Headers.value("user-agent"), "Lintaro/" LINTARO_VERSION_TEXT);
    EXPECT_FALSE(request.Headers.contains("connection") &&
                 request.Headers.value("connection") == "close");
    EXPECT_EQ(request.Body, "cmd=check&appname=Kelmora%20-%20Lintaro"
                            "&os=Gr%C3%BC%C3%9Fe%20%26%20a%3Db%2Bc%2Fd&empty=&local=de-DE");
}

TEST(PostFormTest, AnAnswerOfExactly64KiBArrivesWhole)
{
    const QByteArray answer(64 * 1024, 'a');
    TLoopbackServer server(TCannedReply::Answer(answer));
    EXPECT_EQ(PostTo(server, QStringLiteral("http")).size(), answer.size());
}

TEST(PostFormTest, FailuresAreRaisedWithTheirReason)
{
    struct TCase
    {
        const char* Name;
        TCannedReply Reply;
        TPostTimeouts Timeouts;
        const char* Reason;
    };
    const TCase cases[] = {
        {"server error",
         TCannedReply::Answer("oops", 500),
         {},
         "The server answered with HTTP status 500."},
        {"not found",
         TCannedReply::Answer({}, 404),
         {},
         "The server answered with HTTP status 404."},
        {"one megabyte",
         TCannedReply::Answer(QByteArray(1024 * 1024, 'x')),
         {},
         "The answer is larger than 64 KiB."},
        {"silent server", TCannedReply::Silence(), {500, 300}, "timed out"},
    };
    for (const TCase& c : cases) {
        TLoopbackServer server(c.Reply);
        EXPECT_NE(
            FailureOf([&] { PostTo(server, QStringLiteral("http"), c.Timeouts); }).find(c.Reason),
            std::string::npos)
            << c.Name;
    }
}

TEST(PostFormTest, ARedirectIsAFailureAndIsNotFollowed)
{
    TLoopbackServer target(TCannedReply::Answer("<version>6.6</version>"));
    TLoopbackServer server(TCannedReply::Redirect(target.Address(QStringLiteral("http"), Path)));
    EXPECT_EQ(FailureOf([&] { PostTo(server, QStringLiteral("http")); }),
              "The server answered with HTTP status 302.");
    EXPECT_TRUE(target.Requests().empty());
}

TEST(PostFormTest, NoServerAndForeignSchemesFailWithCurlsMessage)
{
    const QString closed =
        QStringLiteral("http://127.0.0.1:%1/").arg(TLoopbackServer::ClosedPort());
    for (const QString& address :
         {closed, QStringLiteral("file:///etc/hostname"), QStringLiteral("ftp://127.0.0.1/")}) {
        const std::string reason = FailureOf([&] { PostForm(address, {}); });
        EXPECT_NE(reason, "no failure") << address.toStdString();
        EXPECT_FALSE(reason.empty()) << address.toStdString();
    }
}

TEST(PostFormTest, HttpsAskedOfAPlainServerFails)
{
    TLoopbackServer server(TCannedReply::Answer("<version>9.9</version>"));
    EXPECT_NE(FailureOf([&] { PostTo(server, QStringLiteral("https")); }), "no failure");
}

TEST(PostFormTest, HttpsWorksWithATrustedAuthorityAndClosesTheConnection)
{
    TLoopbackServer server(TCannedReply::Answer("<version>9.9</version>"),
                           TLoopbackServer::TSecurity::Tls);
    const TTrustedTestAuthority trust;
    EXPECT_EQ(PostTo(server, QStringLiteral("HTTPS")), QStringLiteral("<version>9.9</version>"));
    const std::vector<TRecordedRequest> requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].Headers.value("connection"), "close");
    EXPECT_EQ(requests[0].Body, "cmd=check");
}

TEST(PostFormTest, HttpsRefusesAServerItCannotVerify)
{
    TLoopbackServer server(TCannedReply::Answer("<version>9.9</version>"),
                           TLoopbackServer::TSecurity::Tls);
    EXPECT_NE(FailureOf([&] { PostTo(server, QStringLiteral("https")); }), "no failure");
    EXPECT_TRUE(server.Requests().empty());
}

TEST(PostFormTest, CancellingStopsAWaitingPost)
{
    TLoopbackServer server(TCannedReply::Silence());
    std::atomic<bool> cancelled{false};
    std::thread canceller([&] {
        server.WaitForRequests(1);
        cancelled = true;
    });
    const std::string reason = FailureOf(
        [&] { PostForm(server.Address(QStringLiteral("http"), Path), {}, {}, &cancelled); });
    canceller.join();
    EXPECT_EQ(reason, "The post was cancelled.");
}

// A failed post is never sent again: a second request would deliver the text twice.
TEST(PostFormTest, APostIsOneAttemptWhateverGoesWrong)
{
    const struct
    {
        const char* Name;
        TCannedReply Reply;
    } cases[] = {
        {"server error", TCannedReply::Answer("OK", 500)},
        {"reset after the request", TCannedReply::ResetAfterRequest()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TLoopbackServer server(c.Reply);
        EXPECT_NE(FailureOf([&] { PostTo(server, QStringLiteral("http")); }), "no failure");
        EXPECT_EQ(server.Requests().size(), 1u);
        EXPECT_EQ(server.Connections(), 1);
    }
}

// The system resolver blocks curl's own timers and cancel checks; neither may wait for it.
TEST(PostFormTest, ACancelDuringASilentLookupEndsThePostWithinASecond)
{
    const TSilentResolverRun run = RunWithSilentResolver([](std::string& report) {
        std::atomic<bool> cancelled{false};
        TClock::time_point cancelledAt;
        std::thread canceller([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            cancelledAt = TClock::now();
            cancelled = true;
        });
        const std::string reason = FailureOf([&] {
            PostForm(SilentAddress(), {}, {10000, 10000}, &cancelled);
        });
        const qint64 afterCancel = MsSince(cancelledAt);
        canceller.join();
        report = reason + "; ended " + std::to_string(afterCancel) + " ms after the cancel";
        return reason == "The post was cancelled." && afterCancel < 1000;
    });
    if (!run.Ran)
        GTEST_SKIP() << "no private namespaces here: " << run.Report;
    RecordProperty("silent_lookup_cancel", run.Report);
    EXPECT_TRUE(run.Passed) << run.Report;
}

TEST(PostFormTest, TheDeadlineHoldsDuringASilentLookup)
{
    const TSilentResolverRun run = RunWithSilentResolver([](std::string& report) {
        const TPostTimeouts timeouts{300, 200};
        const TClock::time_point start = TClock::now();
        const std::string reason = FailureOf([&] { PostForm(SilentAddress(), {}, timeouts); });
        const qint64 took = MsSince(start);
        report = reason + "; took " + std::to_string(took) + " ms";
        // The same second of grace as a cancel.
        return reason.find("timed out") != std::string::npos &&
               took < timeouts.ConnectMs + timeouts.ResponseMs + 1000;
    });
    if (!run.Ran)
        GTEST_SKIP() << "no private namespaces here: " << run.Report;
    RecordProperty("silent_lookup_deadline", run.Report);
    EXPECT_TRUE(run.Passed) << run.Report;
}
