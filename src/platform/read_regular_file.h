#pragma once

#include <QByteArray>
#include <QString>

// Files the program opens by itself (its settings, language files, the machine id) are read
// only when they are regular files of at most this size. Anything else standing under the
// name, a FIFO, a device or a link to one, or a huge file, is refused instead of waited for or
// read until memory runs out; the open never blocks.
constexpr qint64 kSelfOpenedFileSizeCap = 1 << 20;

enum class TRegularFileState
{
    rfsRead,
    rfsMissing, // nothing under the name (a dangling link included)
    rfsFolder,
    rfsRefused // not a regular file, over the cap, or unreadable
};

struct TRegularFileRead
{
    TRegularFileState State = TRegularFileState::rfsMissing;
    QByteArray Bytes; // the whole file when read
    QString Reason;   // why it was not read, as a message's second sentence
};

TRegularFileRead ReadRegularFile(const QString& path);

// Appends what is left of an open file to `bytes`, stopping once they hold more than `limit`
// bytes. Returns 0, or the error number of the read that failed.
int ReadToEnd(int fd, QByteArray& bytes, qint64 limit);

// True when `bytes` are UTF-8 throughout.
bool IsUtf8(const QByteArray& bytes);
