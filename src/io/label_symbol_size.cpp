#include "io/label_symbol_size.h"

#include "io/entry_export.h"
#include "render/physical_units.h"

#include <algorithm>
#include <cmath>

namespace {
// Bars filling a tall label would be longer than any reader needs: about EAN-13's own height.
constexpr double TallestBarRoomMm = 25;
// Lengths from the catalogue land a hair off whole dots.
constexpr double DotTolerance = 1e-6;

bool Fits(QSize picture, QSize room)
{
    return picture.width() <= room.width() && picture.height() <= room.height();
}
} // namespace

TLabelSymbolSizer::TLabelSymbolSizer(TZintSymbology symbology, const TRenderSettings& settings,
                                     QSize previewArea, bool sizeForLabel)
    : FSymbology(symbology), FSettings(settings), FPreviewArea(previewArea)
{
    const TLabelModules& modules = lintaro::LabelModules(symbology);
    if (!sizeForLabel || modules.LargestMm <= 0)
        return;
    const double dotMm = MillimetresPerInch / settings.Dpi;
    FLargestDots = std::max(1, int(std::floor(modules.LargestMm / dotMm + DotTolerance)));
    // At some resolutions the largest whole dot under the range's top is below its minimum;
    // the next one up, a little over the top, is the better print.
    if (FLargestDots * dotMm < modules.SmallestMm - DotTolerance)
        FLargestDots = int(std::ceil(modules.SmallestMm / dotMm - DotTolerance));
    FSettings.ModuleSizeMode = TModuleSizeMode::msmPixels;
    FSettings.ImageSize = TImageSizeMode::ismFitSymbol;
    FFillBars = lintaro::Traits(symbology).IsSingleRow() &&
                settings.BarHeightMode == TBarHeightMode::bhmStandard;
    if (FFillBars)
        FSettings.BarHeightMode = TBarHeightMode::bhmFill;
    FBarRoomDots = int(std::lround(TallestBarRoomMm / dotMm));
}

TMetafile TLabelSymbolSizer::RenderAt(TZintSymbol& symbol, const QString& text, int moduleDots,
                                      QSize room) const
{
    TRenderSettings settings = FSettings;
    settings.ModuleSize = float(moduleDots);
    // Filled bars take the room's height; the width is the symbol's own.
    const QSize area =
        FFillBars ? QSize(std::max(room.width(), 1), std::clamp(room.height(), 1, FBarRoomDots))
                  : FPreviewArea;
    return RenderEntryPicture(symbol, FSymbology, text, settings, area);
}

TLabelSymbol TLabelSymbolSizer::Render(TZintSymbol& symbol, const QString& text, QSize room)
{
    if (FLargestDots == 0)
        return {RenderEntryPicture(symbol, FSymbology, text, FSettings, FPreviewArea), 0};
    int dots = std::clamp(FLastDots, 1, FLargestDots);
    if (FLastDots == 0)
        dots = FLargestDots;
    TMetafile picture = RenderAt(symbol, text, dots, room);
    // A picture grows with its module nearly in proportion (captions do not): the estimate
    // finds the module in one or two renders, and the checks keep to what truly fits.
    const auto estimate = [&](const TMetafile& drawn, int at) {
        double ratio = double(room.width()) / drawn.Width();
        if (!FFillBars)
            ratio = std::min(ratio, double(room.height()) / drawn.Height());
        return int(std::floor(at * ratio + DotTolerance));
    };
    if (Fits(picture.Size(), room)) {
        for (int larger = std::min(FLargestDots, estimate(picture, dots)); larger > dots;
             --larger) {
            TMetafile tried = RenderAt(symbol, text, larger, room);
            if (Fits(tried.Size(), room)) {
                picture = std::move(tried);
                dots = larger;
                break;
            }
        }
    } else {
        while (dots > 1 && !Fits(picture.Size(), room)) {
            dots = std::clamp(estimate(picture, dots), 1, dots - 1);
            picture = RenderAt(symbol, text, dots, room);
        }
    }
    FLastDots = dots;
    return {std::move(picture), dots};
}

double TLabelSymbolSizer::ModuleMm(const TLabelSymbol& drawn, double scale) const
{
    const double dots = drawn.ModuleDots > 0 ? drawn.ModuleDots : ModuleWidthInPixels(FSettings);
    return dots * scale * MillimetresPerInch / FSettings.Dpi;
}

QString ModuleBelowMinimumNote(TZintSymbology symbology, double moduleMm)
{
    const TLabelModules& modules = lintaro::LabelModules(symbology);
    if (moduleMm <= 0 || moduleMm >= modules.SmallestMm - DotTolerance)
        return {};
    return QStringLiteral("module %1 mm is below %2 mm, %3")
        .arg(moduleMm, 0, 'f', 3)
        .arg(double(modules.SmallestMm), 0, 'f', 3)
        .arg(QLatin1String(modules.SmallestSource));
}
