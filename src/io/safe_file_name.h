#pragma once

#include <QString>

// The longest name SafeFileName gives, extension included: room is left under the usual
// 255-byte limit for a " (n)" of the never-overwrite rule and a ".failed" of verification.
constexpr qsizetype MaxSafeFileNameBytes = 200;

// `stem` + `extension` made a name that Linux, Windows and macOS all take as one new file
// inside the folder: path separators, control and format characters (U+202E, U+200B, ...), line
// and paragraph separators, unpaired surrogates and the characters Windows or macOS forbid
// become "_"; blanks at either end and dots at the end of
// the stem go, a leading dot becomes "_" (no hidden files, never "." or ".."); Windows device
// names (CON, NUL, COM1, LPT1, ... also with an extension) get a leading "_"; a name over
// MaxSafeFileNameBytes of UTF-8 keeps its start and its end around "…", cut on character
// boundaries, and its extension.
// Empty when the stem holds nothing but forbidden characters, dots and blanks, so that the
// caller can name the file otherwise.
QString SafeFileName(const QString& stem, const QString& extension);
