#include "io/stored_settings.h"

#include "base/zint_exception.h"
#include "io/image_format.h"
#include "io/label_sheet.h"
#include "io/name_template.h"
#include "platform/user_store.h"
#include "render/render_pipeline.h"
#include "render/setting_lengths.h"
#include "render/setting_names.h"

#include <QLocale>

#include <cmath>
#include <optional>
#include <utility>

namespace {
QString Number(double value)
{
    return QLocale::c().toString(value, 'g', 9);
}

// A C-locale number in [low, high]; above `low` only when `lowIncluded` is false.
std::optional<double> ReadNumber(const QString& text, double low, double high, bool lowIncluded)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value) || value > high || value < low ||
        (!lowIncluded && value == low))
        return std::nullopt;
    return value;
}

QString Boolean(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

std::optional<bool> ReadBoolean(const QString& text)
{
    if (text == QLatin1String("true"))
        return true;
    if (text == QLatin1String("false"))
        return false;
    return std::nullopt;
}

std::optional<QColor> ReadColour(const QString& text)
{
    const QColor colour = QColor::fromString(text);
    return text.startsWith(QLatin1Char('#')) && colour.isValid() ? std::optional(colour)
                                                                 : std::nullopt;
}

// A length in `unit`, or for a mode without one any length the rules take.
std::optional<float> ReadLengthIn(const QString& text, const TLengthRules& rules,
                                  std::optional<TLengthUnit> unit)
{
    const TLengthReading reading = ReadLength(text, QLocale::c(), RulesFor(rules, unit));
    if (!reading.Length || (unit && reading.Length->Unit != *unit))
        return std::nullopt;
    return float(reading.Length->Value);
}

template <typename TEnum, const TSettingNames<TEnum>& Names, TEnum TRenderSettings::*Member>
TStoredKey ChoiceKey(const char* key)
{
    return {
        key, TStoredType::stChoice,
        [](const TStoredSettings& settings) { return SettingName(Names, settings.Render.*Member); },
        [](const QString& text, TStoredSettings& settings) {
            const std::optional<TEnum> value = SettingByName(Names, text);
            if (value)
                settings.Render.*Member = *value;
            return value.has_value();
        }};
}

template <bool TRenderSettings::*Member> TStoredKey BooleanKey(const char* key)
{
    return {key, TStoredType::stBoolean,
            [](const TStoredSettings& settings) { return Boolean(settings.Render.*Member); },
            [](const QString& text, TStoredSettings& settings) {
                const std::optional<bool> value = ReadBoolean(text);
                if (value)
                    settings.Render.*Member = *value;
                return value.has_value();
            }};
}

// A yes or no of the window's own, outside the render settings.
template <bool TStoredSettings::*Member> TStoredKey WindowBooleanKey(const char* key)
{
    return {key, TStoredType::stBoolean,
            [](const TStoredSettings& settings) { return Boolean(settings.*Member); },
            [](const QString& text, TStoredSettings& settings) {
                const std::optional<bool> value = ReadBoolean(text);
                if (value)
                    settings.*Member = *value;
                return value.has_value();
            }};
}

template <QColor TRenderSettings::*Member> TStoredKey ColourKey(const char* key)
{
    return {key, TStoredType::stColour,
            [](const TStoredSettings& settings) {
                return (settings.Render.*Member).name(QColor::HexArgb);
            },
            [](const QString& text, TStoredSettings& settings) {
                const std::optional<QColor> value = ReadColour(text);
                if (value)
                    settings.Render.*Member = *value;
                return value.has_value();
            }};
}

// Module widths in pixels: 0 leaves the layout free.
template <float TRenderSettings::*Member> TStoredKey ModuleWidthKey(const char* key)
{
    return {key, TStoredType::stNumber,
            [](const TStoredSettings& settings) { return Number(settings.Render.*Member); },
            [](const QString& text, TStoredSettings& settings) {
                const std::optional<double> value = ReadNumber(text, 0, MaxImageSide, true);
                if (value)
                    settings.Render.*Member = float(*value);
                return value.has_value();
            }};
}

template <std::size_t Band> QString BandText(const TStoredSettings& settings)
{
    const TRenderBoxValue& box = settings.Render.*BandMembers[Band];
    const bool inModules = settings.Bands[Band].Unit == TLengthUnit::luModules;
    QStringList sides;
    for (const TRenderSide& side : {box.Top, box.Left, box.Right, box.Bottom})
        sides << Number(inModules ? side.Modules : side.TargetUnits);
    return sides.join(QLatin1Char(','));
}

template <std::size_t Band> bool ReadBand(const QString& text, TStoredSettings& settings)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return false;
    const TLengthUnit unit = settings.Bands[Band].Unit;
    TRenderBoxValue box;
    TRenderSide* const sides[] = {&box.Top, &box.Left, &box.Right, &box.Bottom};
    for (int i = 0; i < 4; ++i) {
        const std::optional<float> length = ReadLengthIn(parts[i], BandSideRules, unit);
        if (!length)
            return false;
        (unit == TLengthUnit::luModules ? sides[i]->Modules : sides[i]->TargetUnits) = *length;
    }
    settings.Render.*BandMembers[Band] = box;
    return true;
}

