#include "dialogs/drop_down_menu.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QMenu>

namespace {
constexpr qint64 ReopenGuardMs = 100;
}

TDropDownMenu::TDropDownMenu(TClock clock) : FClock(std::move(clock)) {}

qint64 TDropDownMenu::SystemClock()
{
    static QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return started.elapsed();
}

void TDropDownMenu::DropDownMenu(QAbstractButton* button, QMenu* menu)
{
    if (button == FLastButton && menu == FLastMenu && FClock() - FLastClosed < ReopenGuardMs) {
        FLastButton = nullptr;
        FLastMenu = nullptr;
        return;
    }
    menu->exec(button->mapToGlobal(button->rect().bottomLeft() + QPoint(0, 1)));
    FLastClosed = FClock();
    FLastButton = button;
    FLastMenu = menu;
}
