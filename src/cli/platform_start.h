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
