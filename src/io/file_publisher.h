#pragma once

#include <QByteArray>
#include <QString>

#include <limits>

class TNumberedFileName;

// No last candidate: a new file takes whichever numbered name is free.
constexpr qint64 AnyCandidate = std::numeric_limits<qint64>::max();

// Puts complete contents under a final name: the bytes are written to a temporary file in the
// same folder first, so a failed or interrupted write never leaves a truncated file under the
// final name, nor (on SIGINT, SIGTERM or SIGHUP) the temporary file. Failures raise
// ECannotCreateFile "Cannot create file "<path>". <reason>".

// Replaces whatever the name holds (the user agreed to that).
void PublishFileReplacing(const QByteArray& contents, const QString& path);

// Whether `path` holds a file a publish completed. Every method shows a name only complete,
// except a reservation that a killed process (SIGKILL, a power cut) left empty: that one is
// removed, and false returned. Raises ECannotCreateFile when something other than a file holds
// the name or the reservation cannot be removed.
bool HoldsPublishedFile(const QString& path);

// How a new file gets its name.
enum class TNewFileMethod
{
    // A complete file is hard-linked under the name; the name never shows anything else.
    // Where the file system has no hard links the next method is used by itself.
    nfmLinkComplete,
    // The complete hidden temporary file is renamed under the name by a rename that refuses to
    // replace; where the file system cannot refuse, the reservation below is used by itself.
    nfmRenameNoReplace,
    // The name is created empty and exclusively, then the complete hidden temporary file is
    // renamed over it: a reader may see an empty file for a moment, never a partial one, and an
    // interrupt (Ctrl+C, SIGTERM) in that moment removes the empty file.
    nfmRenameOverReservation
};

// Creates the first free name of `names` (candidate firstCandidate, then the next, ...),
// atomically: a name taken by anything, even a folder or a dangling link, or taken just before
// the write, is never written through or over; the next candidate is tried instead. Returns the
// name written. Candidates after lastCandidate are not tried: EFileExists says all were taken.
QString PublishNewFile(const QByteArray& contents, const TNumberedFileName& names,
                       qint64 firstCandidate = 1,
                       TNewFileMethod method = TNewFileMethod::nfmLinkComplete,
                       qint64 lastCandidate = AnyCandidate);
