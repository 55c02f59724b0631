#pragma once

#include <QByteArray>

// A file this process creates and will give away or remove itself, which Ctrl+C (SIGINT),
// SIGTERM or SIGHUP must not leave behind: an empty reservation under a final name, a hidden
// temporary. From the moment the file exists until the object is gone, those signals remove it
// before the process ends as it would have. The handlers are installed with the first file, and
// only for signals nobody else handles.
// Whether nobody handles or ignores the signal: a handler of the program's own goes only there.
bool HasDefaultAction(int signalNumber);

// Removes every file a TRemovedOnInterrupt guards now, for a signal handler that ends the
// process itself; async-signal-safe. Afterwards none of them is guarded any more.
void RemoveFilesRemovedOnInterrupt();

class TRemovedOnInterrupt final
{
public:
    // Creates `nativePath` exclusively: open(2) with `flags` | O_CREAT | O_EXCL | O_CLOEXEC and
    // mode 0666 (the umask decides). Fd() is -1 and errno says why when it fails.
    TRemovedOnInterrupt(const QByteArray& nativePath, int flags);
    // Forgets the name: the file is the caller's concern again. Does not close Fd().
    ~TRemovedOnInterrupt();
    TRemovedOnInterrupt(const TRemovedOnInterrupt&) = delete;
    TRemovedOnInterrupt& operator=(const TRemovedOnInterrupt&) = delete;

    int Fd() const { return FFd; }

private:
    int FFd = -1;
    int FSlot = -1; // -1: no slot was free; the file is then not guarded
};
