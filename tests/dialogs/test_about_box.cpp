#include "dialogs/about_box.h"

#include "dialogs/text_window.h"

#include "menu_closer.h"
#include "recording_user_notices.h"
#include "translation_fixture.h"
#include "url_recorder.h"
#include "without_desktop_opener.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
constexpr int WaitMs = 10000; // a bound for the timers to get somewhere, never a measure

class AboutBox : public testing::Test
{
protected:
    TAboutBox& Open()
    {
        Box = new TAboutBox({QStringLiteral("Kelmora - Lintaro"), QStringLiteral("Lintaro"),
                             QStringLiteral("1.1"), QStringLiteral("1.1.0"), ProgramFolder.path()},
                            Notices);
        Box->show();
        return *Box;
    }
    void TearDown() override { delete Box.data(); }

    template <typename TWidget> TWidget* Find(const char* name) const
    {
        auto* widget = Box->findChild<TWidget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QWidget* Panel1() const { return Find<QWidget>("Panel1"); }
    QWidget* PanelEgg() const { return Find<QWidget>("PanelEgg"); }
    QTimer* TimerEgg() const { return Find<QTimer>("TimerEgg"); }

    QTemporaryDir ProgramFolder;
    TRecordingUserNotices Notices;
    QPointer<TAboutBox> Box;
};
} // namespace

TEST_F(AboutBox, CaptionAndTextsGoThroughTheTranslation)
{
    struct TCase
    {
        QByteArray Lines;
        QString Caption;
        QString Info;
    };
    const TCase cases[] = {
        {"", QStringLiteral("About Lintaro"), QStringLiteral("Info")},
        {"{About %s}%s hakkında\n{Info}Bilgi\n", QStringLiteral("Lintaro hakkında"),
         QStringLiteral("Bilgi")},
        // Only the first marker takes the name; the box still opens.
        {"{About %s}%s %s %d\n", QStringLiteral("Lintaro %s %d"), QStringLiteral("Info")},
        {"{About %s}Info\n", QStringLiteral("Info"), QStringLiteral("Info")},
    };
    for (const TCase& test : cases) {
        TActiveTranslation translation(test.Lines);
        TAboutBox& box = Open();
        EXPECT_EQ(box.windowTitle(), test.Caption);
        EXPECT_EQ(Find<QPushButton>("BitBtn2")->text(), test.Info);
        EXPECT_EQ(Find<QLabel>("Label2")->text(), QStringLiteral("Lintaro 1.1.0"));
        delete Box.data();
    }
}

TEST_F(AboutBox, SecondDoubleClickDuringTheSlideIsIgnored)
{
    TAboutBox& box = Open();
    QWidget* icon = Find<QWidget>("Image1");
    QWidget* picture = Find<QWidget>("ImageEgg");
    const int centre = Panel1()->x();

    QTest::mouseDClick(icon, Qt::LeftButton);
    EXPECT_TRUE(PanelEgg()->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return Panel1()->x() >= centre + 20; }, WaitMs));
    const int sliding = Panel1()->x();
    QTest::mouseDClick(icon, Qt::LeftButton);    // does not start over
    QTest::mouseDClick(picture, Qt::LeftButton); // does not hide the picture mid-slide
    EXPECT_GE(Panel1()->x(), sliding);
    EXPECT_TRUE(PanelEgg()->isVisible());

    ASSERT_TRUE(QTest::qWaitFor([&] { return !TimerEgg()->isActive(); }, WaitMs));
    EXPECT_GT(Panel1()->x(), box.width());
    EXPECT_TRUE(PanelEgg()->isVisible());

    QTest::mouseDClick(picture, Qt::LeftButton);
    EXPECT_FALSE(PanelEgg()->isVisible());
    EXPECT_EQ(Panel1()->x(), (box.width() - Panel1()->width()) / 2);
    EXPECT_FALSE(TimerEgg()->isActive());
}

TEST_F(AboutBox, HiddenPictureIsCentredBehindThePanel)
{
    TAboutBox& box = Open();
    EXPECT_EQ(box.size(), QSize(446, 374));
    EXPECT_EQ(PanelEgg()->geometry(), QRect(61, 77, 324, 220));
    EXPECT_EQ(Panel1()->geometry(), QRect(48, 42, 350, 291));
    EXPECT_FALSE(PanelEgg()->isVisible());
    const QPixmap cat = Find<QLabel>("ImageEgg")->pixmap();
    EXPECT_EQ(cat.deviceIndependentSize().toSize(), QSize(320, 214));
}

TEST_F(AboutBox, InfoOpensTheLinkMenu)
{
    TActiveTranslation translation("{License...}Lisans...\n");
    Open();
    auto* menu = Find<QMenu>("PopupMenu1");
    QStringList shown;
    QObject::connect(menu, &QMenu::aboutToShow, [&] {
        for (const QAction* action : menu->actions())
            shown << action->text();
    });
    CloseNextMenu();
    Find<QPushButton>("BitBtn2")->click();
    EXPECT_EQ(shown,
              (QStringList{QStringLiteral("Acknowledgements..."),
                           QStringLiteral("How to uninstall..."), QStringLiteral("Lisans...")}));
}

