#pragma once

#include <QString>
#include <QtGlobal>

// The one seed of every value the program keeps scrambled in the per-user store.
inline constexpr quint16 ScrambleSeed = 0x5A3C;

// Hides a text from a casual look at the store: its UTF-8 bytes chained through a 16-bit
// state, written as upper-case hexadecimal.
QString ScrambleText(const QString& text, quint16 seed = ScrambleSeed);
// The inverse; empty when the text is not hexadecimal. A final odd digit is ignored.
QString UnscrambleText(const QString& text, quint16 seed = ScrambleSeed);
