#include "pdf_pages.h"

#include "io/label_sheet.h"
#include "io/label_sheet_painter.h"
#include "io/label_sheet_writer.h"
#include "render/render_pipeline.h"
#include "render/render_settings.h"
#include "render/zint_metafile.h"
#include "support/barcode_decoder.h"
#include "symbol/zint_symbol.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {
// Between the darkest and lightest grey a page may show for a module's edge.
constexpr int Dark = 40;
constexpr int Light = 215;
} // namespace

// Labels and pictures start on whole dots: a label 70 mm wide is 826.77 dots at 300 dpi, so
// every edge is rounded and the picture's own offset inside it too.
TEST(LabelSheetPainter, LabelsAndPicturesStartOnWholeDots)
{
    const struct
    {
        const char* Sheet;
        int Dpi;
        QSize Picture;
        TLabelPlacement Placement;
    } cases[] = {
        {"a4-3x8", 300, {101, 77}, {}},
        {"a4-3x8", 600, {333, 99}, {TZintHAlign::haRight, TZintVAlign::vaBottom, false, {}, false}},
        {"letter-3x10", 203, {120, 60}, {}},
        {"110x70,2x2,40.3x25.1,5.05,10.1x5.3", 300, {90, 41}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Sheet);
        const TLabelSheet sheet = ReadLabelSheet(QLatin1String(c.Sheet)).Sheet.value();
        const double dotsPerMm = c.Dpi / 25.4;
        for (int i = 0; i < sheet.LabelsPerPage(); ++i) {
            const QRectF exact = sheet.LabelRect(i);
            const QRect dots = LabelInDots(sheet, i, c.Dpi);
            EXPECT_LE(std::abs(dots.left() - exact.left() * dotsPerMm), 0.5);
            EXPECT_LE(std::abs(dots.top() - exact.top() * dotsPerMm), 0.5);
            EXPECT_LE(std::abs(dots.left() + dots.width() - exact.right() * dotsPerMm), 0.5);
            EXPECT_LE(std::abs(dots.top() + dots.height() - exact.bottom() * dotsPerMm), 0.5);

            const TPlacedPicture placed = PlacePicture(dots, c.Picture, c.Placement);
            EXPECT_EQ(placed.Scale, 1.0);
            EXPECT_EQ(placed.TopLeft, QPointF(placed.TopLeft.toPoint()));
            const QRectF drawn(placed.TopLeft, QSizeF(c.Picture));
            EXPECT_TRUE(QRectF(dots).contains(drawn));
            // Aligned as asked, to within the dot the rounding takes.
            const double left = drawn.left() - dots.left();
            const double right = dots.left() + dots.width() - drawn.right();
            const double top = drawn.top() - dots.top();
            const double bottom = dots.top() + dots.height() - drawn.bottom();
            if (c.Placement.HAlign == TZintHAlign::haCenter)
                EXPECT_LE(std::abs(left - right), 1);
            else
                EXPECT_EQ(right, 0);
            if (c.Placement.VAlign == TZintVAlign::vaCenter)
                EXPECT_LE(std::abs(top - bottom), 1);
            else
                EXPECT_EQ(bottom, 0);
        }
    }
    // A picture larger than its label is scaled down whole and fills the label's short side.
    const QRect label(10, 20, 100, 50);
    const TPlacedPicture large = PlacePicture(label, {200, 200}, {});
    EXPECT_DOUBLE_EQ(large.Scale, 0.25);
    EXPECT_EQ(large.TopLeft, QPointF(10 + 25, 20));
}

// QR codes of 2-dot modules on the A4 preset's 70 mm labels (826.77 dots), drawn at the sheet's
// 300 dpi by a rasteriser that does not snap: every module covers whole dots, so the page has
// no grey at module edges, and every symbol reads back.
TEST(LabelSheetPainter, QrSheetAt300DpiHasNoGreyModuleEdges)
{
    constexpr int Dpi = 300;
    const TLabelSheet sheet = ReadLabelSheet(QStringLiteral("a4-3x8")).Sheet.value();
    TLabelSheetWriter writer(sheet, Dpi, {});
    TRenderSettings settings;
    settings.ModuleSize = 2;
    TZintSymbol symbol;
    PrepareSymbol(symbol, TZintSymbology::zsQRCODE);
    constexpr int Labels = 6;
    for (int i = 0; i < Labels; ++i)
        writer.Labels().AddLabel(RenderSymbolToMetafile(
            symbol, QStringLiteral("WHOLE-DOTS-%1").arg(i), settings, QSize(303, 417)));
    const QImage page =
        PdfPagesDrawn(writer.Finish(), Dpi, 1, 1, TPdfRasteriser::prPdftocairo).at(0);
    for (int i = 0; i < Labels; ++i) {
        SCOPED_TRACE(i);
        const QImage label = page.copy(LabelInDots(sheet, i, Dpi));
        int grey = 0;
        int dark = 0;
        for (int y = 0; y < label.height(); ++y)
            for (int x = 0; x < label.width(); ++x) {
                const int level = qGray(label.pixel(x, y));
                grey += level > Dark && level < Light;
                dark += level <= Dark;
            }
        EXPECT_GT(dark, 0);
        EXPECT_EQ(grey, 0);
        EXPECT_EQ(DecodeImage(label, ZXing::BarcodeFormat::QRCode).Text,
                  QStringLiteral("WHOLE-DOTS-%1").arg(i));
    }
}
