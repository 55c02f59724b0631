#include "io/stored_settings_migration.h"

#include "io/image_format.h"
#include "io/stored_settings.h"
#include "platform/user_store.h"
#include "render/setting_names.h"

#include <optional>

namespace {
using TOld = QMap<QString, QString>;

std::optional<int> OldIndex(const TOld& old, const QString& name)
{
    bool ok = false;
    const int index = old.value(name).trimmed().toInt(&ok);
    return ok && old.contains(name) ? std::optional(index) : std::nullopt;
}

// The old lists held the values in the order of their enumeration.
template <typename TEnum>
void MigrateChoice(const TOld& old, const char* name, TSettingNames<TEnum> names, const char* key,
                   TMigration& migration)
{
    const std::optional<int> index = OldIndex(old, QLatin1String(name));
    migration.Retired << QLatin1String(name);
    if (!index)
        return;
    const QString value = SettingName(names, TEnum(*index));
    if (*index >= 0 && !value.isEmpty())
        migration.Values.insert(QLatin1String(key), value);
}

void MigrateCheck(const TOld& old, const QString& name, const QString& key, TMigration& migration)
{
    migration.Retired << name;
    const std::optional<int> checked = OldIndex(old, name);
    if (checked == 0 || checked == 1)
        migration.Values.insert(key, *checked ? QStringLiteral("true") : QStringLiteral("false"));
}

std::optional<QString> NumberText(const TOld& old, const QString& name, const QLocale& locale)
{
    if (!old.contains(name))
        return std::nullopt;
    const QString text = old.value(name).trimmed();
    if (text.isEmpty())
        return QString();
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok)
        return std::nullopt;
    return QLocale::c().toString(value, 'g', 9);
}

void MigrateNumber(const TOld& old, const char* name, const char* key, const QLocale& locale,
                   TMigration& migration)
{
    migration.Retired << QLatin1String(name);
    const std::optional<QString> number = NumberText(old, QLatin1String(name), locale);
    if (number && !number->isEmpty())
        migration.Values.insert(QLatin1String(key), *number);
}

void MigrateText(const TOld& old, const char* name, const char* key, TMigration& migration)
{
    migration.Retired << QLatin1String(name);
    if (old.contains(QLatin1String(name)))
        migration.Values.insert(QLatin1String(key), old.value(QLatin1String(name)));
}

void MigrateBand(const TOld& old, const QString& editor, const QString& key, const QLocale& locale,
                 TMigration& migration)
{
    const QString prefix = editor + QLatin1Char('.');
    QStringList sides;
    bool complete = true;
    for (const char* side : {"edTop", "edLeft", "edRight", "edBottom"}) {
        const QString name = prefix + QLatin1String(side);
        migration.Retired << name;
        // An empty side was no band at all.
        const std::optional<QString> number =
            old.contains(name) ? NumberText(old, name, locale) : QString();
        complete = complete && number.has_value();
        sides << (number && !number->isEmpty() ? *number : QStringLiteral("0"));
    }
    bool any = false;
    for (const char* side : {"edTop", "edLeft", "edRight", "edBottom"})
        any = any || old.contains(prefix + QLatin1String(side));
    if (any && complete)
        migration.Values.insert(key, sides.join(QLatin1Char(',')));
    // The old unit list: modules, then target units.
    migration.Retired << prefix + QStringLiteral("cbUnits");
    const std::optional<int> unit = OldIndex(old, prefix + QStringLiteral("cbUnits"));
    if (unit == 0 || unit == 1)
        migration.Values.insert(key + QStringLiteral("Unit"),
                                SettingName(BandUnitNames, *unit == 0 ? TLengthUnit::luModules
                                                                      : TLengthUnit::luPixels));
    MigrateCheck(old, prefix + QStringLiteral("cbAllSame"), key + QStringLiteral("AllSame"),
                 migration);
}
} // namespace

