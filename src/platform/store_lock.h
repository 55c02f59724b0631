#pragma once

#include <QLockFile>

class TUserStore;

// Taken by every process of the user before it reads and advances the update check's counters,
// so that programs started at the same moment count one after another. The lock file lies
// beside the store's file; one left behind by a process that died is taken over.
class TStoreLock final
{
public:
    explicit TStoreLock(const TUserStore& store);
    ~TStoreLock();
    TStoreLock(const TStoreLock&) = delete;
    TStoreLock& operator=(const TStoreLock&) = delete;

    // False when the lock cannot be created or another process kept it for seconds.
    bool Held() const { return FHeld; }

private:
    QString FStoreFile;
    QLockFile FLock;
    bool FHeld = false;
};
