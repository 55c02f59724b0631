#pragma once

#include <QtGlobal>

#include <functional>

class QAbstractButton;
class QMenu;

// Opens a menu below the button that asks for it. A click on the button while its menu is open
// closes the menu and then reaches the button as a new click: a click that comes less than
// 100 ms after that menu closed is swallowed instead of opening the menu again.
class TDropDownMenu final
{
public:
    // Milliseconds of a monotonic clock.
    using TClock = std::function<qint64()>;

    explicit TDropDownMenu(TClock clock = SystemClock);

    // Returns when the menu has closed.
    void DropDownMenu(QAbstractButton* button, QMenu* menu);

    static qint64 SystemClock();

private:
    TClock FClock;
    QAbstractButton* FLastButton = nullptr;
    QMenu* FLastMenu = nullptr;
    qint64 FLastClosed = 0;
};
