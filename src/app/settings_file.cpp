#include "app/settings_file.h"

#include <QFile>
#include <QStringDecoder>

namespace {
const QString SettingsFileName = QStringLiteral("settings.ini");
}

bool TSettingsFile::Load(const QString& path)
{
    FSections.clear();
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;

    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
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
    QFile::remove(path);
    if (settings.Load(path))
        return settings;
    return std::nullopt;
}
