// One start's update check in a process of its own, for the test of starts at the same moment.
// Usage: lintaro_check_once STORE_FOLDER SERVICE_HOST TODAY. Exits 10 when the check announced
// a version, 0 when it did not, 2 on a usage error.
#include "update/check_now.h"
#include "update/update_results.h"

#include <QCoreApplication>
#include <QSettings>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s STORE_FOLDER SERVICE_HOST TODAY\n", argv[0]);
        return 2;
    }
    const QStringList arguments = QCoreApplication::arguments();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, arguments[1]);
    TUpdateResults results;
    CheckNow(
        {QStringLiteral("Kelmora - Lintaro"), QStringLiteral("1.1"), arguments[2], arguments[3]},
        results);
    return results.NewVersionAvailable ? 10 : 0;
}
