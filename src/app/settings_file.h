#pragma once

#include <QString>

#include <map>
#include <optional>

// The settings file held in memory: sections of key=value lines, read as UTF-8.
// Nothing reads a key yet and nothing ever writes the file back.
class TSettingsFile final
{
public:
    // Reads the file; a missing file gives an empty object. False when something stands under
    // the name that is not a regular file of at most 1 MiB, cannot be read, or is not valid
    // UTF-8 (a leading byte-order mark is accepted).
    bool Load(const QString& path);

    QString Value(const QString& section, const QString& key) const;

private:
    std::map<QString, std::map<QString, QString>> FSections;
};

// Opens DataFolder's "settings.ini"; a file that cannot be loaded is set aside as
// "settings.ini.bad" (SetFileAside) and the object starts empty. Empty only when even that
// fails: a folder under the name, or a file that cannot be moved.
std::optional<TSettingsFile> OpenSettingsFile(const QString& dataFolder);
