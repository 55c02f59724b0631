#include "platform/os_description.h"
#include "platform/user_locale_name.h"
#include "update/scramble_text.h"
#include "update_check_fixture.h"

#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QUuid>

namespace {
const QByteArray Announces99 = "<version>9.9</version>\r\n<url>https://dl.example/9.9</url>\r\n";

class CheckNowTest : public TUpdateCheckFixture
{};

} // namespace

TEST_F(CheckNowTest, PostsTheFieldsInOrderWithTheInstallationIdAndAStartCount)
{
    Store({{QStringLiteral("InstalledVersion"), QStringLiteral("1.1")},
           {QStringLiteral("HowMany"), QStringLiteral("41")}});
    TLoopbackServer server(TCannedReply::Answer(Announces99));
    Check(server);

    // The host names plain http: no https attempt before it.
    EXPECT_EQ(server.Connections(), 1);
    EXPECT_EQ(server.RefusedConnections(), 0);
    const std::vector<TRecordedRequest> requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].Method, "POST");
    EXPECT_EQ(requests[0].Path, "/php/check2.php");
    EXPECT_EQ(requests[0].Headers.value("content-type"), "application/x-www-form-urlencoded");
    const std::vector<std::pair<QString, QString>> expected = {
        {QStringLiteral("cmd"), QStringLiteral("check")},
        {QStringLiteral("appname"), QStringLiteral("Kelmora - Lintaro")},
        {QStringLiteral("version"), QStringLiteral("1.1")},
        {QStringLiteral("os"), CurrentOsDescription()},
        {QStringLiteral("local"), UserLocaleName()},
        {QStringLiteral("guid"), Stored(QStringLiteral("InstallationId"))},
        {QStringLiteral("howmany"), QStringLiteral("42")},
    };
    EXPECT_EQ(FormFields(requests[0].Body), expected);
    EXPECT_EQ(QUuid(expected[5].second).version(), QUuid::Random);
}

