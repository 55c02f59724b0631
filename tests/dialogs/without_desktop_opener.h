#pragma once

#include <QByteArray>
#include <QTemporaryDir>

// A bare system while it lives: no xdg-open nor any other opener on the search path, so the
// desktop opens no address.
class TWithoutDesktopOpener
{
public:
    TWithoutDesktopOpener() : FPath(qgetenv("PATH")) { qputenv("PATH", FEmpty.path().toUtf8()); }
    ~TWithoutDesktopOpener() { qputenv("PATH", FPath); }

private:
    QByteArray FPath;
    QTemporaryDir FEmpty;
};
