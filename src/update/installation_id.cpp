#include "update/installation_id.h"

#include "platform/store_lock.h"
#include "platform/user_store.h"

#include <QUuid>

namespace {
const QString ValueName = QStringLiteral("InstallationId");

QString NewId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}
} // namespace

QString InstallationId(TUserStore& store)
{
    if (!store.IsWritable())
        return {};
    const QString kept = store.ReadString(ValueName);
    // Anything else in its place is not ours to send.
    if (!QUuid(kept).isNull() && QUuid(kept).toString(QUuid::WithoutBraces) == kept)
        return kept;
    const QString id = NewId();
    store.WriteString(ValueName, id);
    store.Sync();
    return id;
}

void ResetInstallationId(TUserStore& store)
{
    const TStoreLock lock(store);
    store.Sync();
    store.WriteString(ValueName, NewId());
    store.Sync();
}
