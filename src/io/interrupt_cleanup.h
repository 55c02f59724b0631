#pragma once

#include <QByteArray>

// A file this process has just created and will give away or remove itself, which Ctrl+C
// (SIGINT), SIGTERM or SIGHUP must not leave behind: an empty reservation under a final name, a
// hidden temporary. While an object holds the name, those signals remove the file before the
// process ends as it would have. The handlers are installed with the first name, and only for
// signals nobody else handles.
class TRemovedOnInterrupt final
{
public:
    // `nativePath` names a file the caller created itself, exclusively.
    explicit TRemovedOnInterrupt(const QByteArray& nativePath);
    // Forgets the name: the file is the caller's concern again.
    ~TRemovedOnInterrupt();
    TRemovedOnInterrupt(const TRemovedOnInterrupt&) = delete;
    TRemovedOnInterrupt& operator=(const TRemovedOnInterrupt&) = delete;

private:
    int FSlot = -1; // -1: no free slot was left; the file is then not guarded
};
