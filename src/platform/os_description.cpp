#include "platform/os_description.h"

#include <QRegularExpression>
#include <QSysInfo>

QString OsDescription(const QString& prettyName, const QString& kernelRelease,
                      const QString& cpuArchitecture)
{
    static const QRegularExpression majorMinor(QStringLiteral("^(\\d+)\\.(\\d+)"));
    const QRegularExpressionMatch match = majorMinor.match(kernelRelease);
    const QString version = match.hasMatch()
                                ? match.captured(1) + QLatin1Char('.') + match.captured(2)
                                : QStringLiteral("0.0");
    const QString edition = cpuArchitecture.endsWith(QLatin1String("64"))
                                ? QStringLiteral("64-bit Edition")
                                : QStringLiteral("32-bit Edition");
    return QStringLiteral("%1 (Version %2, Build %3, %4)")
        .arg(prettyName, version, kernelRelease, edition);
}

QString CurrentOsDescription()
{
    return OsDescription(QSysInfo::prettyProductName(), QSysInfo::kernelVersion(),
                         QSysInfo::currentCpuArchitecture());
}
