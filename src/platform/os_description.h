#pragma once

#include <QString>

// The operating system as the update check describes it, in the shape of a Windows
// description: "PRETTY NAME (Version MAJOR.MINOR, Build RELEASE, 64-bit Edition)", from the
// distribution's name, the kernel release and the processor architecture.
QString OsDescription(const QString& prettyName, const QString& kernelRelease,
                      const QString& cpuArchitecture);
// The same for the running system.
QString CurrentOsDescription();
