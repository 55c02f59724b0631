#pragma once

#include <QByteArray>
#include <QString>

// The hidden temporary files the publisher writes beside a final name where the file system
// has no unnamed files (NFS, some FUSE file systems). Each name tells whose it is:
// ".lintaro-<pid>-<random>@<host>.tmp". A process killed outright (SIGKILL, a power cut)
// leaves its temporary behind; a later run can then tell it from one still being written.

// A fresh name in `folder` (with its trailing '/', or empty for the current folder), in the
// file system's encoding.
QByteArray NewTemporaryFileName(const QString& folder);

// Removes from `folder` the temporaries of that pattern, owned by this user, that no live
// process will finish: those of this host whose process is gone, and those of any host
// unchanged for StaleTemporaryAgeSeconds (a publish keeps its temporary for a moment only).
// Nothing else is touched, links and files of other names included. Returns how many were
// removed; a folder that cannot be read counts as none.
int RemoveStaleTemporaryFiles(const QString& folder);

constexpr long StaleTemporaryAgeSeconds = 3600;
