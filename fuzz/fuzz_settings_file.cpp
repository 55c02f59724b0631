#include "fuzz_support.h"
#include "scratch_folder.h"

#include "app/settings_file.h"

// The input is the settings file: it loads or is refused, and every key it seems to name can
// be asked for.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    TSettingsFile settings;
    if (!settings.Load(WriteScratchFile(QStringLiteral("settings.ini"), bytes)))
        return 0;
    QString section;
    for (const QString& raw : QString::fromUtf8(bytes).split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']'))
            section = line.mid(1, line.size() - 2).trimmed();
        settings.Value(section, line.section(u'=', 0, 0).trimmed());
    }
    return 0;
}
