// EAN/UPC captions at every caption size: the digits are set smaller until each group fits its
// slot between the guards and the add-on fits over its bars, so nothing is cut and no digit
// stands in a bar.
#include "render/render_pipeline.h"
#include "render/render_settings.h"
#include "render/zint_render_box.h"
#include "render/zint_render_canvas.h"
#include "render/zint_render_value.h"
#include "symbol/zint_symbol.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {
// Draws as the canvas does and keeps what was drawn: the bars and every caption text with
// the rectangle and the font it was drawn with.
class TCaptionProbe final : public TZintRenderTargetCanvas
{
public:
    struct TText
    {
        QRect Rect;
        int Flags;
        QString Text;
        QFont Font;
    };
    std::vector<QRectF> Bars;
    std::vector<TText> Texts;

protected:
    void DrawRect(const TZintRenderRect& rect) override
    {
        Bars.emplace_back(rect.X, rect.Y, rect.Width, rect.Height);
        TZintRenderTargetCanvas::DrawRect(rect);
    }
    void DrawDeviceText(const QRect& rect, int flags, const QString& text,
                        const QColor& colour) override
    {
        Texts.push_back({rect, flags, text, Font()});
        TZintRenderTargetCanvas::DrawDeviceText(rect, flags, text, colour);
    }
};

constexpr int ImageWidth = 800;
constexpr int ImageHeight = 500;

// The pixels a text's glyphs cover when nothing cuts them.
std::vector<QPoint> Ink(const TCaptionProbe::TText& text)
{
    // Glyphs reach at most a few line heights past their rectangle.
    const int reach = text.Rect.height() * 4;
    const QRect around = text.Rect.adjusted(-reach, -reach, reach, reach);
    QImage image(around.size(), QImage::Format_Grayscale8);
    image.fill(0xFF);
    QPainter painter(&image);
    painter.translate(-around.topLeft());
    painter.setFont(text.Font);
    painter.setPen(Qt::black);
    painter.drawText(text.Rect, text.Flags | Qt::TextDontClip, text.Text);
    painter.end();
    std::vector<QPoint> ink;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            if (line[x] < 128)
                ink.push_back(around.topLeft() + QPoint(x, y));
    }
    return ink;
}

struct TCaptionCase
{
    TZintSymbology Symbology;
    const char* Input;
};

// Every caption size against every EAN/UPC layout, with and without add-ons, at whole and
// fractional module widths.
TEST(EanUpcCaption, EveryCaptionSizeFitsBetweenTheBarsAndReadsInFull)
{
    const TCaptionCase cases[] = {
        {TZintSymbology::zsEANX, "764170762563"},       {TZintSymbology::zsEANX, "764170762563+12"},
        {TZintSymbology::zsEANX, "764170762563+54321"}, {TZintSymbology::zsEANX, "9638507"},
        {TZintSymbology::zsEANX, "9638507+12"},         {TZintSymbology::zsUPCA, "03600029145"},
        {TZintSymbology::zsUPCA, "03600029145+12345"},  {TZintSymbology::zsUPCE, "1234565"},
        {TZintSymbology::zsUPCE, "1234565+12"},
    };
    const int captionSizes[] = {0, 8, 19, 24, 40, 60}; // 0: the font's own
    const float moduleWidths[] = {1, 2, 2.5f, 4};
    for (const TCaptionCase& c : cases) {
        TZintSymbol symbol;
        PrepareSymbol(symbol, c.Symbology);
        ASSERT_NO_THROW(symbol.Encode(QString::fromLatin1(c.Input), true)) << c.Input;
        // The human-readable text as the encoder made it, "+" before the add-on.
        const QString expected = QString::fromUtf8(symbol.text()).remove(u'+');
        for (const int size : captionSizes)
            for (const float module : moduleWidths) {
                SCOPED_TRACE(testing::Message()
                             << c.Input << ", caption " << size << " px, module " << module);
                TRenderSettings settings;
                if (size > 0) {
                    settings.CaptionSizeMode = TCaptionSizeMode::csmPixels;
                    settings.CaptionSize = float(size);
                }
                settings.ImageSize = TImageSizeMode::ismFixed;
                QImage image(ImageWidth, ImageHeight, QImage::Format_RGB32);
                QPainter painter(&image);
                TCaptionProbe target;
                ApplyRenderSettings(settings, target);
                target.SetFixedModuleWidth(module);
                target.SetWholeModules(false);
                target.Whitespace()->Left()->SetModules(12);
                target.Whitespace()->Right()->SetModules(12);
                target.SetWidthDesired(ImageWidth);
                target.SetHeightDesired(ImageHeight);
                target.SetCanvas(&painter);
                target.Render(symbol);
                target.SetCanvas(nullptr);

                // Drawn from left to right, bar by bar: together they are the whole text.
                QString drawn;
                for (const TCaptionProbe::TText& text : target.Texts)
                    drawn += text.Text;
                EXPECT_EQ(drawn, expected);

                for (const TCaptionProbe::TText& text : target.Texts) {
                    SCOPED_TRACE(text.Text.toStdString());
                    int cut = 0;
                    int inBar = 0;
                    for (const QPoint& pixel : Ink(text)) {
                        if (pixel.x() < text.Rect.left() || pixel.x() > text.Rect.right())
                            ++cut;
                        const QPointF centre(pixel.x() + 0.5, pixel.y() + 0.5);
                        for (const QRectF& bar : target.Bars)
                            // A bar that reaches into the text's line: its columns are barred.
                            if (bar.bottom() > text.Rect.top() && bar.top() < text.Rect.bottom() &&
                                centre.x() > bar.left() && centre.x() < bar.right())
                                ++inBar;
                    }
                    EXPECT_EQ(cut, 0);
                    EXPECT_EQ(inBar, 0);
                }
            }
    }
}
} // namespace
