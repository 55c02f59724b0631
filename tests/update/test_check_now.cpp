#include "platform/machine_guid.h"
#include "platform/os_description.h"
#include "platform/user_locale_name.h"
#include "update/scramble_text.h"
#include "update_check_fixture.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <QRegularExpression>

namespace {
const QByteArray Announces99 = "<version>9.9</version>\r\n<url>https://dl.example/9.9</url>\r\n";

class CheckNowTest : public TUpdateCheckFixture
{};

} // namespace

TEST_F(CheckNowTest, PostsTheFieldsInOrderWithTheKeyedMachineIdAndAStartCount)
{
    Store({{QStringLiteral("InstalledVersion"), QStringLiteral("1.1")},
           {QStringLiteral("HowMany"), QStringLiteral("41")}});
    TLoopbackServer server(TCannedReply::Answer(Announces99));
    Check(server);

    // The https attempt met a plain server and ended before a request; http asked.
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
        {QStringLiteral("guid"), ReadMachineGuid(MachineIdFile())},
        {QStringLiteral("howmany"), QStringLiteral("42")},
    };
    EXPECT_EQ(FormFields(requests[0].Body), expected);
    EXPECT_EQ(expected[5].second.size(), 36);
    EXPECT_FALSE(requests[0].Body.contains(MachineId));
    EXPECT_FALSE(requests[0].Body.contains(MachineId.left(8)));
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
         {{QStringLiteral("LastUpdateCheck"), QStringLiteral("09/12/26")},
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
        {"a lower version announces as well",
         "<version>1.0</version>\r\n<url>https://dl.example/1.0</url>", true, QStringLiteral("1.0"),
         QStringLiteral("https://dl.example/1.0")},
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
        {"both attempts fail", TCannedReply::Answer("<version>9.9</version>", 503),
         QStringLiteral("^HTTPS Response:\r[^\r]+\r\rHTTP Response:\rThe server answered with "
                        "HTTP status 503\\.$")},
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

// Failures before the post stay in the log when https answers, and then nothing is announced;
// a plain http answer clears them.
TEST_F(CheckNowTest, FailuresBeforeThePostAreLogged)
{
    TLoopbackServer tls(TCannedReply::Answer(Announces99), TLoopbackServer::TSecurity::Tls);
    const TTrustedTestAuthority trust;

    ASSERT_TRUE(QFile::remove(MachineIdFile()));
    ASSERT_TRUE(QDir().mkdir(MachineIdFile()));
    std::unique_ptr<TUpdateResults> results = Check(tls);
    EXPECT_EQ(results->CheckErrors, QStringLiteral("Error: GUID generate problem!"));
    EXPECT_FALSE(results->NewVersionAvailable);
    EXPECT_EQ(FormFields(tls.Requests().back().Body)[5],
              std::make_pair(QStringLiteral("guid"), QString()));

    NewHome();
    // A store below a file cannot be created.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, MachineIdFile());
    results = Check(tls);
    EXPECT_EQ(results->CheckErrors, QStringLiteral("Error: Registry open problem!"));
    EXPECT_FALSE(results->NewVersionAvailable);
    EXPECT_EQ(results->ShowUpdate, 1);

    TLoopbackServer plain(TCannedReply::Answer(Announces99));
    results = Check(plain);
    EXPECT_EQ(results->CheckErrors, QString());
    EXPECT_TRUE(results->NewVersionAvailable);
}

TEST_F(CheckNowTest, NoMachineIdSendsAnEmptyGuidWithoutAFailure)
{
    ASSERT_TRUE(QFile::remove(MachineIdFile()));
    TLoopbackServer tls(TCannedReply::Answer(Announces99), TLoopbackServer::TSecurity::Tls);
    const TTrustedTestAuthority trust;
    const std::unique_ptr<TUpdateResults> results = Check(tls);
    EXPECT_EQ(results->CheckErrors, QString());
    EXPECT_TRUE(results->NewVersionAvailable);
    EXPECT_EQ(FormFields(tls.Requests().back().Body)[5].second, QString());
}
