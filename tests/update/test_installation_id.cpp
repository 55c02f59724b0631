#include "update/installation_id.h"
#include "update_check_fixture.h"

#include <QUuid>

namespace {
class InstallationIdTest : public TUpdateCheckFixture
{
protected:
    static QString Sent(const TLoopbackServer& server)
    {
        return FormFields(server.Requests().back().Body)[5].second;
    }
};
} // namespace

TEST_F(InstallationIdTest, IsARandomUuidKeptInTheStoreUntilItIsReset)
{
    TLoopbackServer server(TCannedReply::Answer("<version>9.9</version>"));
    Check(server);
    const QString first = Sent(server);
    EXPECT_EQ(QUuid(first).version(), QUuid::Random);
    EXPECT_EQ(Stored(QStringLiteral("InstallationId")), first);

    Check(server);
    EXPECT_EQ(Sent(server), first);

    {
        TUserStore store;
        ResetInstallationId(store);
    }
    Check(server);
    EXPECT_NE(Sent(server), first);
    EXPECT_EQ(QUuid(Sent(server)).version(), QUuid::Random);

    // Another installation on the same machine gets another identifier.
    NewHome();
    Check(server);
    EXPECT_NE(Sent(server), first);
}

TEST_F(InstallationIdTest, AStoredValueThatIsNoUuidIsReplaced)
{
    for (const char* kept : {"", "not a uuid", "{6ba7b810-9dad-11d1-80b4-00c04fd430c8}",
                             "00000000-0000-0000-0000-000000000000"}) {
        SCOPED_TRACE(kept);
        NewHome();
        Store({{QStringLiteral("InstallationId"), QString::fromLatin1(kept)}});
        TUserStore store;
        const QString id = InstallationId(store);
        EXPECT_EQ(QUuid(id).version(), QUuid::Random);
        EXPECT_EQ(Stored(QStringLiteral("InstallationId")), id);
    }
}
