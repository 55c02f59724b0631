#pragma once

#include <QString>
#include <QStringList>

// The update service's answer: "<version>V</version>" on its first line, "<url>U</url>" on
// its second.

// Lines split at CR LF, LF or CR; a final line break ends the last line, it adds none.
QStringList ResponseLines(const QString& body);

// A version announces only when it reads as a number once its dots are gone.
bool IsNumericVersion(const QString& version);
