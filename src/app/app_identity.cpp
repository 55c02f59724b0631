#include "app/app_identity.h"

#include "base/zint_exception.h"
#include "platform/exe_version.h"
#include "platform/maker_web_host.h"
#include "platform/version_info.h"

#include <cstring>
#include <vector>

namespace {
// "major.minor" from the two halves of the fixed file version's more significant word.
QString FileVersionMajorMinor(const QString& programPath)
{
    const std::uint32_t size = GetFileVersionInfoSize(programPath);
    if (size == 0)
        return {};
    std::vector<unsigned char> record(size);
    const void* fixed = nullptr;
    std::uint32_t length = 0;
    // VS_FIXEDFILEINFO: signature, structure version, then the file version's high word.
    constexpr std::uint32_t FileVersionMSOffset = 8;
    if (!GetFileVersionInfo(programPath, size, record.data()) ||
        !VerQueryValue(record.data(), size, QStringLiteral("\\"), &fixed, &length) ||
        length < FileVersionMSOffset + sizeof(std::uint32_t))
        return {};
    std::uint32_t fileVersionMS = 0;
    std::memcpy(&fileVersionMS, static_cast<const char*>(fixed) + FileVersionMSOffset,
                sizeof fileVersionMS);
    return QStringLiteral("%1.%2").arg(fileVersionMS >> 16).arg(fileVersionMS & 0xFFFF);
}
} // namespace

TAppIdentity ReadAppIdentity(const QString& programPath)
{
    TAppIdentity identity;
    try {
        const TEXEVersionData version = GetEXEVersionData(programPath);
        identity.AppCompanyName = version.CompanyName;
        identity.AppProductName = version.ProductName;
        identity.AppVersion = FileVersionMajorMinor(programPath);
        identity.AppProductVersion = version.ProductVersion;
    } catch (const EZintException&) {
        // Without a record the window still comes up, with empty identity texts.
    }
    identity.AppName = identity.AppCompanyName + QStringLiteral(" - ") + identity.AppProductName;
    return identity;
}

QString OnlineHelpAddress(const QString& productName)
{
    QString path = productName.toLower();
    path.replace(QLatin1Char(' '), QLatin1Char('-'));
    return QStringLiteral("http://") + QLatin1String(MakerWebHost) + QStringLiteral("/help/") +
           path + QLatin1Char('/');
}
