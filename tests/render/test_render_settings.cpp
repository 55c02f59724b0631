// The one settings value: how its output-size choices reach the symbol and the layout, and
// what the render pipeline makes of them.
#include "base/zint_exception.h"
#include "render/render_pipeline.h"
#include "render/render_settings.h"
#include "render/zint_metafile.h"
#include "render/zint_render_box.h"
#include "render/zint_render_value.h"
#include "render/zint_render_wmf.h"
#include "symbol/zint_symbol.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>
#include <string>

namespace {
const QSize PreviewArea(303, 417);

TRenderSettings With(const std::function<void(TRenderSettings&)>& change)
{
    TRenderSettings settings;
    change(settings);
    return settings;
}

TMetafile Render(TZintSymbology symbology, const QString& text, const TRenderSettings& settings)
{
    TZintSymbol symbol;
    PrepareSymbol(symbol, symbology);
    return RenderSymbolToMetafile(symbol, text, settings, PreviewArea);
}

std::string ErrorOf(TZintSymbology symbology, const QString& text, const TRenderSettings& settings)
{
    try {
        Render(symbology, text, settings);
    } catch (const EZintException& error) {
        return error.what();
    }
    return "no error";
}
} // namespace

TEST(RenderSettings, ModuleWidthAndRowHeightFollowTheChosenUnits)
{
    const struct
    {
        TModuleSizeMode Mode;
        float Size;
        TBarHeightMode BarMode;
        float Bar;
        float Pixels;
        int Rows;
    } cases[] = {
        {TModuleSizeMode::msmPixels, 2, TBarHeightMode::bhmStandard, 0, 2, LinearRowHeightStandard},
        {TModuleSizeMode::msmPixels, 3, TBarHeightMode::bhmModules, 40, 3, 40},
        // 0.33 mm at 300 dpi is 3.9 dots: whole dots, as the printer prints them.
        {TModuleSizeMode::msmMillimetres, 0.33f, TBarHeightMode::bhmMillimetres, 15, 4, 44},
        {TModuleSizeMode::msmInches, 0.01f, TBarHeightMode::bhmInches, 0.5f, 3, 50},
        // A fitted module width is the layout's: it sizes length rows itself.
        {TModuleSizeMode::msmFit, 0, TBarHeightMode::bhmMillimetres, 15, 0,
         LinearRowHeightFromLayout},
        {TModuleSizeMode::msmFit, 0, TBarHeightMode::bhmFill, 0, 0, LinearRowHeightFromLayout},
    };
    for (const auto& c : cases) {
        const TRenderSettings settings = With([&](TRenderSettings& s) {
            s.ModuleSizeMode = c.Mode;
            s.ModuleSize = c.Size;
            s.BarHeightMode = c.BarMode;
            s.BarHeight = c.Bar;
        });
        EXPECT_FLOAT_EQ(ModuleWidthInPixels(settings), c.Pixels) << c.Size;
        EXPECT_EQ(LinearRowHeightFor(settings), c.Rows) << c.Size;
    }
}

TEST(RenderSettings, AnyNumberFromAFieldBecomesAUsableWholeNumber)
{
    const float infinity = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct
    {
        float Value;
        float Pixels;
        int Rows;
    } cases[] = {{1e30f, 32767, 32767}, {infinity, 32767, 32767},
                 {nan, 1, 1},           {-5, 1, 1},
                 {0.4f, 1, 1},          {2.5f, 3, 3}};
    for (const auto& c : cases) {
        const TRenderSettings settings = With([&](TRenderSettings& s) {
            s.ModuleSize = c.Value;
            s.BarHeightMode = TBarHeightMode::bhmModules;
            s.BarHeight = c.Value;
        });
        EXPECT_FLOAT_EQ(ModuleWidthInPixels(settings), c.Pixels) << c.Value;
        EXPECT_EQ(LinearRowHeightFor(settings), c.Rows) << c.Value;
    }
}

TEST(RenderSettings, PreviewAreaLayoutIsTheLayoutEnginesOwnDefault)
{
    // The layout's worked examples run on a target left at these values.
    TZintRenderTargetWMF preview;
    ApplyRenderSettings(PreviewAreaLayoutSettings(), preview);
    EXPECT_EQ(preview.FixedModuleWidth(), 0.0f);
    EXPECT_FALSE(preview.WholeModules());
    EXPECT_FALSE(preview.FitToSymbol());
    EXPECT_EQ(preview.FreeRowHeight(), 0.0f);
    EXPECT_EQ(LinearRowHeightFor(PreviewAreaLayoutSettings()), LinearRowHeightCreated);

    TZintRenderTargetWMF defaults;
    ApplyRenderSettings(TRenderSettings(), defaults);
    EXPECT_EQ(defaults.FixedModuleWidth(), 2.0f);
    EXPECT_TRUE(defaults.FitToSymbol());
}

