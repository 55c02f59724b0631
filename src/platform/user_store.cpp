#include "platform/user_store.h"

#include "platform/read_regular_file.h"
#include "platform/set_file_aside.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString Organisation = QStringLiteral("Kelmora");
const QString Application = QStringLiteral("Lintaro");

void Warn(const QString& path, const QString& outcome)
{
    qWarning("%s cannot be used as it is; %s.", qUtf8Printable(path), qUtf8Printable(outcome));
}

QString AsideOutcome(const TSetAside& aside, const QString& done)
{
    return aside.NewPath.isEmpty()
               ? QStringLiteral("it cannot be set aside either (%1)").arg(aside.Reason)
               : done.arg(aside.NewPath);
}

// QSettings opens its files blocking and reads them whole, so a FIFO or a link to a device
// under the store's names would hang the program or exhaust its memory, and it writes through
// a link to wherever the link points. Such a name is set aside first, as a bad settings.ini
// is, and the store starts without it. A file that is not UTF-8 stays, but QSettings would
// rewrite it without its bytes: a copy keeps them.
void SetAsideWhatIsNoStoreFile()
{
    // An organisation with no files names the user folder QSettings reads, reading nothing.
    const QString folder = QFileInfo(QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                               QStringLiteral(".lintaro-no-such-organisation"))
                                         .fileName())
                               .path();
    const QString ext = QStringLiteral(".conf");
    for (const QString& path : {folder + u'/' + Organisation + u'/' + Application + ext,
                                folder + u'/' + Organisation + ext}) {
        const TRegularFileRead file = ReadRegularFile(path);
        if (file.State == TRegularFileState::rfsRefused || QFileInfo(path).isSymLink()) {
            Warn(path, AsideOutcome(SetFileAside(path), QStringLiteral("set aside as %1")));
        } else if (file.State == TRegularFileState::rfsRead && !IsUtf8(file.Bytes)) {
            Warn(path, AsideOutcome(CopyFileAside(path, file.Bytes),
                                    QStringLiteral("its bytes are kept in %1")));
        }
    }
}

std::unique_ptr<QSettings> OpenStore()
{
    SetAsideWhatIsNoStoreFile();
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, Organisation,
                                       Application);
}

} // namespace

TUserStore::TUserStore(const QString& group) : FGroup(group), FSettings(OpenStore()) {}

TUserStore::~TUserStore() = default;

// Full keys rather than beginGroup(): the group state of a QSettings is per object and
// would leak between callers that share one.
QString TUserStore::Key(const QString& name) const
{
    return FGroup + QLatin1Char('/') + name;
}

QString TUserStore::FileName() const
{
    return FSettings->fileName();
}

bool TUserStore::IsWritable() const
{
    return FSettings->isWritable();
}

bool TUserStore::Contains(const QString& name) const
{
    return FSettings->contains(Key(name));
}

QStringList TUserStore::Names() const
{
    const QString prefix = FGroup + QLatin1Char('/');
    QStringList names;
    for (const QString& key : FSettings->allKeys())
        if (key.startsWith(prefix))
            names << key.mid(prefix.size());
    return names;
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
