#include "platform/store_lock.h"

#include "platform/user_store.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr int WaitMs = 5000;

// Not the store's own name + ".lock": QSettings takes that one itself while it writes.
QString LockPathBeside(const TUserStore& store)
{
    const QFileInfo file(store.FileName());
    QDir().mkpath(file.path());
    return file.filePath() + QStringLiteral(".counters.lock");
}
} // namespace

TStoreLock::TStoreLock(const TUserStore& store) : FLock(LockPathBeside(store))
{
    FHeld = FLock.tryLock(WaitMs);
}