// Each band: its unit first, which its sides are read in.
template <std::size_t Band> void AddBandKeys(std::vector<TStoredKey>& keys, const char* name)
{
    static const QByteArray unitKey = QByteArray(name) + "Unit";
    static const QByteArray allSameKey = QByteArray(name) + "AllSame";
    keys.push_back({unitKey.constData(), TStoredType::stChoice,
                    [](const TStoredSettings& settings) {
                        return SettingName(BandUnitNames, settings.Bands[Band].Unit);
                    },
                    [](const QString& text, TStoredSettings& settings) {
                        const std::optional<TLengthUnit> unit = SettingByName(BandUnitNames, text);
                        if (unit)
                            settings.Bands[Band].Unit = *unit;
                        return unit.has_value();
                    }});
    keys.push_back({name, TStoredType::stBand, BandText<Band>, ReadBand<Band>});
    keys.push_back(
        {allSameKey.constData(), TStoredType::stBoolean,
         [](const TStoredSettings& settings) { return Boolean(settings.Bands[Band].AllSame); },
         [](const QString& text, TStoredSettings& settings) {
             const std::optional<bool> value = ReadBoolean(text);
             if (value)
                 settings.Bands[Band].AllSame = *value;
             return value.has_value();
         }});
}

// Each text line of the label sheet: its template, size and alignment.
template <std::size_t Row> void AddLabelTextRowKeys(std::vector<TStoredKey>& keys)
{
    static const QByteArray name = "LabelText" + QByteArray::number(int(Row) + 1);
    static const QByteArray sizeKey = name + "Size";
    static const QByteArray alignKey = name + "Align";
    keys.push_back(
        {name.constData(), TStoredType::stText,
         [](const TStoredSettings& settings) { return settings.LabelText.Rows[Row].Template; },
         [](const QString& text, TStoredSettings& settings) {
             try {
                 if (!text.isEmpty())
                     TNameTemplate::Parse(text);
             } catch (const EZintException&) {
                 return false;
             }
             settings.LabelText.Rows[Row].Template = text;
             return true;
         }});
    keys.push_back({sizeKey.constData(), TStoredType::stNumber,
                    [](const TStoredSettings& settings) {
                        return Number(settings.LabelText.Rows[Row].SizePt);
                    },
                    [](const QString& text, TStoredSettings& settings) {
                        const std::optional<double> value =
                            ReadNumber(text, 1, MaxLabelTextPt, true);
                        if (value)
                            settings.LabelText.Rows[Row].SizePt = *value;
                        return value.has_value();
                    }});
    keys.push_back({alignKey.constData(), TStoredType::stChoice,
                    [](const TStoredSettings& settings) {
                        return SettingName(HAlignNames, settings.LabelText.Rows[Row].Align);
                    },
                    [](const QString& text, TStoredSettings& settings) {
                        const std::optional<TZintHAlign> value = SettingByName(HAlignNames, text);
                        if (value)
                            settings.LabelText.Rows[Row].Align = *value;
                        return value.has_value();
                    }});
}

template <std::size_t... Rows>
void AddLabelTextKeys(std::vector<TStoredKey>& keys, std::index_sequence<Rows...>)
{
    (AddLabelTextRowKeys<Rows>(keys), ...);
    keys.push_back({"LabelTextLayout", TStoredType::stChoice,
                    [](const TStoredSettings& settings) {
                        return SettingName(LabelTextLayoutNames, settings.LabelText.Layout);
                    },
                    [](const QString& text, TStoredSettings& settings) {
                        const std::optional<TLabelTextLayout> value =
                            SettingByName(LabelTextLayoutNames, text);
                        if (value)
                            settings.LabelText.Layout = *value;
                        return value.has_value();
                    }});
    keys.push_back(WindowBooleanKey<&TStoredSettings::LabelKeepsModule>("LabelKeepsModule"));
}