TEST_F(CheckNowTest, TheStartAndDayCountersDecideContactAndAnnouncement)
{
    struct TCase
    {
        const char* Name;
        QMap<QString, QString> Before;
        bool Contacted;
        QString LastCount;
        QString HowMany;
        bool Announced;
    };
    const QString today = Today;
    const TCase cases[] = {
        {"first start ever", {}, true, QStringLiteral("1"), QStringLiteral("1"), true},
        {"first start of a new version",
         {{QStringLiteral("InstalledVersion"), QStringLiteral("1.0")},
          {QStringLiteral("HowMany"), QStringLiteral("7")},
          {QStringLiteral("LastUpdateCheck"), today},
          {QStringLiteral("LastUpdateCheckCount"), QStringLiteral("1")}},
         true,
         QStringLiteral("2"),
         QStringLiteral("1"),
         true},
        {"announcements off",
         {{QStringLiteral("ShowUpdate"), QStringLiteral("0")},
          {QStringLiteral("InstalledVersion"), QStringLiteral("1.1")},
          {QStringLiteral("HowMany"), QStringLiteral("3")},
          {QStringLiteral("LastUpdateCheck"), today},
          {QStringLiteral("LastUpdateCheckCount"), QStringLiteral("2")}},
         false,
         QStringLiteral("2"),
         QStringLiteral("4"),
         false},
        {"a new day after five contacts",
         {{QStringLiteral("LastUpdateCheck"), QStringLiteral("2026-12-09")},
          {QStringLiteral("LastUpdateCheckCount"), QStringLiteral("5")}},
         true,
         QStringLiteral("1"),
         QStringLiteral("1"),
         true},
        {"garbled and negative counters count as none",
         {{QStringLiteral("InstalledVersion"), QStringLiteral("1.1")},
          {QStringLiteral("HowMany"), QStringLiteral("-4")},
          {QStringLiteral("ShowUpdate"), QStringLiteral("yes")},
          {QStringLiteral("LastUpdateCheck"), today},
          {QStringLiteral("LastUpdateCheckCount"), QStringLiteral("x")}},
         true,
         QStringLiteral("1"),
         QStringLiteral("1"),
         true},
        {"a count far below zero counts as none, and the cap still holds later",
         {{QStringLiteral("LastUpdateCheck"), today},
          {QStringLiteral("LastUpdateCheckCount"), QStringLiteral("-2147483648")}},
         true,
         QStringLiteral("1"),
         QStringLiteral("1"),
         true},
        {"a count above the cap is the cap",
         {{QStringLiteral("LastUpdateCheck"), today},
          {QStringLiteral("LastUpdateCheckCount"), QStringLiteral("2147483647")}},
         false,
         QStringLiteral("2147483647"),
         QStringLiteral("1"),
         false},
        {"a day in the locale's short format is another day",
         {{QStringLiteral("LastUpdateCheck"), QStringLiteral("10/12/26")},
          {QStringLiteral("LastUpdateCheckCount"), QStringLiteral("5")}},
         true,
         QStringLiteral("1"),
         QStringLiteral("1"),
         true},
        {"the largest start count stays",
         {{QStringLiteral("InstalledVersion"), QStringLiteral("1.1")},
          {QStringLiteral("HowMany"), QStringLiteral("2147483647")}},
         true,
         QStringLiteral("1"),
         QStringLiteral("2147483647"),
         true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        NewHome();
        Store(c.Before);
        TLoopbackServer server(TCannedReply::Answer(Announces99));
        const std::unique_ptr<TUpdateResults> results = Check(server);

        EXPECT_EQ(server.Requests().size(), c.Contacted ? 1u : 0u);
        EXPECT_EQ(results->NewVersionAvailable, c.Announced);
        EXPECT_EQ(Stored(QStringLiteral("LastUpdateCheckCount")), c.LastCount);
        EXPECT_EQ(Stored(QStringLiteral("HowMany")), c.HowMany);
        EXPECT_EQ(Stored(QStringLiteral("InstalledVersion")), QStringLiteral("1.1"));
        if (c.Contacted) {
            EXPECT_EQ(Stored(QStringLiteral("LastUpdateCheck")), today);
            EXPECT_EQ(FormFields(server.Requests()[0].Body).back().second, c.HowMany);
        }
    }
}

TEST_F(CheckNowTest, TheFirstFiveStartsOfADayContactAndOnlyTheFirstThreeAnnounce)
{
    TLoopbackServer server(TCannedReply::Answer(Announces99));
    const bool announced[] = {true, true, true, false, false, false};
    for (size_t start = 0; start < std::size(announced); ++start) {
        SCOPED_TRACE(start + 1);
        EXPECT_EQ(Check(server)->NewVersionAvailable, announced[start]);
        EXPECT_EQ(server.Requests().size(), std::min<size_t>(start + 1, 5));
        EXPECT_EQ(Stored(QStringLiteral("LastUpdateCheckCount")),
                  QString::number(std::min<size_t>(start + 1, 5)));
        EXPECT_EQ(Stored(QStringLiteral("HowMany")), QString::number(start + 1));
    }
}

TEST_F(CheckNowTest, TheAnswerIsStoredAndAnnouncedByItsVersion)
{
    struct TCase
    {
        const char* Name;
        QByteArray Body;
        bool Announced;
        QString Version; // in this run, and then stored
        QString Url;     // in this run, and then stored (scrambled)
    };
    const QString oldUrl = QStringLiteral("https://old.example/8.0");
    const TCase cases[] = {
        {"a lower version is no update",
         "<version>1.0</version>\r\n<url>https://dl.example/1.0</url>", false,
         QStringLiteral("1.0"), QStringLiteral("https://dl.example/1.0")},
        {"a version with a letter", "<version>1.2b</version>\n<url>https://dl.example/1.2b</url>\n",
         false, QStringLiteral("1.2b"), QStringLiteral("https://dl.example/1.2b")},
        {"the running version", "<version>1.1</version>\r<url>https://dl.example/1.1</url>", false,
         QStringLiteral("1.1"), QStringLiteral("https://dl.example/1.1")},
        {"one line keeps the stored address", "<version>9.9</version>", true, QStringLiteral("9.9"),
         oldUrl},
        {"lines that are not the element give empty values",
         "version 9.9\r\n<URL>https://dl.example/</URL>\r\nmore", false, QString(), QString()},
        {"a version too long for a number", "<version>1.2.3.4.5.6.7.8.9.0.1</version>", false,
         QStringLiteral("1.2.3.4.5.6.7.8.9.0.1"), oldUrl},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        NewHome();
        Store({{QStringLiteral("CurrentVersion"), QStringLiteral("8.0")},
               {QStringLiteral("CurrentURL"), ScrambleText(oldUrl)}});
        TLoopbackServer server(TCannedReply::Answer(c.Body));
        const std::unique_ptr<TUpdateResults> results = Check(server);

        EXPECT_EQ(results->CheckErrors, QString());
        EXPECT_FALSE(results->CheckFailed);
        EXPECT_EQ(results->NewVersionAvailable, c.Announced);
        EXPECT_EQ(results->LatestVersion, c.Version);
        EXPECT_EQ(results->DownloadURL, c.Url);
        EXPECT_EQ(Stored(QStringLiteral("CurrentVersion")), c.Version);
        EXPECT_EQ(UnscrambleText(Stored(QStringLiteral("CurrentURL"))), c.Url);
    }
}

TEST_F(CheckNowTest, AnErrorAnswerOrNoAnswerChangesNothing)
{
    const QString oldUrl = QStringLiteral("https://old.example/8.0");
    const struct
    {
        const char* Name;
        TCannedReply Reply;
        QString Log; // a pattern
    } cases[] = {
        {"an ERROR answer",
         TCannedReply::Answer("ERROR: unknown application\r\n<version>9.9</version>"),
         QStringLiteral("^INVALIDSERVERRESPONSE$")},
        {"the service fails", TCannedReply::Answer("<version>9.9</version>", 503),
         QStringLiteral("^HTTP Response:\rThe server answered with HTTP status 503\\.$")},
        {"an empty answer", TCannedReply::Answer({}), QStringLiteral("^$")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        NewHome();
        Store({{QStringLiteral("CurrentVersion"), QStringLiteral("8.0")},
               {QStringLiteral("CurrentURL"), ScrambleText(oldUrl)}});
        TLoopbackServer server(c.Reply);
        const std::unique_ptr<TUpdateResults> results = Check(server);

        EXPECT_TRUE(QRegularExpression(c.Log).match(results->CheckErrors).hasMatch())
            << results->CheckErrors.toStdString();
        EXPECT_EQ(results->CheckFailed, !results->CheckErrors.isEmpty());
        EXPECT_FALSE(results->NewVersionAvailable);
        EXPECT_EQ(results->LatestVersion, QString());
        EXPECT_EQ(results->DownloadURL, oldUrl);
        EXPECT_EQ(Stored(QStringLiteral("CurrentVersion")), QStringLiteral("8.0"));
        EXPECT_EQ(UnscrambleText(Stored(QStringLiteral("CurrentURL"))), oldUrl);
        EXPECT_EQ(Stored(QStringLiteral("LastUpdateCheckCount")), QStringLiteral("1"));
    }
}

TEST_F(CheckNowTest, AnHttpsAnswerIsUsedWithoutAPlainAttempt)
{
    TLoopbackServer server(TCannedReply::Answer(Announces99), TLoopbackServer::TSecurity::Tls);
    const TTrustedTestAuthority trust;
    const std::unique_ptr<TUpdateResults> results = Check(server);

    EXPECT_TRUE(results->NewVersionAvailable);
    EXPECT_EQ(results->DownloadURL, QStringLiteral("https://dl.example/9.9"));
    EXPECT_EQ(results->CheckErrors, QString());
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0].Headers.value("connection"), "close");
}

