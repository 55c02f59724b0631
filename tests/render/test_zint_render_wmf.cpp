#include "render/zint_render_wmf.h"

#include "base/zint_exception.h"
#include "render/render_pipeline.h"
#include "render/zint_metafile.h"
#include "render/zint_render_box.h"
#include "render/zint_render_value.h"
#include "symbol/zint_symbol.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// Reaches the protected measurement of any canvas-derived target, the metafile one included.
class TMeasure : public TZintRenderTargetCanvas
{
public:
    static float Width(TZintRenderTargetCanvas& target, const QString& text)
    {
        return (target.*(&TMeasure::CalcTextWidth))({text});
    }
};

QRect DarkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

TZintSymbol& EncodedCode128(TZintSymbol& symbol, const QString& text)
{
    PrepareSymbol(symbol, TZintSymbology::zsCODE128).Encode(text, true);
    return symbol;
}

TEST(TZintRenderTargetWMF, MetafileGivesTheDesiredSize)
{
    TMetafile metafile(300, 150);
    TZintRenderTargetWMF target;
    target.SetMetafile(&metafile);
    EXPECT_EQ(target.Metafile(), &metafile);
    EXPECT_EQ(target.WidthDesired(), 300);
    EXPECT_EQ(target.HeightDesired(), 150);
    EXPECT_EQ(target.XDesired(), 0);
    EXPECT_EQ(target.YDesired(), 0);
}

TEST(TZintRenderTargetWMF, SingleCharactersMeasureTwiceAsWide)
{
    TZintRenderTargetCanvas canvas;
    TZintRenderTargetWMF metafile;
    EXPECT_EQ(TMeasure::Width(metafile, QStringLiteral("7")),
              2 * TMeasure::Width(canvas, QStringLiteral("7")));
    EXPECT_GT(TMeasure::Width(canvas, QStringLiteral("7")), 0);
    EXPECT_EQ(TMeasure::Width(metafile, QStringLiteral("12")),
              TMeasure::Width(canvas, QStringLiteral("12")));
    EXPECT_EQ(TMeasure::Width(metafile, QString()), 0);
}

TEST(TZintRenderTargetWMF, InflateGrowsTheMetafileAndReplaysAtRecordedCoordinates)
{
    TZintSymbol symbol;
    EncodedCode128(symbol, QStringLiteral("AB"));
    TMetafile metafile(100, 50);
    TZintRenderTargetWMF target;
    target.SetMetafile(&metafile);
    target.SetRenderAdjustMode(TZintRenderAdjustMode::ramInflate);
    target.SetShowText(false);
    target.SetMinModuleWidth(240.0f / float(symbol.width()));

    target.Render(symbol);

    EXPECT_EQ(metafile.Size(), QSize(240, 50));
    EXPECT_FLOAT_EQ(target.WidthDesired(), 240);
    EXPECT_EQ(target.Canvas(), nullptr);
    const QImage image = RasteriseMetafile(metafile);
    EXPECT_EQ(image.size(), QSize(240, 50));
    // Code 128 starts and ends with a bar: the drawing spans the whole grown width.
    const QRect bars = DarkBounds(image);
    EXPECT_EQ(bars.left(), 0);
    EXPECT_EQ(bars.right(), 239);
    EXPECT_EQ(bars.top(), 0);
}

TEST(TZintRenderTargetWMF, TransparentDrawingKeepsItsOffsetOnPlayback)
{
    TZintSymbol symbol;
    EncodedCode128(symbol, QStringLiteral("AB"));
    TMetafile metafile(300, 150);
    TZintRenderTargetWMF target;
    target.SetMetafile(&metafile);
    target.SetTransparent(true);
    target.SetShowText(false);
    target.Margin()->SetTargetUnits(17);

    target.Render(symbol);

    const QRect bars = DarkBounds(RasteriseMetafile(metafile));
    EXPECT_EQ(bars.left(), 17);
    EXPECT_EQ(bars.top(), 17);
}

