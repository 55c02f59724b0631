#pragma once

#include <QUrl>

class QWidget;
class TUserNotices;

// Hands an address to the desktop's browser or file viewer. When the desktop has none for it
// (no xdg-open on a bare system), says so in a message box over the parent, captioned with
// the parent's title, and returns false.
bool OpenAddress(const QUrl& address, TUserNotices& notices, QWidget* parent);

// The message of that box, for windows that show their errors their own way.
QString AddressNotOpenedText(const QUrl& address);