TEST_F(AboutBox, LinksOpenTheMakersPages)
{
    TUrlRecorder browser;
    Open();
    Find<QAction>("Credits1")->trigger();
    Find<QAction>("Howtouninstall1")->trigger();
    QLabel* link = Find<QLabel>("Label5");
    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseClick(link, Qt::RightButton);
    ASSERT_EQ(browser.Opened.size(), 3u);
    for (const QUrl& page : browser.Opened) {
        EXPECT_EQ(page.scheme(), QStringLiteral("https"));
        EXPECT_EQ(page.host(), QStringLiteral("www.kelmora.example"));
    }
    EXPECT_NE(browser.Opened[0], browser.Opened[1]);
    EXPECT_EQ(browser.Opened[2].path(), QStringLiteral("/"));
    EXPECT_EQ(link->text(), QStringLiteral("www.kelmora.example"));
}

TEST_F(AboutBox, LicenseOpensTheFileBesideTheProgramOrSaysItIsMissing)
{
    TUrlRecorder viewer;
    Open();
    Find<QAction>("LicensePrivacyPolicy1")->trigger();
    ASSERT_EQ(Notices.Messages.size(), 1u);
    EXPECT_EQ(Notices.Messages[0].Caption, QStringLiteral("License"));
    EXPECT_EQ(Notices.Messages[0].Text, QStringLiteral("File not found!"));
    EXPECT_EQ(Notices.Messages[0].Icon, TUserNotices::TNoticeIcon::niError);
    EXPECT_TRUE(viewer.Opened.empty());

    const QString licence = ProgramFolder.filePath(QStringLiteral("license.txt"));
    QFile file(licence);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    Find<QAction>("LicensePrivacyPolicy1")->trigger();
    EXPECT_EQ(Notices.Messages.size(), 1u);
    ASSERT_EQ(viewer.Opened.size(), 1u);
    EXPECT_EQ(viewer.Opened[0], QUrl::fromLocalFile(licence));
}

TEST_F(AboutBox, WithoutADesktopViewerTheLicenseIsShownReadOnlyInTheProgram)
{
    const QByteArray text = "MIT License\n\nCopyright (c) 2026 Kelmora\n";
    QFile file(ProgramFolder.filePath(QStringLiteral("license.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    const TWithoutDesktopOpener bare;
    TActiveTranslation translation("{License}Lisans\n");
    Open();
    Find<QAction>("LicensePrivacyPolicy1")->trigger();
    auto* window = Box->findChild<TTextWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Lisans"));
    EXPECT_EQ(window->Text(), QString::fromUtf8(text));
    EXPECT_TRUE(window->findChild<QPlainTextEdit*>()->isReadOnly());
    EXPECT_TRUE(Notices.Messages.empty());
}

TEST_F(AboutBox, AnAddressNoProgramOpensIsReported)
{
    const TWithoutDesktopOpener bare;
    TAboutBox& box = Open();
    for (const char* item : {"Credits1", "Howtouninstall1"}) {
        SCOPED_TRACE(item);
        Notices.Messages.clear();
        Find<QAction>(item)->trigger();
        ASSERT_EQ(Notices.Messages.size(), 1u);
        EXPECT_EQ(Notices.Messages[0].Caption, box.windowTitle());
        EXPECT_TRUE(Notices.Messages[0].Text.startsWith(
            QStringLiteral("No program on this system could open https://")))
            << Notices.Messages[0].Text.toStdString();
        EXPECT_EQ(Notices.Messages[0].Icon, TUserNotices::TNoticeIcon::niError);
    }
}

TEST_F(AboutBox, DragsWithAnyButtonButTheRight)
{
    struct TCase
    {
        Qt::MouseButton Button;
        bool Moves;
    };
    for (const TCase test : {TCase{Qt::LeftButton, true}, TCase{Qt::MiddleButton, true},
                             TCase{Qt::RightButton, false}}) {
        TAboutBox& box = Open();
        QWidget* banner = Find<QWidget>("Image2");
        const QPoint start = box.pos();
        const QPoint grip = banner->mapToGlobal(QPoint(10, 10));
        const QPoint moved = grip + QPoint(30, 20);
        // Each event is made just before it is sent: pointer events share their point.
        auto send = [banner](QEvent::Type type, QPoint global, Qt::MouseButton button,
                             Qt::MouseButtons buttons) {
            QMouseEvent event(type, QPointF(banner->mapFromGlobal(global)), QPointF(global), button,
                              buttons, Qt::NoModifier);
            QApplication::sendEvent(banner, &event);
        };
        send(QEvent::MouseButtonPress, grip, test.Button, test.Button);
        send(QEvent::MouseMove, moved, Qt::NoButton, test.Button);
        send(QEvent::MouseButtonRelease, moved, test.Button, Qt::NoButton);
        // The window system moves a window when it gets to it.
        const QPoint expected = test.Moves ? start + QPoint(30, 20) : start;
        QCoreApplication::processEvents();
        if (test.Moves) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return box.pos() == expected; }, WaitMs));
        }
        EXPECT_EQ(box.pos(), expected) << test.Button;
        delete Box.data();
    }
}

TEST_F(AboutBox, EscapeOrOkClosesAndFreesTheBox)
{
    for (const char* button : {"BitBtn1", "BitBtn2"}) {
        Open();
        QTest::keyClick(Find<QPushButton>(button), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(Box.isNull()) << button;
    }
    Open();
    Find<QPushButton>("BitBtn1")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Box.isNull());
}

TEST_F(AboutBox, LettersFallAroundThePanel)
{
    TAboutBox& box = Open();
    const QRect leftStrip(0, 0, 48, box.height());
    auto lettersShown = [&] {
        const QImage shot = box.grab(leftStrip).toImage();
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if ((shot.pixel(x, y) & 0xffffff) != 0)
                    return true;
        return false;
    };
    EXPECT_TRUE(QTest::qWaitFor(lettersShown, WaitMs));
}
