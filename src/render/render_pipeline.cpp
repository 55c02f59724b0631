#include "render/render_pipeline.h"

#include "base/zint_exception.h"
#include "render/indexed_raster.h"
#include "render/render_settings.h"
#include "render/zint_metafile.h"
#include "render/zint_render_box.h"
#include "render/zint_render_value.h"
#include "render/zint_render_wmf.h"
#include "symbol/quiet_zones.h"
#include "symbol/zint_symbol.h"

#include <QImage>

#include <cmath>
#include <string>

namespace {
constexpr double MetresPerInch = 0.0254;

bool HasAddon(const TZintSymbol& symbol)
{
    return symbol.text().contains('+');
}

void AddQuietZones(const TZintSymbol& symbol, TZintRenderBox& whitespace)
{
    const TQuietZones zones = StandardQuietZones(symbol.SymbolType(), HasAddon(symbol));
    whitespace.Left()->IncModules(float(zones.Left));
    whitespace.Right()->IncModules(float(zones.Right));
    whitespace.Top()->IncModules(float(zones.Top));
    whitespace.Bottom()->IncModules(float(zones.Bottom));
}

// A fixed-size symbology has one standard size, drawn at the resolution while the module size
// is the default whole pixels; a size in lengths or fitted to the image applies as given.
void UseStandardModuleSize(const TZintSymbol& symbol, const TRenderSettings& settings,
                           TZintRenderTargetCanvas& target)
{
    const float millimetres = lintaro::Traits(symbol.SymbolType()).StandardModuleMm;
    if (millimetres > 0 && settings.ModuleSizeMode == TModuleSizeMode::msmPixels)
        target.SetFixedModuleWidth(LengthToPixels(millimetres, false, settings.Dpi));
}

QSize ImageArea(const TRenderSettings& settings, QSize previewArea)
{
    return settings.ImageSize == TImageSizeMode::ismFixed ? settings.FixedImageSize : previewArea;
}

void CheckNotEmpty(QSize size)
{
    if (size.width() < 1 || size.height() < 1)
        throw EZintException("There is no image to save.");
}

void CheckModuleWidth(float moduleWidth)
{
    if (!(moduleWidth >= 1))
        throw EZintException(
            QStringLiteral("The symbol's modules would be %1 pixels wide; they must be at least "
                           "one pixel. Make the image or the module size larger.")
                .arg(double(moduleWidth), 0, 'g', 3)
                .toStdString());
}
} // namespace

namespace {
QString PixelCount(double pixels)
{
    return pixels < 1e7 ? QString::number(pixels, 'f', 0) : QStringLiteral("over 10000000");
}
} // namespace

void CheckImageSize(double width, double height)
{
    // Four bytes a pixel, as the picture is rasterised.
    if (!(width <= MaxImageSide && height <= MaxImageSide && width * height * 4 <= MaxImageBytes))
        throw EZintException(QStringLiteral("The image would be %1 x %2 pixels; images are limited "
                                            "to 32767 pixels a side and 256 MiB.")
                                 .arg(PixelCount(width), PixelCount(height))
                                 .toStdString());
}

TZintSymbol& PrepareSymbol(TZintSymbol& symbol, TZintSymbology symbology)
{
    symbol.Clear();
    symbol.SetSymbolType(symbology);
    symbol.set_input_mode(1);
    return symbol;
}

QString PrimaryMessageFor(TZintSymbology symbology, const QString& given)
{
    const char* linear = lintaro::Traits(symbology).LinearComponent;
    return given.isEmpty() && linear ? QString::fromLatin1(linear) : given;
}

TMetafile RenderSymbolToMetafile(TZintSymbol& symbol, const QString& text,
                                 const TRenderSettings& settings, QSize previewArea)
{
    symbol.set_primary(PrimaryMessageFor(symbol.SymbolType(), settings.PrimaryMessage));
    symbol.SetLinearRowHeight(LinearRowHeightFor(settings));
    symbol.Encode(text, true);
    const QSize area = ImageArea(settings, previewArea);
    CheckImageSize(area.width(), area.height());
    TMetafile metafile(area.width(), area.height());
    TZintRenderTargetWMF target;
    target.SetMetafile(&metafile);
    ApplyRenderSettings(settings, target);
    UseStandardModuleSize(symbol, settings, target);
    if (settings.QuietZones == TQuietZoneMode::qzmStandard)
        AddQuietZones(symbol, *target.Whitespace());
    target.Render(symbol);
    CheckImageSize(metafile.Width(), metafile.Height());
    CheckNotEmpty(metafile.Size());
    CheckModuleWidth(target.ModuleWidth());
    return metafile;
}

QImage RenderedImage(const TMetafile& metafile, const TRenderSettings& settings)
{
    QImage image = RasteriseMetafileIndexed(metafile);
    if (image.isNull())
        image = RasteriseMetafile(metafile);
    const int dotsPerMetre = int(std::lround(settings.Dpi / MetresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}
