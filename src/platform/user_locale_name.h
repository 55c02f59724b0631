#pragma once

#include <QLocale>
#include <QString>

// The locale's name in the Windows form, language and region joined by a hyphen ("de-DE");
// "xx" for the C/POSIX locale, which names no language.
QString UserLocaleName(const QLocale& locale = QLocale::system());
