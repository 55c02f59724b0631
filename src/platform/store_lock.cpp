#include "platform/store_lock.h"

#include "platform/user_store.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace {
constexpr int WaitMs = 5000;
constexpr int PollMs = 5;
// Longer than the coarse clock tick that stamps a file's modification time, with room.
constexpr int TimeStampTickMs = 20;

// Not the store's own name + ".lock": QSettings takes that one itself while it writes.
QString LockPathBeside(const TUserStore& store)
{
    const QFileInfo file(store.FileName());
    QDir().mkpath(file.path());
    return file.filePath() + QStringLiteral(".counters.lock");
}
} // namespace

TStoreLock::TStoreLock(const TUserStore& store)
    : FStoreFile(store.FileName()), FLock(LockPathBeside(store))
{
    // QLockFile's own wait doubles its sleeps up to seconds, so that a start waiting behind a
    // few others overslept its time: ask often instead.
    QDeadlineTimer deadline(WaitMs);
    while (!(FHeld = FLock.tryLock(0)) && !deadline.hasExpired())
        QThread::msleep(PollMs);
}

// QSettings takes a file whose size and time stamp are those it read as unchanged, and a
// count going from "13" to "14" keeps the size. Held until the clock has moved past the time
// stamp just written, the next writer's stamp differs, so every copy read before is reread.
TStoreLock::~TStoreLock()
{
    if (!FHeld)
        return;
    const QDateTime written = QFileInfo(FStoreFile).lastModified();
    while (written.isValid() && QDateTime::currentDateTime() <= written.addMSecs(TimeStampTickMs))
        QThread::msleep(2);
}
