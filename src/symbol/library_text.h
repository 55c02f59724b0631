#pragma once

#include <QByteArray>
#include <QString>

// libzint's "Error 778: No input data" as the program says it: "error: No input data".
QString TaggedLibraryMessage(const char* libraryText, bool isError);

// The longest prefix of at most maxBytes that does not split a UTF-8 sequence.
QByteArray CutUtf8(const QByteArray& bytes, int maxBytes);
