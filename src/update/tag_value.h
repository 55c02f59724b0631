#pragma once

#include <QString>

// The text of an element <name>text</name> that fills the whole line (the name lower-cased,
// tags compared as they stand); empty when the line is not exactly such an element.
QString TagValue(const QString& line, const QString& name);
