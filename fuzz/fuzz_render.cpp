#include "fuzz_support.h"

#include "base/zint_exception.h"
#include "io/entry_export.h"
#include "io/png_writer.h"
#include "render/render_settings.h"
#include "symbol/zint_symbol.h"
#include "symbol/zint_symbology.h"

#include <QBuffer>
#include <QImage>

namespace {
enum LayoutBits : std::uint8_t
{
    HideText = 1,
    NoQuietZones = 2,
    FitModules = 4,
    FillBarHeight = 8,
    PreviewAreaImage = 16,
    TwoPixelModules = 32,
};

// The layout byte picks among the output size choices, kept to small images so that a run
// spends its time on many inputs rather than on a few huge pictures.
TRenderSettings SettingsFor(std::uint8_t layout, const QString& primary)
{
    TRenderSettings settings;
    settings.ShowText = !(layout & HideText);
    settings.QuietZones =
        (layout & NoQuietZones) ? TQuietZoneMode::qzmNone : TQuietZoneMode::qzmStandard;
    settings.ModuleSizeMode =
        (layout & FitModules) ? TModuleSizeMode::msmFit : TModuleSizeMode::msmPixels;
    settings.ModuleSize = (layout & TwoPixelModules) ? 2 : 1;
    settings.BarHeightMode =
        (layout & FillBarHeight) ? TBarHeightMode::bhmFill : TBarHeightMode::bhmStandard;
    settings.ImageSize =
        (layout & PreviewAreaImage) ? TImageSizeMode::ismPreviewArea : TImageSizeMode::ismFitSymbol;
    if (!primary.isNull())
        settings.PrimaryMessage = primary;
    return settings;
}
} // namespace

// Bytes: symbology (catalogue index), option_1, option_2, option_3 (signed), layout choices,
// then the text as UTF-8; a text "primary|data" also sets the primary message of composites
// and MaxiCode. The text goes the exports' way to a PNG in memory: an image or an
// EZintException, nothing else.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 5)
        return 0;
    EnsureFuzzApplication();
    const auto symbology = TZintSymbology(data[0] % SymbologyCount);
    QString text = QString::fromUtf8(FuzzBytes(data + 5, size - 5));
    QString primary;
    if (const qsizetype bar = text.indexOf(u'|'); bar >= 0) {
        primary = text.left(bar);
        text.remove(0, bar + 1);
    }

    TZintSymbol symbol;
    symbol.SetSymbolType(symbology);
    symbol.set_option_1(std::int8_t(data[1]));
    symbol.set_option_2(std::int8_t(data[2]));
    symbol.set_option_3(std::int8_t(data[3]));
    try {
        const QImage image =
            RenderEntryImage(symbol, symbology, text, SettingsFor(data[4], primary), {303, 417});
        FuzzCheck(!image.isNull(), "a null image without an error");
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        WritePng(image, png);
        FuzzCheck(png.data().startsWith("\x89PNG\r\n\x1a\n"), "a PNG without its signature");
    } catch (const EZintException&) {
        // a clean refusal is one of the two right answers
    }
    return 0;
}
