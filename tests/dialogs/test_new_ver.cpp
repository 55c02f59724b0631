#include "dialogs/new_ver.h"
#include "recording_user_notices.h"
#include "update/download_address.h"
#include "without_desktop_opener.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

// Stands in for the browser: the addresses the popup asked the desktop to open.
class TOpenedAddresses final : public QObject
{
    Q_OBJECT

public:
    TOpenedAddresses()
    {
        for (const char* scheme : {"http", "https", "file", "javascript"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "Open");
    }
    ~TOpenedAddresses() override
    {
        for (const char* scheme : {"http", "https", "file", "javascript"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }

    QList<QUrl> Opened;

public slots:
    void Open(const QUrl& address) { Opened.append(address); }
};

namespace {
const QString Download = QStringLiteral("https://dl.example/lintaro-9.9.tar.gz");

class NewVerTest : public testing::Test
{
protected:
    // The popup as the main window creates it, once its opening animation is over.
    TNewVer& ShowPopup(const QString& downloadUrl = Download)
    {
        Popup = std::make_unique<TNewVer>(QStringLiteral("Lintaro"), QStringLiteral("9.9"),
                                          downloadUrl, Notices);
        Shown = Popup->geometry();
        EXPECT_TRUE(QTest::qWaitFor([&] { return Popup->isVisible() && Settled(); }));
        return *Popup;
    }

    bool Settled() const
    {
        return Popup->findChild<QPropertyAnimation*>()->state() == QAbstractAnimation::Stopped;
    }

    template <typename TWidget> TWidget* Child(const char* name) const
    {
        auto* child = Popup->findChild<TWidget*>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    // A drag of (20, 15) that starts on `source`.
    void Drag(QWidget* source, Qt::MouseButton button)
    {
        const QPoint from(10, 10);
        const QPoint to = from + QPoint(20, 15);
        Send(source, QEvent::MouseButtonPress, from, button, button);
        Send(source, QEvent::MouseMove, to, Qt::NoButton, button);
        Send(source, QEvent::MouseButtonRelease, to, button, Qt::NoButton);
    }

    // Positions are taken on the screen as the press found it: the window moves meanwhile.
    void Send(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButton button,
              Qt::MouseButtons buttons)
    {
        if (type == QEvent::MouseButtonPress)
            FPressOrigin = target->mapToGlobal(QPoint(0, 0));
        QMouseEvent event(type, local, FPressOrigin + local, button, buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    TRecordingUserNotices Notices;
    std::unique_ptr<TNewVer> Popup;
    QRect Shown;

private:
    QPoint FPressOrigin;
};
} // namespace

TEST_F(NewVerTest, OpensTopRightWithItsTextsAndStaysOnTopWithoutTakingTheFocus)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    TNewVer& popup = ShowPopup();

    EXPECT_EQ(Shown, QRect(screen.right() + 1 - 5 - 320, screen.top() + 5, 320, 68));
    EXPECT_EQ(popup.geometry(), Shown);
    EXPECT_EQ(Child<QLabel>("Label1")->text(), QStringLiteral("UPDATE AVAILABLE"));
    EXPECT_EQ(Child<QLabel>("Label2")->text(), QStringLiteral("Click to download Lintaro 9.9"));
    EXPECT_FALSE(Child<QLabel>("Image1")->pixmap().isNull());
    const Qt::WindowFlags flags = popup.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(popup.testAttribute(Qt::WA_ShowWithoutActivating));
}

TEST_F(NewVerTest, TheEleventhTickOfTheCountdownClosesItWithAnAnimation)
{
    TNewVer& popup = ShowPopup();
    auto* timerClose = Child<QTimer>("TimerClose");
    timerClose->stop();
    for (int tick = 1; tick <= 10; ++tick)
        QMetaObject::invokeMethod(timerClose, "timeout");
    EXPECT_TRUE(popup.isVisible());
    QMetaObject::invokeMethod(timerClose, "timeout");
    EXPECT_TRUE(popup.isVisible()); // collapsing first
    EXPECT_FALSE(Settled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !popup.isVisible(); }));
    EXPECT_EQ(popup.geometry().size(), QSize(1, 1));
}

TEST_F(NewVerTest, TheCloseButtonClosesAtOnce)
{
    TNewVer& popup = ShowPopup();
    QTest::mouseClick(Child<QToolButton>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(popup.isVisible());
    EXPECT_TRUE(Settled());
    EXPECT_EQ(popup.geometry(), Shown);
}

// The link names its destination host before the click, and the click opens that host.
TEST_F(NewVerTest, TheLinkOpensOnlyAWebAddressElseTheHomePageAndCloses)
{
    const struct
    {
        QString DownloadUrl;
        QUrl Opened;
    } cases[] = {
        {Download, QUrl(Download)},
        {QString(), MakerHomePage()},
        {QStringLiteral("file:///etc/passwd"), MakerHomePage()},
        {QStringLiteral("javascript:alert(1)"), MakerHomePage()},
        {QStringLiteral("http://www.kelmora.example@evil.example/setup.exe"), MakerHomePage()},
        {QStringLiteral("https://www.kelm\u043Era.example/"), MakerHomePage()},
    };
    for (const auto& c : cases) {
        const TOpenedAddresses browser;
        TNewVer& popup = ShowPopup(c.DownloadUrl);
        EXPECT_EQ(Child<QLabel>("Label2")->toolTip(), c.Opened.host());
        QTest::mouseClick(Child<QLabel>("Label2"), Qt::LeftButton);
        EXPECT_EQ(browser.Opened, QList<QUrl>{c.Opened}) << c.DownloadUrl.toStdString();
        EXPECT_FALSE(popup.isVisible());
    }
    EXPECT_TRUE(Notices.Messages.empty());
}

TEST_F(NewVerTest, ADownloadNoProgramCanOpenIsReportedOnceThePopupHasGone)
{
    const TWithoutDesktopOpener bare;
    TNewVer& popup = ShowPopup();
    QTest::mouseClick(Child<QLabel>("Label2"), Qt::LeftButton);
    EXPECT_FALSE(popup.isVisible());
    ASSERT_EQ(Notices.Messages.size(), 1u);
    EXPECT_EQ(Notices.Messages[0].Text,
              QStringLiteral("No program on this system could open %1.").arg(Download));
    EXPECT_EQ(Notices.Messages[0].Icon, TUserNotices::TNoticeIcon::niError);
}

TEST_F(NewVerTest, DraggingMovesItWithAnyButtonButTheRightAndNotFromTheLink)
{
    const struct
    {
        const char* Source;
        Qt::MouseButton Button;
        bool Moves;
    } cases[] = {
        {"Image1", Qt::LeftButton, true},   {"Label1", Qt::MiddleButton, true},
        {"Panel1", Qt::LeftButton, true},   {"Panel3", Qt::LeftButton, true},
        {"Image1", Qt::RightButton, false}, {"Label2", Qt::LeftButton, false},
        {"Panel2", Qt::LeftButton, false},
    };
    const TOpenedAddresses browser;
    for (const auto& c : cases) {
        TNewVer& popup = ShowPopup();
        Drag(Child<QWidget>(c.Source), c.Button);
        EXPECT_EQ(popup.pos(), Shown.topLeft() + (c.Moves ? QPoint(20, 15) : QPoint()))
            << c.Source << " " << c.Button;
        EXPECT_EQ(popup.size(), Shown.size());
    }
}

TEST_F(NewVerTest, TheLinkTakesTheHighlightColourWhileThePointerIsOverIt)
{
    TNewVer& popup = ShowPopup();
    auto* link = Child<QLabel>("Label2");
    auto* timerLink = Child<QTimer>("TimerLink");
    timerLink->stop();

    QCursor::setPos(link->mapToGlobal(link->rect().center()));
    QMetaObject::invokeMethod(timerLink, "timeout");
    EXPECT_EQ(link->palette().color(QPalette::WindowText),
              popup.palette().color(QPalette::Highlight));

    QCursor::setPos(popup.mapToGlobal(QPoint(2, 2)));
    QMetaObject::invokeMethod(timerLink, "timeout");
    EXPECT_EQ(link->palette().color(QPalette::WindowText),
              popup.palette().color(QPalette::WindowText));
}

#include "test_new_ver.moc"
