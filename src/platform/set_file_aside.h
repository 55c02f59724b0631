#pragma once

#include <QString>

// Moves what stands under `path` (a file, a FIFO, a device node, a link: the link itself, never
// what it points to; a folder is left where it is) to "<path>.bad", or "<path>.bad.2",
// "<path>.bad.3", ... when that is taken: an earlier file set aside is never replaced. Returns the
// new name, or nothing with the reason.
struct TSetAside
{
    QString NewPath; // empty when nothing was moved
    QString Reason;
};

TSetAside SetFileAside(const QString& path);

// Writes `bytes`, what was read from `path`, to the first free name of the same series, for a
// file that stays where it is but would lose them when it is next written. Returns the new
// name, or nothing with the reason.
TSetAside CopyFileAside(const QString& path, const QByteArray& bytes);
