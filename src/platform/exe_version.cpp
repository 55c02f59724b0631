#include "platform/exe_version.h"

#include "platform/os_error.h"
#include "platform/version_info.h"

#include <QByteArray>

#include <algorithm>
#include <cerrno>

namespace {

struct TVersionField
{
    const char* Name;
    QString TEXEVersionData::*Field;
};

const TVersionField kFields[] = {
    {"CompanyName", &TEXEVersionData::CompanyName},
    {"FileDescription", &TEXEVersionData::FileDescription},
    {"FileVersion", &TEXEVersionData::FileVersion},
    {"InternalName", &TEXEVersionData::InternalName},
    {"LegalCopyright", &TEXEVersionData::LegalCopyright},
    {"LegalTrademarks", &TEXEVersionData::LegalTrademarks},
    {"OriginalFileName", &TEXEVersionData::OriginalFileName},
    {"ProductName", &TEXEVersionData::ProductName},
    {"ProductVersion", &TEXEVersionData::ProductVersion},
    {"Comments", &TEXEVersionData::Comments},
    {"PrivateBuild", &TEXEVersionData::PrivateBuild},
    {"SpecialBuild", &TEXEVersionData::SpecialBuild},
};

// Decodes UTF-16LE up to the first zero, never past the end of the record: the unit count
// comes from the file and a binary node reports bytes, not units.
QString textAt(const QByteArray& record, const void* value, std::uint32_t units)
{
    const auto* first = static_cast<const unsigned char*>(value);
    const auto* end = reinterpret_cast<const unsigned char*>(record.constData()) + record.size();
    units = std::min<std::uint32_t>(units, static_cast<std::uint32_t>((end - first) / 2));
    QString text;
    for (std::uint32_t i = 0; i < units; ++i) {
        const auto unit = static_cast<char16_t>(first[2 * i] | (first[2 * i + 1] << 8));
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

} // namespace

TEXEVersionData GetEXEVersionData(const QString& path)
{
    const std::uint32_t size = GetFileVersionInfoSize(path);
    if (size == 0)
        RaiseLastOSError();
    QByteArray record(static_cast<qsizetype>(size), '\0');
    if (!GetFileVersionInfo(path, size, record.data()))
        RaiseLastOSError();

    const void* translation = nullptr;
    std::uint32_t translationSize = 0;
    if (!VerQueryValue(record.constData(), size, QStringLiteral("\\VarFileInfo\\Translation\\"),
                       &translation, &translationSize))
        RaiseLastOSError();
    if (translationSize < 4) {
        // An empty translation table names no string block to read.
        SetLastOSError(ENODATA);
        RaiseLastOSError();
    }
    const auto* entry = static_cast<const unsigned char*>(translation);
    const unsigned language = entry[0] | (entry[1] << 8);
    const unsigned codePage = entry[2] | (entry[3] << 8);
    const QString blockKey = QString::asprintf("%.4x%.4x", language, codePage);

    TEXEVersionData data;
    for (const TVersionField& field : kFields) {
        const void* value = nullptr;
        std::uint32_t units = 0;
        const QString subBlock = QStringLiteral("\\StringFileInfo\\") + blockKey +
                                 QLatin1Char('\\') + QLatin1String(field.Name);
        if (VerQueryValue(record.constData(), size, subBlock, &value, &units))
            data.*field.Field = textAt(record, value, units);
    }
    return data;
}
