#include "cli/batch_values.h"

#include "io/image_format.h"
#include "render/length_text.h"
#include "render/named_colors.h"
#include "render/render_pipeline.h"
#include "render/setting_lengths.h"
#include "render/setting_names.h"
#include "symbol/symbology_names.h"
#include "symbol/zint_symbology.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

namespace {
// More threads than this only add memory, never speed.
constexpr int MaxJobs = 256;

bool SameName(const QString& text, const char* name)
{
    return text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

std::optional<TLength> ReadBatchLength(const QString& text, const TLengthRules& rules)
{
    return ReadLength(text, QLocale::c(), rules).Length;
}

std::optional<TRenderSide> ParseSide(const QString& text)
{
    const std::optional<TLength> length = ReadBatchLength(text, BandSideRules);
    if (!length)
        return std::nullopt;
    TRenderSide side;
    (length->Unit == TLengthUnit::luModules ? side.Modules : side.TargetUnits) =
        float(length->Value);
    return side;
}

template <typename TEnum, std::size_t N>
std::optional<TEnum> ParseChoice(const QString& text, const char* const (&names)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        if (SameName(text, names[i]))
            return TEnum(i);
    return std::nullopt;
}
} // namespace

std::optional<QString> ParseImageExtension(const QString& text)
{
    if (const TImageFormatEntry* entry = FindImageFormat(text))
        return QLatin1String(entry->Extension);
    return std::nullopt;
}

std::optional<TTextEncoding> ParseTextEncoding(const QString& text)
{
    // In the order of the import's encoding choice.
    static const char* const names[] = {"ansi", "ascii", "utf-16le", "utf-16be", "utf-8", "utf-7"};
    const std::optional<int> index = ParseChoice<int>(text, names);
    if (!index)
        return std::nullopt;
    return TextEncodingFromIndex(*index);
}

std::optional<QColor> ParseColor(const QString& text)
{
    for (const TNamedColor& color : StandardColors)
        if (SameName(text, color.Name))
            return QColor::fromRgb(color.Rgb);
    for (const TNamedColor& color : ExtendedColors)
        if (SameName(text, color.Name))
            return QColor::fromRgb(color.Rgb);
    static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    if (hex.match(text).hasMatch())
        return QColor::fromString(text);
    return std::nullopt;
}

std::optional<QSize> ParseSize(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('x'), Qt::KeepEmptyParts, Qt::CaseInsensitive);
    if (parts.size() != 2)
        return std::nullopt;
    const std::optional<TLength> width = ReadBatchLength(parts[0], ImageSideRules);
    const std::optional<TLength> height = ReadBatchLength(parts[1], ImageSideRules);
    if (!width || !height)
        return std::nullopt;
    return QSize(int(width->Value), int(height->Value));
}

std::optional<int> ParseJobCount(const QString& text)
{
    bool ok = false;
    const int jobs = text.toInt(&ok);
    if (!ok || jobs < 1 || jobs > MaxJobs)
        return std::nullopt;
    return jobs;
}

std::optional<qint64> ParseFirstNumber(const QString& text)
{
    constexpr qint64 Largest = 1'000'000'000'000'000;
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    if (!ok || number < 1 || number > Largest)
        return std::nullopt;
    return number;
}

std::optional<float> ParseModuleWidthLimit(const QString& text)
{
    const std::optional<TLength> width = ReadBatchLength(text, ModuleWidthLimitRules);
    return width ? std::optional(float(width->Value)) : std::nullopt;
}

std::optional<float> ParseHexagonScale(const QString& text)
{
    const std::optional<TLength> scale = ReadBatchLength(text, HexagonScaleRules);
    return scale ? std::optional(float(scale->Value)) : std::nullopt;
}

std::optional<TRenderBoxValue> ParseBox(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 1 && parts.size() != 4)
        return std::nullopt;
    TRenderSide sides[4];
    for (int i = 0; i < 4; ++i) {
        const std::optional<TRenderSide> side = ParseSide(parts[parts.size() == 1 ? 0 : i]);
        if (!side)
            return std::nullopt;
        sides[i] = *side;
    }
    return TRenderBoxValue{sides[0], sides[1], sides[2], sides[3]};
}

