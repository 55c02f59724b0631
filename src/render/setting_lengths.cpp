#include "render/setting_lengths.h"

#include "render/render_pipeline.h"

#include <cmath>

namespace {
constexpr std::uint8_t Pixels = LengthUnitBit(TLengthUnit::luPixels);
constexpr std::uint8_t Modules = LengthUnitBit(TLengthUnit::luModules);
constexpr std::uint8_t Physical =
    LengthUnitBit(TLengthUnit::luMillimetres) | LengthUnitBit(TLengthUnit::luInches);
} // namespace

const TLengthRules BandSideRules{
    Pixels | Modules, TLengthUnit::luPixels, true, 0, MaxImageSide, true};
const TLengthRules ImageSideRules{Pixels, TLengthUnit::luPixels, false, Pixels, MaxImageSide};
const TLengthRules ModuleSizeRules{Pixels | Physical, TLengthUnit::luPixels, false, Pixels,
                                   MaxImageSide};
const TLengthRules BarHeightRules{Modules | Physical, TLengthUnit::luModules, false, Modules,
                                  MaxImageSide};
const TLengthRules CaptionSizeRules{Pixels | Modules, TLengthUnit::luPixels, false, 0,
                                    MaxImageSide};

const TLengthRules ModuleWidthLimitRules{Pixels, TLengthUnit::luPixels, true, 0, MaxImageSide};
const TLengthRules HexagonScaleRules{Pixels, TLengthUnit::luPixels, false, 0, MaxImageSide, false,
                                     "times"};
const TLengthRules DpiRules{Pixels, TLengthUnit::luPixels, false, Pixels, MaxDpi, false, "dpi"};

TLengthRules RulesIn(TLengthRules rules, TLengthUnit unit)
{
    rules.Units &= LengthUnitBit(unit);
    rules.Bare = unit;
    return rules;
}

TModuleSizeMode ModuleSizeModeOf(TLengthUnit unit)
{
    switch (unit) {
    case TLengthUnit::luMillimetres:
        return TModuleSizeMode::msmMillimetres;
    case TLengthUnit::luInches:
        return TModuleSizeMode::msmInches;
    case TLengthUnit::luPixels:
    case TLengthUnit::luModules:
        break;
    }
    return TModuleSizeMode::msmPixels;
}

TBarHeightMode BarHeightModeOf(TLengthUnit unit)
{
    switch (unit) {
    case TLengthUnit::luMillimetres:
        return TBarHeightMode::bhmMillimetres;
    case TLengthUnit::luInches:
        return TBarHeightMode::bhmInches;
    case TLengthUnit::luPixels:
    case TLengthUnit::luModules:
        break;
    }
    return TBarHeightMode::bhmModules;
}

TCaptionSizeMode CaptionSizeModeOf(TLengthUnit unit)
{
    return unit == TLengthUnit::luModules ? TCaptionSizeMode::csmModules
                                          : TCaptionSizeMode::csmPixels;
}

std::optional<TLengthUnit> UnitOf(TModuleSizeMode mode)
{
    switch (mode) {
    case TModuleSizeMode::msmPixels:
        return TLengthUnit::luPixels;
    case TModuleSizeMode::msmMillimetres:
        return TLengthUnit::luMillimetres;
    case TModuleSizeMode::msmInches:
        return TLengthUnit::luInches;
    case TModuleSizeMode::msmFit:
        break;
    }
    return std::nullopt;
}

std::optional<TLengthUnit> UnitOf(TBarHeightMode mode)
{
    switch (mode) {
    case TBarHeightMode::bhmModules:
        return TLengthUnit::luModules;
    case TBarHeightMode::bhmMillimetres:
        return TLengthUnit::luMillimetres;
    case TBarHeightMode::bhmInches:
        return TLengthUnit::luInches;
    case TBarHeightMode::bhmStandard:
    case TBarHeightMode::bhmFill:
        break;
    }
    return std::nullopt;
}

std::optional<TLengthUnit> UnitOf(TCaptionSizeMode mode)
{
    switch (mode) {
    case TCaptionSizeMode::csmPixels:
        return TLengthUnit::luPixels;
    case TCaptionSizeMode::csmModules:
        return TLengthUnit::luModules;
    case TCaptionSizeMode::csmFont:
        break;
    }
    return std::nullopt;
}

TLengthRules RulesFor(TLengthRules rules, std::optional<TLengthUnit> unit)
{
    if (unit)
        return RulesIn(rules, *unit);
    rules.WholeUnits = 0;
    return rules;
}

namespace {
TDrawnLength DrawnLength(double asked, bool inches, int dpi, int drawnDots)
{
    TDrawnLength length;
    length.Asked = asked;
    length.Inches = inches;
    length.Dots = LengthToPixels(float(asked), inches, dpi);
    length.DrawnDots = drawnDots;
    length.Drawn = asked * drawnDots / length.Dots;
    return length;
}
} // namespace

std::optional<TDrawnLength> DrawnModuleWidth(const TRenderSettings& settings)
{
    if (settings.ModuleSizeMode != TModuleSizeMode::msmMillimetres &&
        settings.ModuleSizeMode != TModuleSizeMode::msmInches)
        return std::nullopt;
    return DrawnLength(settings.ModuleSize, settings.ModuleSizeMode == TModuleSizeMode::msmInches,
                       settings.Dpi, int(ModuleWidthInPixels(settings)));
}

std::optional<TDrawnLength> DrawnBarHeight(const TRenderSettings& settings)
{
    const bool physical = settings.BarHeightMode == TBarHeightMode::bhmMillimetres ||
                          settings.BarHeightMode == TBarHeightMode::bhmInches;
    const float moduleWidth = ModuleWidthInPixels(settings);
    if (!physical || moduleWidth == 0)
        return std::nullopt;
    return DrawnLength(settings.BarHeight, settings.BarHeightMode == TBarHeightMode::bhmInches,
                       settings.Dpi, LinearRowHeightFor(settings) * int(moduleWidth));
}

bool StraysFromAsked(const TDrawnLength& length)
{
    return std::abs(length.Deviation()) > DrawnLengthTolerance;
}

bool IsUnderOneDot(const TDrawnLength& length)
{
    return length.Dots < 1 - DrawnLengthTolerance;
}
