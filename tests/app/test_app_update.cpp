#include "dialogs/new_ver.h"
#include "gui_test_base.h"
#include "platform/user_store.h"
#include "support/loopback_server.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace {
class AppUpdateTest : public TGuiTestBase
{
protected:
    // Shows the window against the service and lets its timer run the check to the end.
    TAppForm& RunCheck(const TLoopbackServer& service)
    {
        qputenv("LINTARO_SERVICE_HOST", service.ServiceHost().toLatin1());
        ShowForm();
        auto* timer = Find<QTimer>("TimerChecker");
        EXPECT_TRUE(QTest::qWaitFor([&] { return !timer->isActive(); }, 60000));
        return *Form;
    }

    QAction* UpdateNotifications() const { return Find<QAction>("UpdateNotifications1"); }
};
} // namespace

TEST_F(AppUpdateTest, AnAnnouncedVersionOpensThePopupOnceTheCheckIsDone)
{
    TLoopbackServer service(
        TCannedReply::Answer("<version>9.9</version>\r\n<url>https://dl.example/9.9</url>"));
    CreateForm();
    EXPECT_FALSE(UpdateNotifications()->isEnabled());
    EXPECT_TRUE(UpdateNotifications()->isChecked());
    Form.reset();

    TAppForm& form = RunCheck(service);
    EXPECT_TRUE(UpdateNotifications()->isEnabled());
    EXPECT_TRUE(UpdateNotifications()->isChecked());
    const QList<TNewVer*> popups = form.findChildren<TNewVer*>();
    ASSERT_EQ(popups.size(), 1);
    EXPECT_EQ(popups[0]->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
              QStringLiteral("Click to download ") + form.Identity().AppProductName +
                  QStringLiteral(" 9.9"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return popups[0]->isVisible(); }));
    ASSERT_EQ(service.Requests().size(), 1u);
}

TEST_F(AppUpdateTest, TheMenuItemSwitchesAnnouncementsForTheNextStart)
{
    TLoopbackServer service(TCannedReply::Answer("<version>9.9</version>"));
    {
        TUserStore store;
        store.WriteString(QStringLiteral("ShowUpdate"), QStringLiteral("0"));
    }
    TAppForm& form = RunCheck(service);
    EXPECT_TRUE(service.Requests().empty());
    EXPECT_TRUE(UpdateNotifications()->isEnabled());
    EXPECT_FALSE(UpdateNotifications()->isChecked());
    EXPECT_TRUE(form.findChildren<TNewVer*>().isEmpty());

    UpdateNotifications()->trigger();
    EXPECT_TRUE(UpdateNotifications()->isChecked());
    EXPECT_EQ(TUserStore().ReadString(QStringLiteral("ShowUpdate")), QStringLiteral("1"));
    UpdateNotifications()->trigger();
    EXPECT_EQ(TUserStore().ReadString(QStringLiteral("ShowUpdate")), QStringLiteral("0"));
}

TEST_F(AppUpdateTest, ClosingTheWindowWhileTheServiceIsSilentNeitherHangsNorCrashes)
{
    TLoopbackServer service(TCannedReply::Silence());
    qputenv("LINTARO_SERVICE_HOST", service.ServiceHost().toLatin1());
    ShowForm();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !service.Requests().empty(); }, 60000));
    Form->close();
    Form.reset();
    EXPECT_EQ(service.Requests().size(), 1u);
}

TEST_F(AppUpdateTest, ResetIdentifierGivesTheInstallationANewOneOnceTheCheckIsDone)
{
    TLoopbackServer service(TCannedReply::Answer("<version>1.0</version>"));
    CreateForm();
    EXPECT_FALSE(Find<QAction>("ResetIdentifier1")->isEnabled());
    Form.reset();

    RunCheck(service);
    ASSERT_EQ(service.Requests().size(), 1u);
    const QString sent = service.Requests()[0].FormFields().value(5);
    const QString kept = TUserStore().ReadString(QStringLiteral("InstallationId"));
    EXPECT_EQ(sent, QStringLiteral("guid=") + kept);
    auto* reset = Find<QAction>("ResetIdentifier1");
    EXPECT_TRUE(reset->isEnabled());
    reset->trigger();
    const QString renewed = TUserStore().ReadString(QStringLiteral("InstallationId"));
    EXPECT_NE(renewed, kept);
    EXPECT_EQ(renewed.size(), kept.size());
}
