#include "platform/machine_guid.h"

#include "base/zint_exception.h"

#include <QFile>
#include <QMessageAuthenticationCode>
#include <QUuid>

namespace {
constexpr char MachineGuidKey[] = "Kelmora Lintaro update check: machine key 1";
} // namespace

QString ReadMachineGuid(const QString& machineIdFile)
{
    QFile file(machineIdFile);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw EZintException("Cannot read " + machineIdFile.toStdString() + ": " +
                             file.errorString().toStdString());
    const QByteArray id = file.read(4096).trimmed();
    if (file.error() != QFileDevice::NoError)
        throw EZintException("Cannot read " + machineIdFile.toStdString() + ": " +
                             file.errorString().toStdString());
    if (id.isEmpty())
        return {};
    const QByteArray hash = QMessageAuthenticationCode::hash(id, QByteArray(MachineGuidKey),
                                                             QCryptographicHash::Sha256);
    return QUuid::fromRfc4122(hash.left(16)).toString(QUuid::WithoutBraces);
}