std::vector<TStoredKey> MakeKeys()
{
    using S = TStoredSettings;
    using T = TStoredType;
    std::vector<TStoredKey> keys = {
        {"Symbology", T::stChoice,
         [](const S& settings) {
             return QString::fromLatin1(
                 SymbologyCatalogue[std::size_t(settings.Symbology)].EnumName);
         },
         [](const QString& text, S& settings) {
             for (const TSymbologyEntry& entry : SymbologyCatalogue)
                 if (text == QLatin1String(entry.EnumName)) {
                     settings.Symbology = entry.Symbology;
                     return true;
                 }
             return false;
         }},
        ColourKey<&TRenderSettings::Foreground>("Foreground"),
        ColourKey<&TRenderSettings::Background>("Background"),
        {"Font", T::stFont, [](const S& settings) { return settings.Render.Font.toString(); },
         [](const QString& text, S& settings) {
             QFont font;
             if (text.isEmpty() || !font.fromString(text))
                 return false;
             settings.Render.Font = font;
             return true;
         }},
        BooleanKey<&TRenderSettings::ShowText>("ShowText"),
        {"HexagonScale", T::stNumber,
         [](const S& settings) { return Number(settings.Render.HexagonScale); },
         [](const QString& text, S& settings) {
             const std::optional<double> value = ReadNumber(text, 0, MaxImageSide, false);
             if (value)
                 settings.Render.HexagonScale = float(*value);
             return value.has_value();
         }},
        ChoiceKey<TZintRenderAdjustMode, AdjustModeNames, &TRenderSettings::AdjustMode>(
            "AdjustMode"),
        ChoiceKey<TZintHAlign, HAlignNames, &TRenderSettings::HAlign>("HAlign"),
        ChoiceKey<TZintVAlign, VAlignNames, &TRenderSettings::VAlign>("VAlign"),
        ModuleWidthKey<&TRenderSettings::MinModuleWidth>("MinModuleWidth"),
        ModuleWidthKey<&TRenderSettings::MaxModuleWidth>("MaxModuleWidth"),
    };
    AddBandKeys<0>(keys, "Margin");
    AddBandKeys<1>(keys, "Padding");
    AddBandKeys<2>(keys, "Border");
    AddBandKeys<3>(keys, "TextSpacing");
    AddBandKeys<4>(keys, "Whitespace");
    const std::vector<TStoredKey> outputSize = {
        ChoiceKey<TImageSizeMode, ImageSizeNames, &TRenderSettings::ImageSize>("ImageSize"),
        {"FixedImageSize", T::stSize,
         [](const S& settings) {
             return QStringLiteral("%1x%2")
                 .arg(settings.Render.FixedImageSize.width())
                 .arg(settings.Render.FixedImageSize.height());
         },
         [](const QString& text, S& settings) {
             const QStringList parts = text.split(QLatin1Char('x'));
             if (parts.size() != 2)
                 return false;
             const std::optional<float> width =
                 ReadLengthIn(parts[0], ImageSideRules, TLengthUnit::luPixels);
             const std::optional<float> height =
                 ReadLengthIn(parts[1], ImageSideRules, TLengthUnit::luPixels);
             if (!width || !height)
                 return false;
             settings.Render.FixedImageSize = QSize(int(*width), int(*height));
             return true;
         }},
        ChoiceKey<TModuleSizeMode, ModuleSizeNames, &TRenderSettings::ModuleSizeMode>(
            "ModuleSizeMode"),
        {"ModuleSize", T::stNumber,
         [](const S& settings) { return Number(settings.Render.ModuleSize); },
         [](const QString& text, S& settings) {
             const std::optional<float> value =
                 ReadLengthIn(text, ModuleSizeRules, UnitOf(settings.Render.ModuleSizeMode));
             if (value)
                 settings.Render.ModuleSize = *value;
             return value.has_value();
         }},
        BooleanKey<&TRenderSettings::ExactFit>("ExactFit"),
        ChoiceKey<TBarHeightMode, BarHeightNames, &TRenderSettings::BarHeightMode>("BarHeightMode"),
        {"BarHeight", T::stNumber,
         [](const S& settings) { return Number(settings.Render.BarHeight); },
         [](const QString& text, S& settings) {
             const std::optional<float> value =
                 ReadLengthIn(text, BarHeightRules, UnitOf(settings.Render.BarHeightMode));
             if (value)
                 settings.Render.BarHeight = *value;
             return value.has_value();
         }},
        ChoiceKey<TQuietZoneMode, QuietZoneNames, &TRenderSettings::QuietZones>("QuietZones"),
        {"Dpi", T::stNumber, [](const S& settings) { return Number(settings.Render.Dpi); },
         [](const QString& text, S& settings) {
             const std::optional<double> value = ReadNumber(text, 1, MaxDpi, true);
             if (!value || *value != std::floor(*value))
                 return false;
             settings.Render.Dpi = int(*value);
             return true;
         }},
        ChoiceKey<TCaptionSizeMode, CaptionSizeNames, &TRenderSettings::CaptionSizeMode>(
            "CaptionSizeMode"),
        {"CaptionSize", T::stNumber,
         [](const S& settings) { return Number(settings.Render.CaptionSize); },
         [](const QString& text, S& settings) {
             const std::optional<float> value =
                 ReadLengthIn(text, CaptionSizeRules, UnitOf(settings.Render.CaptionSizeMode));
             if (value)
                 settings.Render.CaptionSize = *value;
             return value.has_value();
         }},
        {"PrimaryMessage", T::stText,
         [](const S& settings) { return settings.Render.PrimaryMessage; },
         [](const QString& text, S& settings) {
             settings.Render.PrimaryMessage = text;
             return true;
         }},
        {"ExportFormat", T::stChoice, [](const S& settings) { return settings.ExportFormat; },
         [](const QString& text, S& settings) {
             for (const TImageFormatEntry& format : ImageFormats)
                 if (text == QLatin1String(format.Name)) {
                     settings.ExportFormat = text;
                     return true;
                 }
             return false;
         }},
        WindowBooleanKey<&TStoredSettings::SettingsPanelShown>("SettingsPanelShown"),
        {"FileNames", T::stText, [](const S& settings) { return settings.FileNames; },
         [](const QString& text, S& settings) {
             try {
                 TNameTemplate::Parse(text);
             } catch (const EZintException&) {
                 return false;
             }
             settings.FileNames = text;
             return true;
         }},
        {"RecentLists", T::stPaths,
         [](const S& settings) { return settings.RecentLists.join(QLatin1Char('\n')); },
         [](const QString& text, S& settings) {
             settings.RecentLists = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
             return true;
         }},
        // A product's name is kept unread: its database may be installed again later.
        {"LabelSheet", T::stText, [](const S& settings) { return settings.LabelSheet; },
         [](const QString& text, S& settings) {
             if (text.contains(QLatin1Char(',')) && !ReadLabelSheet(text).Sheet)
                 return false;
             settings.LabelSheet = text;
             return true;
         }},
    };
    keys.insert(keys.end(), outputSize.begin(), outputSize.end());
    AddLabelTextKeys(keys, std::make_index_sequence<MaxLabelTextLines>());
    return keys;
}
} // namespace

TStoredSettings::TStoredSettings() : ExportFormat(QLatin1String(ImageFormats.front().Name))
{
    // What the output size page shows before the user picks a mode that uses them.
    Render.BarHeight = 50;
    Render.CaptionSize = 12;
}

const QString StoredSchemaVersionKey = QStringLiteral("SchemaVersion");

const std::vector<TStoredKey>& StoredKeys()
{
    static const std::vector<TStoredKey> keys = MakeKeys();
    return keys;
}

TStoredLoad LoadStoredSettings(const TUserStore& store)
{
    TStoredLoad load;
    for (const TStoredKey& key : StoredKeys()) {
        const QString name = QLatin1String(key.Key);
        if (store.Contains(name) && !key.Read(store.ReadString(name), load.Settings))
            load.Refused << name;
    }
    return load;
}

void SaveStoredSettings(const TStoredSettings& settings, TUserStore& store)
{
    store.WriteInteger(StoredSchemaVersionKey, StoredSchemaVersion);
    for (const TStoredKey& key : StoredKeys())
        store.WriteString(QLatin1String(key.Key), key.Write(settings));
}
