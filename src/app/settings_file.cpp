#include "app/settings_file.h"

#include "platform/read_regular_file.h"
#include "platform/set_file_aside.h"

#include <QStringDecoder>
#include <QStringList>
#include <QtGlobal>

namespace {
const QString SettingsFileName = QStringLiteral("settings.ini");
}

bool TSettingsFile::Load(const QString& path)
{
    FSections.clear();
    const TRegularFileRead file = ReadRegularFile(path);
    if (file.State == TRegularFileState::rfsMissing)
        return true;
    if (file.State != TRegularFileState::rfsRead)
        return false;

    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(file.Bytes);
    if (decoder.hasError())
        return false;

    QString section;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            FSections[section];
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0)
            FSections[section][line.left(equals).trimmed()] = line.mid(equals + 1);
    }
    return true;
}

QString TSettingsFile::Value(const QString& section, const QString& key) const
{
    const auto found = FSections.find(section);
    if (found == FSections.end())
        return {};
    const auto value = found->second.find(key);
    return value == found->second.end() ? QString() : value->second;
}

std::optional<TSettingsFile> OpenSettingsFile(const QString& dataFolder)
{
    const QString path = dataFolder + SettingsFileName;
    TSettingsFile settings;
    if (settings.Load(path))
        return settings;
    // Kept for the user to look at, out of the way of the next start.
    const TSetAside aside = SetFileAside(path);
    if (aside.NewPath.isEmpty())
        qWarning("%s cannot be loaded and cannot be set aside (%s); the settings start empty.",
                 qUtf8Printable(path), qUtf8Printable(aside.Reason));
    else
        qWarning("%s cannot be loaded; set aside as %s, the settings start empty.",
                 qUtf8Printable(path), qUtf8Printable(aside.NewPath));
    if (settings.Load(path))
        return settings;
    return std::nullopt;
}
