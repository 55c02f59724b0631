#pragma once

#include <QByteArray>
#include <QChar>
#include <QStringList>

#include <vector>

// Delimited text as ParseDelimitedText reads it back: UTF-8 with a byte-order mark (so that
// spreadsheet programs take it as UTF-8), records ending in CR LF, a field in double quotes
// when it holds the delimiter, a quote, a line break or blanks at either end, quotes doubled.
// Records may differ in length; each keeps its own.
QByteArray WriteDelimitedText(const std::vector<QStringList>& records, QChar delimiter);