// Without the store, and so without its lock, the day's count cannot hold: no contact.
TEST_F(CheckNowTest, AStoreThatCannotBeWrittenMakesNoContact)
{
    TLoopbackServer tls(TCannedReply::Answer(Announces99), TLoopbackServer::TSecurity::Tls);
    const TTrustedTestAuthority trust;
    const QString blocker = HomeFolder() + QStringLiteral("/file");
    {
        QFile file(blocker);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // A store below a file cannot be created.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker);
    const std::unique_ptr<TUpdateResults> results = Check(tls);
    EXPECT_EQ(results->CheckErrors,
              QStringLiteral("Error: Registry open problem!\r\rError: Registry lock problem!"));
    EXPECT_FALSE(results->NewVersionAvailable);
    EXPECT_EQ(results->ShowUpdate, 1);
    EXPECT_EQ(tls.Connections(), 0);
}

// A service that cannot be trusted or fails after the request is asked once, over https only,
// and announces nothing.
TEST_F(CheckNowTest, AnUntrustedOrFailingServiceIsAskedOnceAndAnnouncesNothing)
{
    using TSecurity = TLoopbackServer::TSecurity;
    const struct
    {
        const char* Name;
        TSecurity Security;
        TCannedReply Reply;
        size_t Requests; // what reached the service over https
    } cases[] = {
        {"self-signed", TSecurity::TlsSelfSigned, TCannedReply::Answer(Announces99), 0},
        {"wrong name", TSecurity::TlsWrongName, TCannedReply::Answer(Announces99), 0},
        {"server error", TSecurity::Tls, TCannedReply::Answer(Announces99, 500), 1},
        {"reset after the request", TSecurity::Tls, TCannedReply::ResetAfterRequest(), 1},
    };
    const TTrustedTestAuthority trust;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        NewHome();
        TLoopbackServer server(c.Reply, c.Security);
        ASSERT_FALSE(server.ServiceHost().startsWith(QLatin1String("http")));
        const std::unique_ptr<TUpdateResults> results = Check(server);

        // A plain attempt would be a second connection to the same port.
        EXPECT_EQ(server.Connections(), 1);
        EXPECT_EQ(server.Requests().size(), c.Requests);
        EXPECT_FALSE(results->NewVersionAvailable);
        EXPECT_TRUE(results->CheckErrors.startsWith(QStringLiteral("HTTPS Response:\r")))
            << results->CheckErrors.toStdString();
        EXPECT_EQ(Stored(QStringLiteral("CurrentVersion")), QStringLiteral("(missing)"));
    }
}

TEST_F(CheckNowTest, OnlyAStrictlyNewerPlainVersionIsAnnounced)
{
    const struct
    {
        const char* Version;
        bool Announced;
    } cases[] = {
        {"0.9", false}, {"01.1", false},      {"1.1", false}, {"1.2", true},
        {"10.0", true}, {"1.1.1.1.1", false}, {".5", false},
    };
    const TTrustedTestAuthority trust;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Version);
        NewHome();
        TLoopbackServer server(
            TCannedReply::Answer("<version>" + QByteArray(c.Version) + "</version>"),
            TLoopbackServer::TSecurity::Tls);
        const std::unique_ptr<TUpdateResults> results = Check(server);
        EXPECT_EQ(results->CheckErrors, QString());
        EXPECT_EQ(results->LatestVersion, QLatin1String(c.Version));
        EXPECT_EQ(results->NewVersionAvailable, c.Announced);
    }
}
