#pragma once

#include <QString>

// The user's UI language identifier (Windows LANGID, low 16 bits of the LCID) in decimal,
// from the first of Qt's UI languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); "C" and "POSIX"
// count as US English, 1033. "0" when ICU knows no identifier for the locale.
QString UserLanguageId();
// The LANGID of one locale name ("de_CH", "de-CH", "zh-Hant-TW", "C"), in decimal.
QString LanguageIdOfLocale(const QString& localeName);
