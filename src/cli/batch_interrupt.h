#pragma once

// Ctrl+C (SIGINT) and SIGTERM stop a batch run between entries instead of ending the process
// at once: the files being written are finished, no other entry is begun, and the run ends with
// its own status. Handled, not left to the default, because a process that is PID 1 of a
// container never ends by a signal's default action. A second signal ends the process at once,
// after removing the files still being written.
class TBatchInterrupt final
{
public:
    // Handles both signals from now on, unless something else handles them already.
    static void Install();
    // The signal that asked the run to stop; 0 while none did.
    static int Received();
};
