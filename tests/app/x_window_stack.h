#pragma once

#include <QList>
#include <QWidget>

#include <optional>

// What the X server and its window manager say about the program's windows, read with xprop
// on the display the program is shown on.

// The windows the window manager manages, from the bottom of the stack to the top.
QList<WId> ManagedStacking();
// The window a window is a transient of (WM_TRANSIENT_FOR); absent when it names none.
std::optional<WId> TransientFor(WId window);
// The name of the window manager that owns the screen; empty when none does.
QString WindowManagerName();
