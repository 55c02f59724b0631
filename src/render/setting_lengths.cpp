#include "render/setting_lengths.h"

#include "render/render_pipeline.h"

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
