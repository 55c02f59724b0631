#pragma once

// Keeps the notices of Qt's start-up probes off standard error while the application object
// is made; every other message passes on as before. Only one may exist at a time.
class TPlatformStartNotices final
{
public:
    TPlatformStartNotices();
    ~TPlatformStartNotices();
    TPlatformStartNotices(const TPlatformStartNotices&) = delete;
    TPlatformStartNotices& operator=(const TPlatformStartNotices&) = delete;
};

// Ends the process with `status` once standard output and error are flushed, without taking
// the application object and the libraries down: the files are written and closed by then.
[[noreturn]] void EndWithoutTeardown(int status);