TEST(TZintRenderTargetWMF, LayoutErrorLeavesAnEmptyDrawingAndReleasesTheRecorder)
{
    TZintSymbol symbol;
    EncodedCode128(symbol, QStringLiteral("AB"));
    TMetafile metafile(300, 4);
    TZintRenderTargetWMF target;
    target.SetMetafile(&metafile);

    EXPECT_THROW(
        {
            try {
                target.Render(symbol);
            } catch (const EZintException& e) {
                EXPECT_STREQ(e.what(), "The desired height is too small.");
                throw;
            }
        },
        EZintException);
    EXPECT_EQ(target.Canvas(), nullptr);
    EXPECT_TRUE(DarkBounds(RasteriseMetafile(metafile)).isEmpty());
}

TEST(TZintRenderTargetWMF, EachRenderReplacesTheRecording)
{
    TZintSymbol symbol;
    TMetafile reused(300, 150);
    TZintRenderTargetWMF target;
    target.SetMetafile(&reused);
    target.SetTransparent(true);
    target.Render(EncodedCode128(symbol, QStringLiteral("WIDE TEXT 123")));
    EncodedCode128(symbol, QStringLiteral("1"));
    target.Render(symbol);

    TMetafile fresh(300, 150);
    TZintRenderTargetWMF freshTarget;
    freshTarget.SetMetafile(&fresh);
    freshTarget.SetTransparent(true);
    freshTarget.Render(symbol);

    EXPECT_EQ(RasteriseMetafile(reused), RasteriseMetafile(fresh));
}

TEST(TZintRenderTargetWMF, CopiesPlayTheRecordedDrawingAfterTheTargetMovesOn)
{
    TZintSymbol symbol;
    TMetafile metafile(300, 150);
    TZintRenderTargetWMF target;
    target.SetMetafile(&metafile);
    target.Render(EncodedCode128(symbol, QStringLiteral("FIRST 123")));
    const QImage first = RasteriseMetafile(metafile);
    const TMetafile copy = metafile;

    target.Render(EncodedCode128(symbol, QStringLiteral("2")));

    EXPECT_EQ(RasteriseMetafile(copy), first);
    EXPECT_NE(RasteriseMetafile(metafile), first);
    metafile.Clear();
    EXPECT_TRUE(metafile.IsEmpty());
    EXPECT_EQ(metafile.Size(), QSize(300, 150));
}

TEST(RasteriseMetafile, GivesAWhiteImageOfTheMetafileSize)
{
    const QImage image = RasteriseMetafile(TMetafile(37, 21));
    EXPECT_EQ(image.size(), QSize(37, 21));
    EXPECT_TRUE(DarkBounds(image).isEmpty());
    EXPECT_EQ(QColor(image.pixel(36, 20)), QColor(Qt::white));
}

} // namespace

namespace {
// The same layout drawn straight onto a picture through the canvas back-end.
QImage DrawnOnCanvas(TZintSymbol& symbol, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TZintRenderTargetCanvas target;
    target.SetCanvas(&painter);
    target.SetHAlign(TZintHAlign::haCenter);
    target.Render(symbol);
    return image;
}

QImage RecordedAndPlayed(TZintSymbol& symbol, QSize size)
{
    TMetafile metafile(size.width(), size.height());
    TZintRenderTargetWMF target;
    target.SetMetafile(&metafile);
    target.SetHAlign(TZintHAlign::haCenter);
    target.Render(symbol);
    return RasteriseMetafile(metafile);
}
} // namespace

TEST(TZintRenderTargetWMF, PlaybackGivesExactlyThePixelsTheCanvasDraws)
{
    // Matrix symbols are many small fills; stacked and linear ones have separators, bars and
    // text. (EAN/UPC side digits are measured differently by the two on purpose.)
    const std::pair<TZintSymbology, const char*> cases[] = {
        {TZintSymbology::zsQRCODE, "Lintaro, one image per line"},
        {TZintSymbology::zsDATAMATRIX, "Lintaro 0123456789"},
        {TZintSymbology::zsCODE16K, "Lintaro 16K"},
        {TZintSymbology::zsCODE128, "Lintaro-128"},
    };
    for (const auto& [symbology, text] : cases) {
        TZintSymbol symbol;
        PrepareSymbol(symbol, symbology).Encode(QString::fromUtf8(text), true);
        const QSize size(303, 417);
        EXPECT_EQ(RecordedAndPlayed(symbol, size), DrawnOnCanvas(symbol, size)) << text;
    }
}
