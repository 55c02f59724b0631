#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Readable failure output for Qt strings in GoogleTest assertions.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{' << texts.join(QStringLiteral("\", \"")).prepend(u'"').append(u'"').toStdString()
         << '}';
}
