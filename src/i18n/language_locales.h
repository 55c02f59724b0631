#pragma once

#include <QString>

// What the program knows of each shipped language file beyond its texts: the locale the
// language is written in. A file name is the language file's name up to ".lang.txt".

// The ICU/Qt locale of a language file ("de", "zh_Hans", "pt_BR"); empty for an unknown name
// and for English, which has no file.
QString LocaleOfLanguage(const QString& languageName);
// The language's name in the language itself, as its own speakers write it in a list
// ("Deutsch", "中文（简体）"); the file name when ICU has no name for it.
QString OwnLanguageName(const QString& languageName);
// Whether the language is written right to left.
bool IsRightToLeftLanguage(const QString& languageName);
