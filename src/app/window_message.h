#pragma once

#include <QString>

// How the window words a failure: a sentence with a capital letter, without the "error: " tag
// the batch tool's lines carry.
QString MessageSentence(const QString& message);
// The sentence followed by what the user can do about it, where the program knows.
QString MessageWithHint(const QString& message);
