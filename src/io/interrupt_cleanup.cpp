#include "io/interrupt_cleanup.h"

#include <atomic>
#include <csignal>
#include <cstring>
#include <mutex>

#include <limits.h>
#include <unistd.h>

namespace {

enum TSlotState : int
{
    ssFree,
    ssFilling,
    ssHeld,
    ssEnding // taken by the handler: nobody writes the path any more
};

// One per worker thread at most is in use at once, each for a moment.
constexpr int kSlots = 64;

struct TSlot
{
    std::atomic<int> State{ssFree};
    char Path[PATH_MAX] = {};
};

TSlot gSlots[kSlots];

const int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Only async-signal-safe calls: unlink, signal, raise.
extern "C" void removeAndEnd(int signalNumber)
{
    for (TSlot& slot : gSlots) {
        int expected = ssHeld;
        if (slot.State.compare_exchange_strong(expected, ssEnding))
            ::unlink(slot.Path);
        else
            slot.State.store(ssEnding);
    }
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

void installHandlers()
{
    for (const int signalNumber : kSignals) {
        struct sigaction current = {};
        if (::sigaction(signalNumber, nullptr, &current) != 0 || current.sa_handler != SIG_DFL ||
            (current.sa_flags & SA_SIGINFO) != 0)
            continue;
        struct sigaction ours = {};
        ours.sa_handler = removeAndEnd;
        sigemptyset(&ours.sa_mask);
        for (const int blocked : kSignals)
            sigaddset(&ours.sa_mask, blocked);
        ::sigaction(signalNumber, &ours, nullptr);
    }
}

} // namespace

TRemovedOnInterrupt::TRemovedOnInterrupt(const QByteArray& nativePath)
{
    static std::once_flag installed;
    std::call_once(installed, installHandlers);
    if (nativePath.size() >= PATH_MAX)
        return;
    for (int i = 0; i < kSlots; ++i) {
        int expected = ssFree;
        if (!gSlots[i].State.compare_exchange_strong(expected, ssFilling))
            continue;
        std::memcpy(gSlots[i].Path, nativePath.constData(), std::size_t(nativePath.size()) + 1);
        gSlots[i].State.store(ssHeld);
        FSlot = i;
        return;
    }
}

TRemovedOnInterrupt::~TRemovedOnInterrupt()
{
    if (FSlot < 0)
        return;
    int expected = ssHeld;
    gSlots[FSlot].State.compare_exchange_strong(expected, ssFree);
}
