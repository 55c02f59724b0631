#include "platform/user_store.h"

#include <QSettings>

TUserStore::TUserStore(const QString& group)
    : FGroup(group),
      FSettings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Kelmora"), QStringLiteral("Lintaro")))
{}

TUserStore::~TUserStore() = default;

// Full keys rather than beginGroup(): the group state of a QSettings is per object and
// would leak between callers that share one.
QString TUserStore::Key(const QString& name) const
{
    return FGroup + QLatin1Char('/') + name;
}

bool TUserStore::IsWritable() const
{
    return FSettings->isWritable();
}

bool TUserStore::Contains(const QString& name) const
{
    return FSettings->contains(Key(name));
}

QString TUserStore::ReadString(const QString& name, const QString& fallback) const
{
    const QVariant value = FSettings->value(Key(name));
    return value.isValid() ? value.toString() : fallback;
}

int TUserStore::ReadInteger(const QString& name, int fallback) const
{
    bool ok = false;
    const int value = ReadString(name).trimmed().toInt(&ok, 10);
    return ok ? value : fallback;
}

void TUserStore::WriteString(const QString& name, const QString& value)
{
    FSettings->setValue(Key(name), value);
}

void TUserStore::WriteInteger(const QString& name, int value)
{
    WriteString(name, QString::number(value));
}

void TUserStore::Remove(const QString& name)
{
    FSettings->remove(Key(name));
}

void TUserStore::Sync()
{
    FSettings->sync();
}
