#pragma once

#include <QByteArray>
#include <QString>

class TNumberedFileName;

// Puts complete contents under a final name: the bytes are written to a temporary file in the
// same folder first, so a failed or interrupted write never leaves a truncated file under the
// final name. Failures raise EZintException "Cannot create file "<path>". <reason>".

// Replaces whatever the name holds (the user agreed to that).
void PublishFileReplacing(const QByteArray& contents, const QString& path);

// Creates the first free name of `names` (candidate firstCandidate, then the next, ...),
// atomically: a name taken by anything, even a folder or a dangling link, or taken just before
// the write, is never written through or over; the next candidate is tried instead. Returns the
// name written.
QString PublishNewFile(const QByteArray& contents, const TNumberedFileName& names,
                       qint64 firstCandidate = 1);