TMigration MigrateWindowValues(const TOld& old, const QLocale& locale)
{
    TMigration migration;
    // The symbology was kept as its number in the catalogue's enumeration.
    if (const std::optional<int> symbology = OldIndex(old, QStringLiteral("Symbology"));
        symbology && *symbology >= 0 && std::size_t(*symbology) < SymbologyCatalogue.size())
        migration.Values.insert(
            QStringLiteral("Symbology"),
            QLatin1String(SymbologyCatalogue[std::size_t(*symbology)].EnumName));
    else
        migration.Retired << QStringLiteral("Symbology");
    MigrateText(old, "ColorBox1", "Foreground", migration);
    MigrateText(old, "ColorBox2", "Background", migration);
    MigrateText(old, "ButtonFont", "Font", migration);
    MigrateCheck(old, QStringLiteral("cbHRT"), QStringLiteral("ShowText"), migration);
    MigrateNumber(old, "edMHS", "HexagonScale", locale, migration);
    MigrateChoice(old, "cbRAM", AdjustModeNames, "AdjustMode", migration);
    MigrateChoice(old, "comHAlign", HAlignNames, "HAlign", migration);
    MigrateChoice(old, "comVAlign", VAlignNames, "VAlign", migration);
    MigrateNumber(old, "edMiMW", "MinModuleWidth", locale, migration);
    MigrateNumber(old, "edMaMW", "MaxModuleWidth", locale, migration);
    const std::pair<const char*, const char*> bands[] = {{"fboMargin", "Margin"},
                                                         {"fboPadding", "Padding"},
                                                         {"fboBorder", "Border"},
                                                         {"fboTextSpacing", "TextSpacing"},
                                                         {"fboWhitespace", "Whitespace"}};
    for (const auto& [editor, key] : bands)
        MigrateBand(old, QLatin1String(editor), QLatin1String(key), locale, migration);

    MigrateChoice(old, "comImageSize", ImageSizeNames, "ImageSize", migration);
    const std::optional<QString> width = NumberText(old, QStringLiteral("edImageWidth"), locale);
    const std::optional<QString> height = NumberText(old, QStringLiteral("edImageHeight"), locale);
    migration.Retired << QStringLiteral("edImageWidth") << QStringLiteral("edImageHeight");
    if (width && height && !width->isEmpty() && !height->isEmpty())
        migration.Values.insert(QStringLiteral("FixedImageSize"),
                                *width + QLatin1Char('x') + *height);
    MigrateChoice(old, "comModuleSize", ModuleSizeNames, "ModuleSizeMode", migration);
    MigrateNumber(old, "edModuleSize", "ModuleSize", locale, migration);
    MigrateCheck(old, QStringLiteral("cbExactFit"), QStringLiteral("ExactFit"), migration);
    MigrateChoice(old, "comBarHeight", BarHeightNames, "BarHeightMode", migration);
    MigrateNumber(old, "edBarHeight", "BarHeight", locale, migration);
    MigrateChoice(old, "comQuietZones", QuietZoneNames, "QuietZones", migration);
    MigrateNumber(old, "edDpi", "Dpi", locale, migration);
    MigrateChoice(old, "comCaptionSize", CaptionSizeNames, "CaptionSizeMode", migration);
    MigrateNumber(old, "edCaptionSize", "CaptionSize", locale, migration);
    MigrateText(old, "edPrimary", "PrimaryMessage", migration);
    // Every earlier start stored the old fixed primary message, which MaxiCode then put in front
    // of each text; only a message the user typed is a choice worth keeping.
    if (migration.Values.value(QStringLiteral("PrimaryMessage")) == QLatin1String("1234567890"))
        migration.Values.remove(QStringLiteral("PrimaryMessage"));

    migration.Retired << QStringLiteral("ComboBox1");
    if (const std::optional<int> format = OldIndex(old, QStringLiteral("ComboBox1"));
        format && *format >= 0 && std::size_t(*format) < ImageFormats.size())
        migration.Values.insert(QStringLiteral("ExportFormat"),
                                QLatin1String(ImageFormats[std::size_t(*format)].Name));
    MigrateText(old, "edFileNames", "FileNames", migration);
    // "Symbology" keeps its name with a new shape: it is no old name to remove.
    migration.Retired.removeAll(QStringLiteral("Symbology"));
    return migration;
}

bool MigrateStoredSettings(TUserStore& store, const QLocale& locale)
{
    if (store.Contains(StoredSchemaVersionKey))
        return false;
    TOld old;
    for (const QString& name : store.Names())
        old.insert(name, store.ReadString(name));
    const TMigration migration = MigrateWindowValues(old, locale);
    for (const QString& name : migration.Retired)
        store.Remove(name);
    // A symbology number nothing could migrate is no name of the new keys either.
    if (!migration.Values.contains(QStringLiteral("Symbology")))
        store.Remove(QStringLiteral("Symbology"));
    for (auto value = migration.Values.cbegin(); value != migration.Values.cend(); ++value)
        store.WriteString(value.key(), value.value());
    store.WriteInteger(StoredSchemaVersionKey, StoredSchemaVersion);
    store.Sync();
    return !old.isEmpty();
}
