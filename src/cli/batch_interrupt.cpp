#include "cli/batch_interrupt.h"

#include "io/interrupt_cleanup.h"

#include <atomic>
#include <csignal>

#include <unistd.h>

namespace {

std::atomic<int> gReceived{0};

extern "C" void stopRun(int signalNumber)
{
    if (gReceived.exchange(signalNumber) == 0)
        return;
    RemoveFilesRemovedOnInterrupt();
    ::_exit(128 + signalNumber);
}

} // namespace

void TBatchInterrupt::Install()
{
    for (const int signalNumber : {SIGINT, SIGTERM}) {
        if (!HasDefaultAction(signalNumber))
            continue;
        struct sigaction ours = {};
        ours.sa_handler = stopRun;
        sigemptyset(&ours.sa_mask);
        // Reads of the input go on where they were.
        ours.sa_flags = SA_RESTART;
        ::sigaction(signalNumber, &ours, nullptr);
    }
}

int TBatchInterrupt::Received()
{
    return gReceived.load();
}
