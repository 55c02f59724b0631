#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the single-byte code page of the non-Unicode input path.
// Characters it cannot hold become '?'.
QByteArray ToAnsiCodePage(const QString& text);
