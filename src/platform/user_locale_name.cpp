#include "platform/user_locale_name.h"

QString UserLocaleName(const QLocale& locale)
{
    if (locale.language() == QLocale::C)
        return QStringLiteral("xx");
    return locale.name().replace(QLatin1Char('_'), QLatin1Char('-'));
}
