#include "update/update_notifications.h"

#include "platform/store_lock.h"
#include "platform/user_store.h"
#include "update/update_results.h"

namespace {
void WriteShowUpdate(TUpdateResults& results, int value)
{
    if (!results.Store)
        return;
    // Read afresh under the lock first, so that another start's counts are not written back.
    const TStoreLock lock(*results.Store);
    results.Store->Sync();
    results.Store->WriteInteger(QStringLiteral("ShowUpdate"), value);
    // The store belongs to the worker's finished thread, whose event loop would have written
    // it later: write now.
    results.Store->Sync();
}
} // namespace

void EnableUpdateNotifications(TUpdateResults& results)
{
    WriteShowUpdate(results, 1);
}

void DisableUpdateNotifications(TUpdateResults& results)
{
    WriteShowUpdate(results, 0);
}
