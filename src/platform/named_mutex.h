#pragma once

// Holds a system-wide name for the life of the process, as a named mutex would. The name is
// released by the kernel when the process ends. Whether another process already holds it is
// of no interest to the caller: a second instance runs normally.
void CreateNamedMutex(const char* name);