std::optional<QFont> ParseFont(const QString& text)
{
    const qsizetype comma = text.lastIndexOf(QLatin1Char(','));
    if (comma <= 0)
        return std::nullopt;
    bool ok = false;
    const int pixels = text.mid(comma + 1).toInt(&ok);
    if (!ok || pixels <= 0)
        return std::nullopt;
    QFont font(text.left(comma));
    font.setPixelSize(pixels);
    return font;
}

std::optional<TZintRenderAdjustMode> ParseAdjustMode(const QString& text)
{
    return SettingByName(AdjustModeNames, text);
}

std::optional<TZintHAlign> ParseHAlign(const QString& text)
{
    return SettingByName(HAlignNames, text);
}

std::optional<TZintVAlign> ParseVAlign(const QString& text)
{
    return SettingByName(VAlignNames, text);
}

QVariant PropertyValue(const QString& text)
{
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    return isNumber ? QVariant(number) : QVariant(text);
}

QString SymbologyTable()
{
    QString table;
    for (std::size_t index = 0; index < SymbologyCatalogue.size(); ++index) {
        const TSymbologyEntry& entry = SymbologyCatalogue[index];
        table += QStringLiteral("%1\t%2\t%3\t%4\t%5\n")
                     .arg(index)
                     .arg(entry.LibraryNumber)
                     .arg(QLatin1String(entry.EnumName), QString::fromUtf8(entry.DisplayName),
                          CommonSymbologyNames(entry.Symbology).join(QLatin1Char(',')));
    }
    return table;
}

bool ParseImageSize(const QString& text, TRenderSettings& settings)
{
    const std::optional<TImageSizeMode> mode = SettingByName(ImageSizeNames, text);
    if (mode && *mode != TImageSizeMode::ismFixed) {
        settings.ImageSize = *mode;
    } else if (const std::optional<QSize> size = ParseSize(text)) {
        settings.ImageSize = TImageSizeMode::ismFixed;
        settings.FixedImageSize = *size;
    } else {
        return false;
    }
    return true;
}

bool ParseModuleSize(const QString& text, TRenderSettings& settings)
{
    if (SameName(text, "fit") || SameName(text, "fit-exact")) {
        settings.ModuleSizeMode = TModuleSizeMode::msmFit;
        settings.ExactFit = SameName(text, "fit-exact");
        return true;
    }
    const std::optional<TLength> length = ReadBatchLength(text, ModuleSizeRules);
    if (!length)
        return false;
    settings.ModuleSizeMode = ModuleSizeModeOf(length->Unit);
    settings.ModuleSize = float(length->Value);
    return true;
}

bool ParseBarHeight(const QString& text, TRenderSettings& settings)
{
    const std::optional<TBarHeightMode> mode = SettingByName(BarHeightNames, text);
    if (mode == TBarHeightMode::bhmStandard || mode == TBarHeightMode::bhmFill) {
        settings.BarHeightMode = *mode;
        return true;
    }
    const std::optional<TLength> length = ReadBatchLength(text, BarHeightRules);
    if (!length)
        return false;
    settings.BarHeightMode = BarHeightModeOf(length->Unit);
    settings.BarHeight = float(length->Value);
    return true;
}

bool ParseQuietZones(const QString& text, TRenderSettings& settings)
{
    const std::optional<TQuietZoneMode> mode = SettingByName(QuietZoneNames, text);
    if (!mode)
        return false;
    settings.QuietZones = *mode;
    return true;
}

bool ParseCaptionSize(const QString& text, TRenderSettings& settings)
{
    if (SettingByName(CaptionSizeNames, text) == TCaptionSizeMode::csmFont) {
        settings.CaptionSizeMode = TCaptionSizeMode::csmFont;
        return true;
    }
    const std::optional<TLength> length = ReadBatchLength(text, CaptionSizeRules);
    if (!length)
        return false;
    settings.CaptionSizeMode = CaptionSizeModeOf(length->Unit);
    settings.CaptionSize = float(length->Value);
    return true;
}

std::optional<int> ParseDpi(const QString& text)
{
    const std::optional<TLength> dpi = ReadBatchLength(text, DpiRules);
    return dpi ? std::optional(int(dpi->Value)) : std::nullopt;
}
