// The indexed rasteriser against QPainter's: the same pixels, and the same file bytes in every
// raster format, for every symbology of the catalogue under settings that exercise each kind
// of command (bars, rows, separators, borders, rings, hexagons, dots, captions).
#include "base/zint_exception.h"
#include "io/image_writer.h"
#include "render/indexed_raster.h"
#include "render/render_pipeline.h"
#include "render/render_settings.h"
#include "render/zint_metafile.h"
#include "symbol/zint_symbol.h"
#include "symbol/zint_symbology.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <optional>
#include <string>

namespace {

struct TSettingsRow
{
    const char* Name;
    TRenderSettings Settings;
};

TRenderSettings With(const std::function<void(TRenderSettings&)>& change)
{
    TRenderSettings settings;
    change(settings);
    return settings;
}

TRenderBoxValue Modules(float modules)
{
    const TRenderSide side{0, modules};
    return {side, side, side, side};
}

// The program does not rotate pictures, so no rotated rows; colours reach the picture without
// alpha, so a transparent background is drawn in its colour as QPainter draws it.
std::vector<TSettingsRow> SettingsRows()
{
    return {
        {"defaults", TRenderSettings()},
        {"no caption", With([](TRenderSettings& s) { s.ShowText = false; })},
        {"bands in modules", With([](TRenderSettings& s) {
             s.Border = Modules(1);
             s.Whitespace = Modules(3);
             s.Margin = Modules(2);
             s.Padding = Modules(1);
             s.TextSpacing = Modules(1);
         })},
        {"no quiet zones, 1 px modules", With([](TRenderSettings& s) {
             s.QuietZones = TQuietZoneMode::qzmNone;
             s.ModuleSize = 1;
         })},
        {"colours", With([](TRenderSettings& s) {
             s.Foreground = QColor(0x12, 0x34, 0x56);
             s.Background = QColor(0xFE, 0xDC, 0xBA);
         })},
        {"transparent background", With([](TRenderSettings& s) {
             s.Background = Qt::transparent;
             s.Foreground = Qt::darkRed;
         })},
        {"millimetre modules", With([](TRenderSettings& s) {
             s.ModuleSizeMode = TModuleSizeMode::msmMillimetres;
             s.ModuleSize = 0.33f;
             s.Dpi = 203;
         })},
        {"fitted exactly, centred", With([](TRenderSettings& s) {
             s.ImageSize = TImageSizeMode::ismFixed;
             s.FixedImageSize = QSize(301, 211);
             s.ModuleSizeMode = TModuleSizeMode::msmFit;
             s.ExactFit = true;
             s.HAlign = TZintHAlign::haCenter;
             s.VAlign = TZintVAlign::vaCenter;
             s.BarHeightMode = TBarHeightMode::bhmFill;
         })},
        {"module width limits", With([](TRenderSettings& s) {
             s.ImageSize = TImageSizeMode::ismFixed;
             s.FixedImageSize = QSize(640, 480);
             s.ModuleSizeMode = TModuleSizeMode::msmFit;
             s.MinModuleWidth = 1.5f;
             s.MaxModuleWidth = 3.25f;
             s.AdjustMode = TZintRenderAdjustMode::ramInflate;
         })},
        {"caption in pixels", With([](TRenderSettings& s) {
             s.CaptionSizeMode = TCaptionSizeMode::csmPixels;
             s.CaptionSize = 9;
             s.Font = QFont(QStringLiteral("DejaVu Sans"));
         })},
        {"caption in modules", With([](TRenderSettings& s) {
             s.CaptionSizeMode = TCaptionSizeMode::csmModules;
             s.CaptionSize = 6;
             s.ModuleSize = 3;
         })},
        {"preview area", PreviewAreaLayoutSettings()},
    };
}

std::optional<TMetafile> Render(TZintSymbology symbology, const TRenderSettings& settings)
{
    TZintSymbol symbol;
    PrepareSymbol(symbol, symbology);
    try {
        const char* sample = lintaro::Traits(symbology).SampleText;
        return RenderSymbolToMetafile(symbol, QString::fromUtf8(sample), settings, {303, 417});
    } catch (const EZintException&) {
        return std::nullopt; // a layout this row's settings refuse: nothing to compare
    }
}

QByteArray Encoded(const QImage& image, TImageFileFormat format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WriteImage(image, format, buffer);
    return bytes;
}

QImage WithResolution(QImage image)
{
    image.setDotsPerMeterX(11811);
    image.setDotsPerMeterY(11811);
    return image;
}

} // namespace

