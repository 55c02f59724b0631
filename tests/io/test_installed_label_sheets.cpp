#include "pdf_pages.h"
#include "pdf_paintings.h"

#include "io/label_products.h"
#include "io/label_sheet.h"
#include "io/label_sheet_writer.h"
#include "render/render_pipeline.h"
#include "render/render_settings.h"
#include "render/zint_metafile.h"
#include "symbol/zint_symbol.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {
constexpr int Dpi = 300;
constexpr double ToleranceMm = 0.1;
constexpr double Pt = 25.4 / 72;
constexpr double In = 25.4;
constexpr QSizeF A4{210, 297};
constexpr QSizeF Letter{8.5 * In, 11 * In};

struct TGridCase
{
    int Across, Down;
    double Left, Top, StepAcross, StepDown;
};

// A product as its template file describes it, in millimetres.
struct TProductCase
{
    const char* Name;
    QSizeF Page;
    TLabelShape Shape;
    QSizeF Label; // the box of the label's outline
    std::vector<TGridCase> Grids;
};

std::vector<QRectF> LabelsOf(const TProductCase& product)
{
    std::vector<QRectF> labels;
    for (const TGridCase& grid : product.Grids)
        for (int row = 0; row < grid.Down; ++row)
            for (int column = 0; column < grid.Across; ++column)
                labels.push_back({grid.Left + column * grid.StepAcross,
                                  grid.Top + row * grid.StepDown, product.Label.width(),
                                  product.Label.height()});
    return labels;
}

void ExpectNear(const QRectF& found, const QRectF& expected)
{
    EXPECT_NEAR(found.left(), expected.left(), ToleranceMm);
    EXPECT_NEAR(found.top(), expected.top(), ToleranceMm);
    EXPECT_NEAR(found.right(), expected.right(), ToleranceMm);
    EXPECT_NEAR(found.bottom(), expected.bottom(), ToleranceMm);
}

TMetafile QrPicture()
{
    TZintSymbol symbol;
    return RenderSymbolToMetafile(PrepareSymbol(symbol, TZintSymbology::zsQRCODE),
                                  QStringLiteral("LABEL"), TRenderSettings(), QSize(303, 417));
}
} // namespace

