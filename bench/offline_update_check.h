#pragma once

#include <QSettings>
#include <QTemporaryDir>

// The main window's timer starts the update check: a benchmark keeps it off the network and
// out of the user's store.
class TOfflineUpdateCheck final
{
public:
    TOfflineUpdateCheck()
    {
        qputenv("LINTARO_SERVICE_HOST", "127.0.0.1:1");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, FStore.path());
    }

private:
    QTemporaryDir FStore;
};
