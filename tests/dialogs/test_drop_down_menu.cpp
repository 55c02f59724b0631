#include "dialogs/drop_down_menu.h"

#include "menu_closer.h"

#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {
class DropDownMenu : public testing::Test
{
protected:
    DropDownMenu()
    {
        QObject::connect(&Menu, &QMenu::aboutToShow, [this] { ++Opened; });
        QObject::connect(&OtherMenu, &QMenu::aboutToShow, [this] { ++Opened; });
        Menu.addAction(QStringLiteral("item"));
        OtherMenu.addAction(QStringLiteral("item"));
        Button.show();
    }

    // A click at a moment of the clock; the menu, if it opens, is closed at once.
    void ClickAt(qint64 now, QMenu& menu)
    {
        Now = now;
        CloseNextMenu();
        Dropper.DropDownMenu(&Button, &menu);
    }

    qint64 Now = 0;
    int Opened = 0;
    QPushButton Button;
    QMenu Menu;
    QMenu OtherMenu;
    TDropDownMenu Dropper{[this] { return Now; }};
};
} // namespace

TEST_F(DropDownMenu, ClickThatClosedTheMenuDoesNotReopenIt)
{
    ClickAt(1000, Menu);
    EXPECT_EQ(Opened, 1);
    ClickAt(1099, Menu); // the click that closed it, arriving as a new click
    EXPECT_EQ(Opened, 1);
    ClickAt(1100, Menu); // the next click opens it again, however soon
    EXPECT_EQ(Opened, 2);
    ClickAt(1200, Menu); // 100 ms after closing
    EXPECT_EQ(Opened, 3);
}

TEST_F(DropDownMenu, AnotherMenuOpensAtOnce)
{
    ClickAt(1000, Menu);
    ClickAt(1010, OtherMenu);
    EXPECT_EQ(Opened, 2);
}

TEST_F(DropDownMenu, OpensBelowTheButton)
{
    QPoint shownAt;
    QObject::connect(&Menu, &QMenu::aboutToShow, [&] { shownAt = Menu.pos(); });
    QObject::connect(&Menu, &QMenu::aboutToHide, [&] { shownAt = Menu.pos(); });
    ClickAt(1000, Menu);
    EXPECT_EQ(shownAt, Button.mapToGlobal(QPoint(0, Button.height())));
}