TEST(IndexedRaster, SamePixelsAndFilesAsQPainterForEverySymbologyAndSetting)
{
    const TImageFileFormat formats[] = {TImageFileFormat::iffPng, TImageFileFormat::iffGif,
                                        TImageFileFormat::iffBmp, TImageFileFormat::iffJpeg};
    for (const TSettingsRow& row : SettingsRows()) {
        std::string fallbacks;
        int drawn = 0;
        for (const TSymbologyEntry& entry : SymbologyCatalogue) {
            SCOPED_TRACE(std::string(row.Name) + " / " + entry.DisplayName);
            const std::optional<TMetafile> picture = Render(entry.Symbology, row.Settings);
            if (!picture)
                continue;
            const QImage painted = WithResolution(RasteriseMetafile(*picture));
            const QImage indexed = RasteriseMetafileIndexed(*picture);
            if (indexed.isNull()) {
                fallbacks += std::string(" ") + entry.EnumName;
                continue;
            }
            ++drawn;
            ASSERT_EQ(indexed.format(), QImage::Format_Indexed8);
            ASSERT_EQ(indexed.convertToFormat(QImage::Format_RGB32), painted);
            for (const TImageFileFormat format : formats)
                ASSERT_EQ(Encoded(WithResolution(indexed), format), Encoded(painted, format))
                    << "format " << int(format);
        }
        // Which pictures went back to QPainter, for the record; not a pass condition.
        std::cout << row.Name << ": " << drawn
                  << " indexed; QPainter:" << (fallbacks.empty() ? " none" : fallbacks) << '\n';
        EXPECT_GT(drawn, 0);
    }
}

// Commands the layout rarely issues: rectangles flipped, empty, partly or wholly outside the
// picture, shapes over the edge, and colours a palette cannot hold exactly.
TEST(IndexedRaster, OddCommandsMatchQPainterOrFallBack)
{
    const QPoint hexagon[] = {{-3, 4}, {-3, 9}, {2, 12}, {7, 9}, {7, 4}, {2, 1}};
    const struct
    {
        const char* Name;
        std::function<void(TMetafile&)> Draw;
        bool Indexed;
    } cases[] = {
        {"flipped and empty rectangles",
         [](TMetafile& m) {
             m.AddRectFill(QRect(10, 2, -3, 5), Qt::black);
             m.AddRectFill(QRect(4, 12, 6, -4), Qt::black);
             m.AddRectFill(QRect(20, 3, 0, 6), Qt::red);
             m.AddRectFill(QRect(22, 3, 5, 0), Qt::red);
         },
         true},
        {"rectangles over the edges",
         [](TMetafile& m) {
             m.AddRectFill(QRect(-5, -5, 12, 8), Qt::blue);
             m.AddRectFill(QRect(30, 14, 20, 20), Qt::blue);
             m.AddRectFill(QRect(100, 100, 4, 4), Qt::blue);
         },
         true},
        {"shapes over the edge, then bars over them",
         [&](TMetafile& m) {
             m.AddPolygonFill(hexagon, 6, Qt::black);
             m.AddEllipseStroke(QRect(20, 2, 14, 14), Qt::black, 3);
             m.AddEllipseFill(QRect(8, 8, 5, 5), Qt::darkGreen);
             m.AddRectFill(QRect(0, 6, 40, 2), Qt::white);
         },
         true},
        {"caption",
         [](TMetafile& m) {
             QFont font(QStringLiteral("Liberation Mono"));
             font.setPixelSize(11);
             font.setStyleStrategy(QFont::NoAntialias);
             m.AddText(QRect(0, 5, 40, 13), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Ag&j"),
                       font, Qt::black);
         },
         true},
        {"antialiased caption",
         [](TMetafile& m) {
             QFont font(QStringLiteral("DejaVu Sans"));
             font.setPixelSize(13);
             m.AddText(QRect(0, 2, 40, 16), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Wave"),
                       font, Qt::black);
         },
         false},
        {"translucent colour",
         [](TMetafile& m) { m.AddRectFill(QRect(1, 1, 9, 9), QColor(255, 0, 0, 128)); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TMetafile metafile(40, 20);
        c.Draw(metafile);
        const QImage indexed = RasteriseMetafileIndexed(metafile);
        EXPECT_EQ(!indexed.isNull(), c.Indexed);
        if (!indexed.isNull()) {
            EXPECT_EQ(indexed.convertToFormat(QImage::Format_RGB32), RasteriseMetafile(metafile));
        }
    }
}

TEST(IndexedRaster, PaletteHoldsTheCommandsColoursWhiteFirst)
{
    TMetafile metafile(8, 4);
    metafile.AddRectFill(QRect(0, 0, 8, 4), QColor(0x10, 0x20, 0x30));
    metafile.AddRectFill(QRect(1, 1, 2, 2), QColor(0x40, 0x50, 0x60));
    metafile.AddRectFill(QRect(4, 1, 2, 2), QColor(0x10, 0x20, 0x30));
    const QImage indexed = RasteriseMetafileIndexed(metafile);
    EXPECT_EQ(indexed.colorTable(),
              (QList<QRgb>{qRgb(255, 255, 255), qRgb(0x10, 0x20, 0x30), qRgb(0x40, 0x50, 0x60)}));
    EXPECT_EQ(indexed.pixelIndex(4, 1), 1);
    EXPECT_EQ(indexed.pixelIndex(1, 2), 2);
}
