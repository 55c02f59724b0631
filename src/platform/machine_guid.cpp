#include "platform/machine_guid.h"

#include "base/zint_exception.h"
#include "platform/read_regular_file.h"

#include <QMessageAuthenticationCode>
#include <QUuid>

namespace {
constexpr char MachineGuidKey[] = "Kelmora Lintaro update check: machine key 1";
} // namespace

QString ReadMachineGuid(const QString& machineIdFile)
{
    const TRegularFileRead file = ReadRegularFile(machineIdFile);
    if (file.State == TRegularFileState::rfsMissing)
        return {};
    if (file.State != TRegularFileState::rfsRead)
        throw EZintException("Cannot read " + machineIdFile.toStdString() + ": " +
                             file.Reason.toStdString());
    const QByteArray id = file.Bytes.left(4096).trimmed();
    if (id.isEmpty())
        return {};
    const QByteArray hash = QMessageAuthenticationCode::hash(id, QByteArray(MachineGuidKey),
                                                             QCryptographicHash::Sha256);
    return QUuid::fromRfc4122(hash.left(16)).toString(QUuid::WithoutBraces);
}
