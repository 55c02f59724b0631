#pragma once

#include <QString>
#include <QStringList>

// The update service's answer: "<version>V</version>" on its first line, "<url>U</url>" on
// its second.

// Lines split at CR LF, LF or CR; a final line break ends the last line, it adds none.
QStringList ResponseLines(const QString& body);

// True only when `offered` is a plain version (one to four dot-separated numbers without
// leading zeros) that is higher than `running`; parts that one of them lacks count as 0.
// Anything else, a lower or malformed version included, is no update.
bool IsNewerVersion(const QString& offered, const QString& running);