// A sample of the installed glabels-data, one page of each filled with proof outlines: every
// outline in the PDF is the product's label within 0.1 mm, grid by grid and row by row, and
// every picture lies inside its label's outline (off a CD's hole).
TEST(InstalledLabelSheets, PdfLabelsHaveTheProductsGeometry)
{
    if (!QDir(LabelProductFolders().front()).exists())
        GTEST_SKIP() << "glabels-data is not installed";
    using S = TLabelShape;
    const TProductCase cases[] = {
        {"Avery 5160",
         Letter,
         S::lsRectangle,
         {2.625 * In, 1 * In},
         {{3, 10, 0.15625 * In, 0.5 * In, 2.78125 * In, 1 * In}}},
        // Sold as the same labels as Avery 7160.
        {"Avery L7160",
         A4,
         S::lsRectangle,
         {181.4 * Pt, 108 * Pt},
         {{3, 7, 21.2 * Pt, 43.9 * Pt, 187.2 * Pt, 108 * Pt}}},
        {"Avery 7414",
         A4,
         S::lsRectangle,
         {255.1 * Pt, 147.4 * Pt},
         {{2, 5, 42.51 * Pt, 52.44 * Pt, 255.1 * Pt, 147.4 * Pt}}},
        {"Avery 5371",
         Letter,
         S::lsRectangle,
         {3.5 * In, 2 * In},
         {{2, 5, 0.75 * In, 0.5 * In, 3.5 * In, 2 * In}}},
        {"Avery 5194",
         Letter,
         S::lsRound,
         {2.5 * In, 2.5 * In},
         {{3, 4, 0.21 * In, 0.425 * In, 2.75 * In, 2.515 * In}}},
        // Sold as the same labels as Avery 3274.2.
        {"Avery 3112",
         Letter,
         S::lsRound,
         {1.5 * In, 1.5 * In},
         {{4, 5, 0.5 * In, 0.75 * In, 2 * In, 2 * In}}},
        {"Begalabel V-100",
         Letter,
         S::lsEllipse,
         {1.5 * In, 0.75 * In},
         {{5, 11, 0.375 * In, 0.5 * In, 1.5625 * In, 0.925 * In}}},
        {"Avery L6043", A4, S::lsCd, {117.4, 117.4}, {{1, 2, 46, 21.8, 123.75, 137}}},
        {"Desmat A4ST-3CD",
         A4,
         S::lsCd,
         {110, 110},
         {{1, 2, 91.5, 9, 119.5, 166}, {1, 1, 9, 92, 120, 120}}},
        // A disc of 216 pt cut straight to 171 pt across.
        {"Neato HandiCD-R",
         Letter,
         S::lsCd,
         {171 * Pt, 216 * Pt},
         {{3, 3, 36.5 * Pt, 54 * Pt, 184.5 * Pt, 234 * Pt}}},
        {"Online Labels OL5050 (case first)",
         Letter,
         S::lsRectangle,
         {2.375 * In, 1.9531 * In},
         {{1, 2, 5.625 * In, 1 * In, 2.375 * In, 1.9531 * In},
          {1, 2, 0.5 * In, 6.0938 * In, 2.375 * In, 1.9531 * In}}},
    };
    const TMetafile picture = QrPicture();
    for (const TProductCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TLabelSheetReading reading = ReadLabelSheet(QLatin1String(c.Name));
        ASSERT_TRUE(reading.Sheet) << reading.Error.toStdString();
        EXPECT_EQ(reading.Sheet->Outline.Shape, c.Shape);
        const std::vector<QRectF> labels = LabelsOf(c);
        ASSERT_EQ(std::size_t(reading.Sheet->LabelsPerPage()), labels.size());

        TLabelSheetWriter writer(*reading.Sheet, Dpi,
                                 {TZintHAlign::haCenter, TZintVAlign::vaCenter, true, {}, false});
        for (std::size_t i = 0; i < labels.size(); ++i)
            writer.Labels().AddLabel(picture);
        const QByteArray pdf = writer.Finish();

        const std::vector<QRectF> pages = PdfPageBoxes(pdf);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_NEAR(pages[0].width() * Pt, c.Page.width(), ToleranceMm);
        EXPECT_NEAR(pages[0].height() * Pt, c.Page.height(), ToleranceMm);

        std::vector<QPainterPath> outlines;
        std::vector<QRectF> fills;
        for (const TPdfPainting& painting : PdfPagePaintings(pdf, 0)) {
            if (painting.Paint == TPdfPaint::ppStroke)
                outlines.push_back(painting.Path);
            else if (painting.Paint == TPdfPaint::ppFill)
                fills.push_back(painting.Path.boundingRect());
        }
        ASSERT_EQ(outlines.size(), labels.size());
        std::vector<int> filled(labels.size());
        for (std::size_t i = 0; i < labels.size(); ++i) {
            SCOPED_TRACE(i);
            ExpectNear(outlines[i].boundingRect(), labels[i]);
        }
        for (const QRectF& fill : fills) {
            const auto label =
                std::find_if(outlines.begin(), outlines.end(), [&](const QPainterPath& outline) {
                    return outline.boundingRect().contains(fill.center());
                });
            ASSERT_NE(label, outlines.end());
            for (const QPointF corner :
                 {fill.topLeft(), fill.topRight(), fill.bottomLeft(), fill.bottomRight()})
                EXPECT_TRUE(label->contains(corner)) << corner.x() << ", " << corner.y();
            ++filled[std::size_t(label - outlines.begin())];
        }
        EXPECT_EQ(std::count(filled.begin(), filled.end(), 0), 0);
    }
}
