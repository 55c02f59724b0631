#include "cli/batch_values.h"

#include "io/image_format.h"
#include "render/named_colors.h"
#include "render/render_pipeline.h"
#include "symbol/zint_symbology.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace {
// More threads than this only add memory, never speed.
constexpr int MaxJobs = 256;

bool SameName(const QString& text, const char* name)
{
    return text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

std::optional<TRenderSide> ParseSide(QString text)
{
    TRenderSide side;
    const bool inModules = text.endsWith(QLatin1Char('m'), Qt::CaseInsensitive);
    if (inModules)
        text.chop(1);
    const std::optional<float> length = ParseNonNegative(text);
    if (!length)
        return std::nullopt;
    (inModules ? side.Modules : side.TargetUnits) = *length;
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
    bool widthOk = false;
    bool heightOk = false;
    const QSize size(parts[0].toInt(&widthOk), parts[1].toInt(&heightOk));
    const auto inRange = [](int side) { return side > 0 && side <= MaxImageSide; };
    if (!widthOk || !heightOk || !inRange(size.width()) || !inRange(size.height()))
        return std::nullopt;
    return size;
}

std::optional<int> ParseJobCount(const QString& text)
{
    bool ok = false;
    const int jobs = text.toInt(&ok);
    if (!ok || jobs < 1 || jobs > MaxJobs)
        return std::nullopt;
    return jobs;
}

std::optional<float> ParseNonNegative(const QString& text)
{
    bool ok = false;
    const float value = text.toFloat(&ok);
    if (!ok || !std::isfinite(value) || value < 0)
        return std::nullopt;
    return value;
}

std::optional<float> ParsePositive(const QString& text)
{
    const std::optional<float> value = ParseNonNegative(text);
    return value && *value > 0 ? value : std::nullopt;
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
    static const char* const names[] = {"scale", "inflate"};
    return ParseChoice<TZintRenderAdjustMode>(text, names);
}

std::optional<TZintHAlign> ParseHAlign(const QString& text)
{
    static const char* const names[] = {"left", "center", "right"};
    return ParseChoice<TZintHAlign>(text, names);
}

std::optional<TZintVAlign> ParseVAlign(const QString& text)
{
    static const char* const names[] = {"top", "center", "bottom"};
    return ParseChoice<TZintVAlign>(text, names);
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
        table += QStringLiteral("%1\t%2\t%3\t%4\n")
                     .arg(index)
                     .arg(entry.LibraryNumber)
                     .arg(QLatin1String(entry.EnumName), QString::fromUtf8(entry.DisplayName));
    }
    return table;
}

namespace {
// "0.33mm" or "0.013in": the length and whether it is in inches.
std::optional<std::pair<float, bool>> ParseLength(const QString& text)
{
    for (const auto& [unit, inches] : {std::pair{"mm", false}, std::pair{"in", true}}) {
        if (text.endsWith(QLatin1String(unit), Qt::CaseInsensitive)) {
            const std::optional<float> length = ParsePositive(text.chopped(2));
            if (!length)
                return std::nullopt;
            return std::pair{*length, inches};
        }
    }
    return std::nullopt;
}
} // namespace

bool ParseImageSize(const QString& text, TRenderSettings& settings)
{
    if (SameName(text, "fit")) {
        settings.ImageSize = TImageSizeMode::ismFitSymbol;
    } else if (SameName(text, "preview")) {
        settings.ImageSize = TImageSizeMode::ismPreviewArea;
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
    if (const auto length = ParseLength(text)) {
        settings.ModuleSizeMode =
            length->second ? TModuleSizeMode::msmInches : TModuleSizeMode::msmMillimetres;
        settings.ModuleSize = length->first;
        return true;
    }
    bool ok = false;
    const int pixels = text.toInt(&ok);
    if (!ok || pixels < 1 || pixels > MaxImageSide)
        return false;
    settings.ModuleSizeMode = TModuleSizeMode::msmPixels;
    settings.ModuleSize = float(pixels);
    return true;
}

bool ParseBarHeight(const QString& text, TRenderSettings& settings)
{
    if (SameName(text, "standard")) {
        settings.BarHeightMode = TBarHeightMode::bhmStandard;
    } else if (SameName(text, "fill")) {
        settings.BarHeightMode = TBarHeightMode::bhmFill;
    } else if (const auto length = ParseLength(text)) {
        settings.BarHeightMode =
            length->second ? TBarHeightMode::bhmInches : TBarHeightMode::bhmMillimetres;
        settings.BarHeight = length->first;
    } else {
        bool ok = false;
        const int modules = text.toInt(&ok);
        if (!ok || modules < 1 || modules > MaxImageSide)
            return false;
        settings.BarHeightMode = TBarHeightMode::bhmModules;
        settings.BarHeight = float(modules);
    }
    return true;
}

bool ParseQuietZones(const QString& text, TRenderSettings& settings)
{
    if (SameName(text, "standard"))
        settings.QuietZones = TQuietZoneMode::qzmStandard;
    else if (SameName(text, "none"))
        settings.QuietZones = TQuietZoneMode::qzmNone;
    else
        return false;
    return true;
}

bool ParseCaptionSize(const QString& text, TRenderSettings& settings)
{
    if (SameName(text, "font")) {
        settings.CaptionSizeMode = TCaptionSizeMode::csmFont;
        return true;
    }
    const bool share = text.endsWith(QLatin1Char('m'), Qt::CaseInsensitive);
    const std::optional<float> size = ParsePositive(share ? text.chopped(1) : text);
    if (!size || *size > MaxImageSide)
        return false;
    settings.CaptionSizeMode = share ? TCaptionSizeMode::csmModules : TCaptionSizeMode::csmPixels;
    settings.CaptionSize = *size;
    return true;
}

std::optional<int> ParseDpi(const QString& text)
{
    bool ok = false;
    const int dpi = text.toInt(&ok);
    if (!ok || dpi < 1 || dpi > MaxDpi)
        return std::nullopt;
    return dpi;
}
