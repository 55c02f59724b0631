#include "render/render_settings.h"

#include "render/render_pipeline.h"

#include "render/physical_units.h"
#include "render/zint_render_box.h"
#include "render/zint_render_canvas.h"
#include "render/zint_render_value.h"
#include "symbol/zint_symbol.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Settings come from text fields and command lines: any float, infinities and NaN included,
// must become a whole number the layout can use.
int WholeNumberIn(double value, int low, int high)
{
    if (!(value >= low))
        return low;
    return value >= high ? high : int(std::lround(value));
}

// The modules a length in pixels comes to; rows are whole modules high.
int ModulesFor(float pixels, float moduleWidth)
{
    return WholeNumberIn(double(pixels) / moduleWidth, 1, MaxImageSide);
}
} // namespace

TRenderSettings::TRenderSettings() : Font(DefaultTextFont()) {}

TRenderSettings PreviewAreaLayoutSettings()
{
    TRenderSettings settings;
    settings.ImageSize = TImageSizeMode::ismPreviewArea;
    settings.ModuleSizeMode = TModuleSizeMode::msmFit;
    settings.ExactFit = true;
    settings.BarHeightMode = TBarHeightMode::bhmModules;
    settings.BarHeight = LinearRowHeightCreated;
    settings.QuietZones = TQuietZoneMode::qzmNone;
    return settings;
}

float LengthToPixels(float length, bool inches, int dpi)
{
    return float(double(length) * dpi / (inches ? 1.0 : MillimetresPerInch));
}

float ModuleWidthInPixels(const TRenderSettings& settings)
{
    switch (settings.ModuleSizeMode) {
    case TModuleSizeMode::msmPixels:
        return float(WholeNumberIn(settings.ModuleSize, 1, MaxImageSide));
    case TModuleSizeMode::msmMillimetres:
    case TModuleSizeMode::msmInches:
        // A printer at this resolution prints whole dots: the nearest whole number of them.
        return float(WholeNumberIn(
            LengthToPixels(settings.ModuleSize,
                           settings.ModuleSizeMode == TModuleSizeMode::msmInches, settings.Dpi),
            1, MaxImageSide));
    case TModuleSizeMode::msmFit:
        break;
    }
    return 0;
}

int LinearRowHeightFor(const TRenderSettings& settings)
{
    switch (settings.BarHeightMode) {
    case TBarHeightMode::bhmStandard:
        return LinearRowHeightStandard;
    case TBarHeightMode::bhmModules:
        return WholeNumberIn(settings.BarHeight, 1, MaxImageSide);
    case TBarHeightMode::bhmMillimetres:
    case TBarHeightMode::bhmInches: {
        // With a known module width the length becomes whole modules; a fitted module width
        // is known only to the layout, which then sizes the rows itself.
        const float moduleWidth = ModuleWidthInPixels(settings);
        if (moduleWidth > 0)
            return ModulesFor(LengthToPixels(settings.BarHeight,
                                             settings.BarHeightMode == TBarHeightMode::bhmInches,
                                             settings.Dpi),
                              moduleWidth);
        return LinearRowHeightFromLayout;
    }
    case TBarHeightMode::bhmFill:
        break;
    }
    return LinearRowHeightFromLayout;
}

TRenderBoxValue BoxValueOf(const TZintRenderBox& box)
{
    const auto side = [](const TZintRenderValue& value) {
        return TRenderSide{value.TargetUnits(), value.Modules()};
    };
    return {side(*box.Top()), side(*box.Left()), side(*box.Right()), side(*box.Bottom())};
}

void CopyBoxValue(const TRenderBoxValue& value, TZintRenderBox& box)
{
    const std::pair<const TRenderSide&, TZintRenderValue*> sides[] = {{value.Top, box.Top()},
                                                                      {value.Left, box.Left()},
                                                                      {value.Right, box.Right()},
                                                                      {value.Bottom, box.Bottom()}};
    for (const auto& [side, target] : sides) {
        target->SetTargetUnits(side.TargetUnits);
        target->SetModules(side.Modules);
    }
}

void ApplyRenderSettings(const TRenderSettings& settings, TZintRenderTargetCanvas& target)
{
    target.SetForegroundColor(QColorToTColor(settings.Foreground));
    target.SetBackgroundColor(QColorToTColor(settings.Background));
    target.SetHexagonScale(settings.HexagonScale);
    target.SetRenderAdjustMode(settings.AdjustMode);
    target.SetShowText(settings.ShowText);
    CopyBoxValue(settings.Margin, *target.Margin());
    CopyBoxValue(settings.Padding, *target.Padding());
    CopyBoxValue(settings.TextSpacing, *target.TextSpacing());
    CopyBoxValue(settings.Border, *target.Border());
    CopyBoxValue(settings.Whitespace, *target.Whitespace());
    target.SetHAlign(settings.HAlign);
    target.SetVAlign(settings.VAlign);
    target.SetMinModuleWidth(settings.MinModuleWidth);
    target.SetMaxModuleWidth(settings.MaxModuleWidth);

    const float moduleWidth = ModuleWidthInPixels(settings);
    target.SetFixedModuleWidth(moduleWidth);
    target.SetWholeModules(moduleWidth == 0 && !settings.ExactFit);
    target.SetFitToSymbol(settings.ImageSize == TImageSizeMode::ismFitSymbol);
    const bool lengthRows = settings.BarHeightMode == TBarHeightMode::bhmMillimetres ||
                            settings.BarHeightMode == TBarHeightMode::bhmInches;
    target.SetFreeRowHeight(
        lengthRows && moduleWidth == 0
            ? LengthToPixels(settings.BarHeight,
                             settings.BarHeightMode == TBarHeightMode::bhmInches, settings.Dpi)
            : 0);

    QFont font = settings.Font;
    // Two-colour pictures: text without grey edges prints crisply on label printers and keeps
    // the image file 1-bit.
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoAntialias));
    switch (settings.CaptionSizeMode) {
    case TCaptionSizeMode::csmFont:
        break;
    case TCaptionSizeMode::csmPixels:
        font.setPixelSize(WholeNumberIn(settings.CaptionSize, 1, MaxImageSide));
        break;
    case TCaptionSizeMode::csmModules:
        if (moduleWidth > 0)
            font.setPixelSize(
                WholeNumberIn(double(settings.CaptionSize) * moduleWidth, 1, MaxImageSide));
        else
            target.SetTextModuleShare(settings.CaptionSize);
        break;
    }
    target.SetFont(font, Qt::black);
}