TEST(RenderPipeline, DefaultImageIsTheSymbolWithItsQuietZones)
{
    TZintSymbol symbol;
    PrepareSymbol(symbol, TZintSymbology::zsCODE128);
    const TRenderSettings settings;
    const QImage image = RenderedImage(
        RenderSymbolToMetafile(symbol, QStringLiteral("LBL/00001-9e37"), settings, PreviewArea),
        settings);
    // Ten modules of quiet zone on either side, two pixels a module, libzint's 50-module bars.
    EXPECT_EQ(image.width(), (symbol.width() + 20) * 2);
    EXPECT_EQ(symbol.row_height(0), 50);
    EXPECT_GT(image.height(), 100);
    EXPECT_EQ(image.dotsPerMeterX(), 11811);
    for (int y = 0; y < image.height(); ++y) {
        EXPECT_EQ(image.pixel(19, y), qRgb(255, 255, 255)) << y;
        EXPECT_EQ(image.pixel(image.width() - 20, y), qRgb(255, 255, 255)) << y;
    }
    EXPECT_EQ(image.pixel(20, 0), qRgb(0, 0, 0)) << "the start bar right after the zone";

    const QImage none = RenderedImage(
        Render(TZintSymbology::zsCODE128, QStringLiteral("LBL/00001-9e37"),
               With([](TRenderSettings& s) { s.QuietZones = TQuietZoneMode::qzmNone; })),
        settings);
    EXPECT_EQ(none.width(), symbol.width() * 2);
}

TEST(RenderPipeline, TextWiderThanTheSymbolIsSetSmallerNotCut)
{
    // EAN-8's digits are laid out between its bars; a short Code 128 under a big font is not.
    const TRenderSettings settings = With([](TRenderSettings& s) {
        s.CaptionSizeMode = TCaptionSizeMode::csmPixels;
        s.CaptionSize = 120;
        s.QuietZones = TQuietZoneMode::qzmNone;
    });
    const QImage image =
        RasteriseMetafile(Render(TZintSymbology::zsCODE128, QStringLiteral("AB"), settings));
    // Centred text that overflows runs off both edges at once.
    const QRgb black = qRgb(0, 0, 0);
    int left = image.width(), right = -1;
    for (int y = 110; y < image.height(); ++y) {
        EXPECT_FALSE(image.pixel(0, y) == black && image.pixel(image.width() - 1, y) == black)
            << "text cut at both sides, row " << y;
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == black) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_GE(right, 0) << "the text is still there";
    EXPECT_LE(std::abs((image.width() - 1 - right) - left), 4) << "and centred";
}

TEST(RenderPipeline, ImagesWithoutUsableModulesOrOfAbsurdSizeFailWithAMessage)
{
    const struct
    {
        const char* Name;
        TRenderSettings Settings;
        const char* MessagePart;
    } cases[] = {
        {"huge whitespace", With([](TRenderSettings& s) { s.Whitespace.Left.Modules = 1e30f; }),
         "32767 pixels a side"},
        {"huge padding", With([](TRenderSettings& s) { s.Padding.Top.TargetUnits = 1e20f; }),
         "32767 pixels a side"},
        {"huge text spacing",
         With([](TRenderSettings& s) { s.TextSpacing.Bottom.Modules = 1e30f; }),
         "32767 pixels a side"},
        {"fixed size over the bound", With([](TRenderSettings& s) {
             s.ImageSize = TImageSizeMode::ismFixed;
             s.FixedImageSize = QSize(32767, 32767);
         }),
         "32767 pixels a side"},
        {"tiny maximum module", With([](TRenderSettings& s) {
             s.ModuleSizeMode = TModuleSizeMode::msmFit;
             s.ExactFit = true;
             s.MaxModuleWidth = 1e-30f;
         }),
         "at least one pixel"},
        {"one-pixel image", With([](TRenderSettings& s) {
             s.ImageSize = TImageSizeMode::ismFixed;
             s.FixedImageSize = QSize(1, 1);
         }),
         "too small"},
    };
    for (const auto& c : cases) {
        const std::string error =
            ErrorOf(TZintSymbology::zsCODE128, QStringLiteral("LBL"), c.Settings);
        EXPECT_NE(error.find(c.MessagePart), std::string::npos) << c.Name << ": " << error;
    }
}

// Composites once took the digits 1234567890 as their linear component whenever the user gave
// none; wherever those digits made a symbol, the picture without a primary message is still
// that one, and every composite now renders without one.
TEST(RenderPipeline, CompositesWithoutAPrimaryKeepTheirFormerPicture)
{
    const QString formerDefault = QStringLiteral("1234567890");
    for (const TSymbologyEntry& entry : SymbologyCatalogue) {
        if (!entry.Traits.IsComposite())
            continue;
        SCOPED_TRACE(entry.EnumName);
        const QString text = QString::fromUtf8(entry.Traits.SampleText);
        QImage withoutPrimary;
        ASSERT_NO_THROW(withoutPrimary =
                            RasteriseMetafile(Render(entry.Symbology, text, TRenderSettings())));
        if (ErrorOf(entry.Symbology, text, With([&](TRenderSettings& s) {
                        s.PrimaryMessage = formerDefault;
                    })) != "no error")
            continue;
        const QImage former = RasteriseMetafile(
            Render(entry.Symbology, text,
                   With([&](TRenderSettings& s) { s.PrimaryMessage = formerDefault; })));
        EXPECT_EQ(withoutPrimary, former);
    }
}
