#pragma once

#include "render/length_text.h"
#include "render/render_settings.h"

#include <optional>

// The lengths of the render settings: what each accepts, the same for the window and the batch
// tool, and which mode of the settings a unit stands for.

// A side of a band (margin, padding, border, whitespace, text spacing): pixels or modules,
// fractions drawn as they are; an empty side has none.
extern const TLengthRules BandSideRules;
// A side of a fixed image size: whole pixels above 0.
extern const TLengthRules ImageSideRules;
// The module width: whole pixels, or millimetres or inches, above 0.
extern const TLengthRules ModuleSizeRules;
// The bar height: whole modules (the default unit), millimetres or inches, above 0.
extern const TLengthRules BarHeightRules;
// The caption height: pixels or a share of the module width ("6m"), above 0.
extern const TLengthRules CaptionSizeRules;

// The smallest and largest module width in pixels: 0 leaves the layout free.
extern const TLengthRules ModuleWidthLimitRules;
// MaxiCode's hexagon scale: a factor above 0.
extern const TLengthRules HexagonScaleRules;
// The resolution: whole dots per inch from 1 to MaxDpi.
extern const TLengthRules DpiRules;

// `rules` for a field whose unit is chosen beside it: only `unit`, written without a suffix.
TLengthRules RulesIn(TLengthRules rules, TLengthUnit unit);

TModuleSizeMode ModuleSizeModeOf(TLengthUnit unit);
TBarHeightMode BarHeightModeOf(TLengthUnit unit);
TCaptionSizeMode CaptionSizeModeOf(TLengthUnit unit);

// The unit of the length a mode reads, none for a mode without a length ("fit", "standard").
std::optional<TLengthUnit> UnitOf(TModuleSizeMode mode);
std::optional<TLengthUnit> UnitOf(TBarHeightMode mode);
std::optional<TLengthUnit> UnitOf(TCaptionSizeMode mode);

// The rules for a length shown beside its mode: only the mode's unit, or, for a mode without a
// length, any unit `rules` takes, fractions too, as the field keeps it for later.
TLengthRules RulesFor(TLengthRules rules, std::optional<TLengthUnit> unit);

// A length given in millimetres or inches as it is drawn: pixels are whole dots of the
// resolution, so the length drawn may differ from the one asked for.
struct TDrawnLength
{
    double Asked = 0;    // in the unit given
    double Drawn = 0;    // in the same unit
    double Dots = 0;     // what the length asked for is in dots, fractions and all
    int DrawnDots = 0;   // the whole dots drawn
    bool Inches = false; // the unit given: inches, else millimetres

    // Drawn against asked: -0.11 is 11 % under.
    double Deviation() const { return Drawn / Asked - 1; }
};

// How far a drawn length may stray from the one asked for before the user is told.
constexpr double DrawnLengthTolerance = 0.05;

// The module width drawn for a width in millimetres or inches; nothing for other modes.
std::optional<TDrawnLength> DrawnModuleWidth(const TRenderSettings& settings);
// The bar height drawn for a height in millimetres or inches over a known module width: whole
// modules of whole dots. Nothing for other modes or a fitted module width.
std::optional<TDrawnLength> DrawnBarHeight(const TRenderSettings& settings);
// Whether a drawn length strays too far to pass unreported.
bool StraysFromAsked(const TDrawnLength& length);
// Whether the length asked for is under one dot beyond the tolerance: too fine for the
// resolution, so it is refused rather than drawn coarser.
bool IsUnderOneDot(const TDrawnLength& length);
