#include "io/interrupt_cleanup.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>

#include <fcntl.h>
#include <limits.h>
#include <pthread.h>
#include <sched.h>
#include <unistd.h>

namespace {

enum TSlotState : int
{
    ssFree,
    ssOpening, // the file may or may not exist yet; its thread holds the signals back meanwhile
    ssHeld,
    ssEnding // taken by the handler: nobody writes the path any more
};

// A worker holds one slot at a time, each for a moment.
constexpr int kSlots = 64;

struct TSlot
{
    std::atomic<int> State{ssFree};
    char Path[PATH_MAX] = {};
};

TSlot gSlots[kSlots];

const int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void removeAndEnd(int signalNumber)
{
    RemoveFilesRemovedOnInterrupt();
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

void installHandlers()
{
    for (const int signalNumber : kSignals) {
        if (!HasDefaultAction(signalNumber))
            continue;
        struct sigaction ours = {};
        ours.sa_handler = removeAndEnd;
        sigemptyset(&ours.sa_mask);
        for (const int blocked : kSignals)
            sigaddset(&ours.sa_mask, blocked);
        ::sigaction(signalNumber, &ours, nullptr);
    }
}

int takeSlot(const QByteArray& path)
{
    if (path.size() >= PATH_MAX)
        return -1;
    for (int i = 0; i < kSlots; ++i) {
        int expected = ssFree;
        if (!gSlots[i].State.compare_exchange_strong(expected, ssOpening))
            continue;
        std::memcpy(gSlots[i].Path, path.constData(), std::size_t(path.size()) + 1);
        return i;
    }
    return -1;
}

} // namespace

bool HasDefaultAction(int signalNumber)
{
    struct sigaction current = {};
    return ::sigaction(signalNumber, nullptr, &current) == 0 && current.sa_handler == SIG_DFL &&
           (current.sa_flags & SA_SIGINFO) == 0;
}

// Only async-signal-safe calls and atomics. A slot being opened belongs to a thread that holds
// the ending signals back, so the wait for it ends once its open() returns.
void RemoveFilesRemovedOnInterrupt()
{
    for (TSlot& slot : gSlots) {
        for (;;) {
            int state = slot.State.load();
            if (state == ssOpening) {
                sched_yield();
                continue;
            }
            if (state == ssEnding || slot.State.compare_exchange_strong(state, ssEnding)) {
                if (state == ssHeld)
                    ::unlink(slot.Path);
                break;
            }
        }
    }
}

TRemovedOnInterrupt::TRemovedOnInterrupt(const QByteArray& nativePath, int flags)
{
    static std::once_flag installed;
    std::call_once(installed, installHandlers);
    sigset_t ending;
    sigset_t previous;
    sigemptyset(&ending);
    for (const int signalNumber : kSignals)
        sigaddset(&ending, signalNumber);
    pthread_sigmask(SIG_BLOCK, &ending, &previous);
    FSlot = takeSlot(nativePath);
    FFd = ::open(nativePath.constData(), flags | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    const int openError = errno;
    if (FSlot >= 0)
        gSlots[FSlot].State.store(FFd >= 0 ? ssHeld : ssFree);
    if (FFd < 0)
        FSlot = -1;
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    errno = openError;
}

TRemovedOnInterrupt::~TRemovedOnInterrupt()
{
    if (FSlot < 0)
        return;
    int expected = ssHeld;
    gSlots[FSlot].State.compare_exchange_strong(expected, ssFree);
}
