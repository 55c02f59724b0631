#include "app/window_fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

void RegisterWindowFonts()
{
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        return;
    const QStringList standIns{QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"),
                               QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf")};
    for (const QString& file : standIns)
        if (QFile::exists(file))
            QFontDatabase::addApplicationFont(file);
}
