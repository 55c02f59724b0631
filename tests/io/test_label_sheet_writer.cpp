#include "pdf_pages.h"

#include "base/zint_exception.h"
#include "io/label_sheet.h"
#include "io/label_sheet_writer.h"
#include "render/render_pipeline.h"
#include "render/render_settings.h"
#include "render/zint_metafile.h"
#include "support/barcode_decoder.h"
#include "symbol/zint_symbol.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {
constexpr int Dpi = 300;
constexpr double PixelsPerMm = Dpi / 25.4;

TMetafile QrPicture(const QString& text, float moduleMm = 0.5f)
{
    TRenderSettings settings;
    settings.ModuleSizeMode = TModuleSizeMode::msmMillimetres;
    settings.ModuleSize = moduleMm;
    TZintSymbol symbol;
    return RenderSymbolToMetafile(PrepareSymbol(symbol, TZintSymbology::zsQRCODE), text, settings,
                                  QSize(303, 417));
}

// The smallest rectangle holding every dark pixel of the area; empty when there is none.
QRect DarkArea(const QImage& image, const QRect& area)
{
    QRect dark;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                dark |= QRect(x, y, 1, 1);
    return dark;
}

QRect InPixels(const QRectF& millimetres)
{
    return QRectF(millimetres.topLeft() * PixelsPerMm, millimetres.size() * PixelsPerMm)
        .toAlignedRect();
}
} // namespace

// 50 entries on the 3 x 8 A4 preset: three A4 pages, every label where the template has it and
// readable from the page as printed at 300 dpi.
TEST(LabelSheetWriter, FiftyEntriesFillThreeA4PagesLabelByLabel)
{
    const TLabelSheet sheet = ReadLabelSheet(QStringLiteral("a4-3x8")).Sheet.value();
    TLabelSheetWriter writer(sheet, Dpi,
                             {TZintHAlign::haCenter, TZintVAlign::vaCenter, true, {}, false});
    constexpr int Entries = 50;
    // Where the dark modules stand inside each picture, in its own pixels.
    std::vector<QRect> symbolInPicture;
    std::vector<QSize> pictureSizes;
    for (int i = 0; i < Entries; ++i) {
        const TMetafile picture = QrPicture(QStringLiteral("LABEL-%1").arg(i + 1));
        const QImage raster = RasteriseMetafile(picture);
        symbolInPicture.push_back(DarkArea(raster, raster.rect()));
        pictureSizes.push_back(picture.Size());
        EXPECT_EQ(writer.Labels().AddLabel(picture), 1.0);
    }
    EXPECT_EQ(writer.Labels().Pages(), 3);
    const QByteArray pdf = writer.Finish();

    const std::vector<QRectF> boxes = PdfPageBoxes(pdf);
    ASSERT_EQ(boxes.size(), 3u);
    for (const QRectF& box : boxes) {
        EXPECT_NEAR(box.width(), 210 / 25.4 * 72, 1e-5);
        EXPECT_NEAR(box.height(), 297 / 25.4 * 72, 1e-5);
    }
    const std::vector<QImage> pages = PdfPagesDrawn(pdf, Dpi);
    ASSERT_EQ(pages.size(), 3u);
    for (int i = 0; i < Entries; ++i) {
        SCOPED_TRACE(i + 1);
        const QImage& page = pages[std::size_t(i / sheet.LabelsPerPage())];
        const QRectF label = sheet.LabelRect(i % sheet.LabelsPerPage());
        // Centred: the picture's top left, in millimetres from the page's.
        const QPointF pictureAt = label.center() - QPointF(pictureSizes[std::size_t(i)].width(),
                                                           pictureSizes[std::size_t(i)].height()) /
                                                       (2 * PixelsPerMm);
        const QRectF expected(pictureAt +
                                  QPointF(symbolInPicture[std::size_t(i)].topLeft()) / PixelsPerMm,
                              QSizeF(symbolInPicture[std::size_t(i)].size()) / PixelsPerMm);
        // Inside the label, away from its cut guide.
        const QRect found = DarkArea(page, InPixels(label).adjusted(3, 3, -3, -3));
        const QRectF foundMm(QPointF(found.topLeft()) / PixelsPerMm,
                             QSizeF(found.size()) / PixelsPerMm);
        EXPECT_NEAR(foundMm.left(), expected.left(), 0.1);
        EXPECT_NEAR(foundMm.top(), expected.top(), 0.1);
        EXPECT_NEAR(foundMm.right(), expected.right(), 0.1);
        EXPECT_NEAR(foundMm.bottom(), expected.bottom(), 0.1);
        EXPECT_EQ(DecodeImage(page.copy(InPixels(label)), ZXing::BarcodeFormat::QRCode).Text,
                  QStringLiteral("LABEL-%1").arg(i + 1));
    }
    // The cut guides outline the labels; the page beyond the last label stays white.
    EXPECT_LT(qGray(pages[0].pixel(InPixels(sheet.LabelRect(0)).right(), 100)), 250);
    EXPECT_TRUE(DarkArea(pages[2], InPixels(sheet.LabelRect(3)).adjusted(3, 3, -3, -3)).isEmpty());
}

