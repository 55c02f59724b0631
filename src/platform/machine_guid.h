#pragma once

#include <QString>

// The machine's identifier as the update check sends it: a keyed hash of the system's
// machine id (HMAC-SHA256 under a key of ours) in GUID form, so the id itself never leaves
// the machine and cannot be matched with what other programs send. Empty when there is no
// machine id; raises EZintException when the file exists but cannot be read.
QString ReadMachineGuid(const QString& machineIdFile = QStringLiteral("/etc/machine-id"));