// The alignment settings put the picture in a corner of its label; one larger than its label
// is scaled down whole, never cut, and still reads; a skipped entry leaves its label empty.
TEST(LabelSheetWriter, AlignmentScalingAndSkippedLabels)
{
    const TLabelSheet sheet =
        ReadLabelSheet(QStringLiteral("100x65,2x2,40x25,5,10x5")).Sheet.value();
    const TMetafile picture = QrPicture(QStringLiteral("corner"));
    const QSizeF pictureMm = QSizeF(picture.Size()) / PixelsPerMm;
    ASSERT_LT(pictureMm.height(), 25);
    const TMetafile large = QrPicture(QStringLiteral("large"), 2);

    TLabelSheetWriter topLeft(sheet, Dpi,
                              {TZintHAlign::haLeft, TZintVAlign::vaTop, false, {}, false});
    TLabelSheetWriter bottomRight(sheet, Dpi,
                                  {TZintHAlign::haRight, TZintVAlign::vaBottom, false, {}, false});
    for (TLabelSheetWriter* writer : {&topLeft, &bottomRight}) {
        writer->Labels().SkipLabel();
        EXPECT_EQ(writer->Labels().AddLabel(picture), 1.0);
        const double scale = writer->Labels().AddLabel(large);
        // The label's height in whole dots.
        EXPECT_NEAR(scale, double(LabelInDots(sheet, 2, Dpi).height()) / large.Height(), 1e-9);
    }
    const QImage left = PdfPagesDrawn(topLeft.Finish(), Dpi).at(0);
    const QImage right = PdfPagesDrawn(bottomRight.Finish(), Dpi).at(0);
    for (const QImage* page : {&left, &right})
        EXPECT_TRUE(DarkArea(*page, InPixels(sheet.LabelRect(0))).isEmpty());

    // The QR code's own quiet zone is 4 modules of 0.5 mm: its modules start 2 mm in.
    const QRectF second = sheet.LabelRect(1);
    const QRect atTopLeft = DarkArea(left, InPixels(second));
    EXPECT_NEAR(atTopLeft.left() / PixelsPerMm, second.left() + 2, 0.1);
    EXPECT_NEAR(atTopLeft.top() / PixelsPerMm, second.top() + 2, 0.1);
    const QRect atBottomRight = DarkArea(right, InPixels(second));
    EXPECT_NEAR((atBottomRight.right() + 1) / PixelsPerMm, second.right() - 2, 0.1);
    EXPECT_NEAR((atBottomRight.bottom() + 1) / PixelsPerMm, second.bottom() - 2, 0.1);

    // Scaled to the label's height, the large code keeps its quiet zone inside the label.
    const QRectF third = sheet.LabelRect(2);
    const QRect scaled = DarkArea(left, InPixels(third));
    EXPECT_GT(scaled.top() / PixelsPerMm, third.top() + 0.5);
    EXPECT_LT((scaled.bottom() + 1) / PixelsPerMm, third.bottom() - 0.5);
    EXPECT_EQ(DecodeImage(left.copy(InPixels(third)), ZXing::BarcodeFormat::QRCode).Text,
              QStringLiteral("large"));
}

TEST(LabelSheetWriter, SheetIsPublishedWithoutReplacingAnything)
{
    QTemporaryDir dir;
    const TLabelSheet sheet = ReadLabelSheet(QStringLiteral("a4-3x8")).Sheet.value();
    TLabelSheetWriter writer(sheet, Dpi, {});
    EXPECT_THROW(writer.Labels().AddLabel(TMetafile(10, 10)), EZintException);
    const QByteArray pdf = writer.Finish();
    EXPECT_EQ(PublishLabelSheet(pdf, dir.path()), dir.filePath(QStringLiteral("sheet.pdf")));
    EXPECT_EQ(PublishLabelSheet(pdf, dir.path()), dir.filePath(QStringLiteral("sheet (2).pdf")));
}
