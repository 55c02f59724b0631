#include "render/zint_render_canvas.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Exposes the back-end operations so they can be drawn one by one.
class TProbeCanvas : public TZintRenderTargetCanvas
{
public:
    using TZintRenderTargetCanvas::CalcTextHeight;
    using TZintRenderTargetCanvas::CalcTextWidth;
    using TZintRenderTargetCanvas::ClearBackground;
    using TZintRenderTargetCanvas::DrawCircle;
    using TZintRenderTargetCanvas::DrawHexagon;
    using TZintRenderTargetCanvas::DrawRect;
    using TZintRenderTargetCanvas::DrawRing;
    using TZintRenderTargetCanvas::DrawText;
    using TZintRenderTargetCanvas::StartRender;
};

bool IsDark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

// Dark pixels of one row or column as a string ("#" dark, "." light), easy to read on failure.
std::string RowPattern(const QImage& image, int y)
{
    std::string pattern;
    for (int x = 0; x < image.width(); ++x)
        pattern += IsDark(image, x, y) ? '#' : '.';
    return pattern;
}

std::string ColumnPattern(const QImage& image, int x)
{
    std::string pattern;
    for (int y = 0; y < image.height(); ++y)
        pattern += IsDark(image, x, y) ? '#' : '.';
    return pattern;
}

std::string Span(int size, int first, int last)
{
    std::string pattern(size, '.');
    for (int i = first; i <= last; ++i)
        pattern[i] = '#';
    return pattern;
}

QRect DarkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsDark(image, x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

class CanvasFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        image.fill(Qt::white);
        painter.begin(&image);
        target.SetCanvas(&painter);
        target.StartRender();
    }
    const QImage& Drawn()
    {
        painter.end();
        return image;
    }

    QImage image{100, 100, QImage::Format_RGB32};
    QPainter painter;
    TProbeCanvas target;
};

TEST(TZintRenderTargetCanvas, StartsBlackOnWhiteInLiberationMono)
{
    TZintRenderTargetCanvas target;
    EXPECT_EQ(target.ForegroundColor(), 0u);
    EXPECT_EQ(target.BackgroundColor(), 16777215u);
    EXPECT_EQ(target.FontColor(), QColor(Qt::black));
    EXPECT_EQ(QFontInfo(target.Font()).family(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(target.Font().pixelSize(), 19);
    EXPECT_EQ(target.Font().weight(), QFont::Normal);
    EXPECT_FALSE(target.Font().italic());
}

TEST(TZintRenderTargetCanvas, TColorKeepsRedInTheLowestByte)
{
    EXPECT_EQ(TColorToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(TColorToQColor(0x00FF00), QColor(0, 255, 0));
    EXPECT_EQ(TColorToQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(QColorToTColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
}

TEST(TZintRenderTargetCanvas, ColourWriterStoresByIndexAndAlwaysNotifies)
{
    TZintRenderTargetCanvas target;
    int changes = 0;
    target.SetOnChange([&](TZintPersistent*) { ++changes; });
    target.SetColor(0, 0x0000FF);
    target.SetColor(1, 0x00FF00);
    target.SetColor(2, 0xFF0000);
    EXPECT_EQ(target.ForegroundColor(), 0x0000FFu);
    EXPECT_EQ(target.BackgroundColor(), 0x00FF00u);
    EXPECT_EQ(changes, 3);
}

TEST(TZintRenderTargetCanvas, CanvasTakesTheClipRectangleElseTheDevice)
{
    QImage image(200, 120, QImage::Format_RGB32);
    QPainter painter(&image);
    TZintRenderTargetCanvas target;

    target.SetCanvas(&painter);
    EXPECT_EQ(target.XDesired(), 0);
    EXPECT_EQ(target.YDesired(), 0);
    EXPECT_EQ(target.WidthDesired(), 200);
    EXPECT_EQ(target.HeightDesired(), 120);

    painter.setClipRect(QRect(QPoint(10, 20), QPoint(109, 69)));
    target.SetCanvas(&painter);
    EXPECT_EQ(target.XDesired(), 10);
    EXPECT_EQ(target.YDesired(), 20);
    EXPECT_EQ(target.WidthDesired(), 100);
    EXPECT_EQ(target.HeightDesired(), 50);
    EXPECT_EQ(target.Canvas(), &painter);

    target.SetCanvas(nullptr);
    EXPECT_EQ(target.Canvas(), nullptr);
    EXPECT_EQ(target.WidthDesired(), 100);
}

struct RectCase
{
    TZintRenderRect rect;
    QRect filled; // empty when nothing may be filled
};

class DrawRectRounding : public CanvasFixture, public testing::WithParamInterface<RectCase>
{};

TEST_P(DrawRectRounding, FillsTheRoundedRectangleWithExclusiveEdges)
{
    target.DrawRect(GetParam().rect);
    EXPECT_EQ(DarkBounds(Drawn()), GetParam().filled);
}

INSTANTIATE_TEST_SUITE_P(HalvesToEven, DrawRectRounding,
                         testing::Values(RectCase{{0.5f, 1.5f, 2, 2}, QRect(0, 2, 2, 2)},
                                         RectCase{{2.5f, 0.4f, 3, 2.2f}, QRect(2, 0, 4, 3)},
                                         RectCase{{10.49f, 20.51f, 4.02f, 1}, QRect(10, 21, 5, 1)},
                                         RectCase{{1.5f, 0, 1, 1}, QRect()}));

TEST_F(CanvasFixture, BackgroundAndBarsUseTheirOwnColours)
{
    target.SetBackgroundColor(0x0000FF);
    target.SetForegroundColor(0x00FF00);
    target.ClearBackground({0, 0, 100, 100});
    target.DrawRect({10, 10, 5, 5});
    const QImage& drawn = Drawn();
    EXPECT_EQ(QColor(drawn.pixel(50, 50)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(drawn.pixel(12, 12)), QColor(0, 255, 0));
}

TEST_F(CanvasFixture, RingStrokeCoversTheBandBetweenTheRadii)
{
    target.DrawRing({50, 50, 10, 6});
    const QImage& drawn = Drawn();
    // Pen 4 on the box (42, 42)-(58, 58): distances 6 to 10 from the centre are dark.
    std::string expected = Span(100, 40, 43);
    for (int i = 56; i <= 59; ++i)
        expected[i] = '#';
    EXPECT_EQ(RowPattern(drawn, 50), expected);
    EXPECT_EQ(ColumnPattern(drawn, 50), expected);
}

TEST_F(CanvasFixture, HexagonAtFullScaleSpansExactlyTheModuleWidth)
{
    target.SetHexagonScale(1);
    const float w = 10;
    target.DrawHexagon({50, 40, w, float(2 * w / std::sqrt(3.0))});
    const QImage& drawn = Drawn();
    EXPECT_EQ(RowPattern(drawn, 40), Span(100, 45, 54));
    const QRect bounds = DarkBounds(drawn);
    EXPECT_EQ(bounds.left(), 45);
    EXPECT_EQ(bounds.right(), 54);
    EXPECT_EQ(bounds.top(), 34);
    EXPECT_EQ(bounds.bottom(), 45);
}

TEST_F(CanvasFixture, CircleFillsItsRoundedBox)
{
    target.DrawCircle({50, 30, 10});
    const QImage& drawn = Drawn();
    EXPECT_EQ(RowPattern(drawn, 30), Span(100, 45, 54));
    const QRect bounds = DarkBounds(drawn);
    EXPECT_GE(bounds.top(), 25);
    EXPECT_LE(bounds.bottom(), 34);
}

TEST_F(CanvasFixture, TextWiderThanItsRectangleIsCentredAndCutAtBothEdges)
{
    target.DrawText({30, 10, 40, 30, QStringLiteral("WWWWWWWWWW")});
    const QImage& drawn = Drawn();
    EXPECT_EQ(DarkBounds(drawn).left(), 30);
    EXPECT_EQ(DarkBounds(drawn).right(), 69);
}

TEST_F(CanvasFixture, TextSitsCentredAtTheTopOfItsRectangle)
{
    target.DrawText({0, 20, 100, 60, QStringLiteral("12")});
    const QRect bounds = DarkBounds(Drawn());
    EXPECT_LE(std::abs(bounds.left() - (99 - bounds.right())), 2);
    EXPECT_GE(bounds.top(), 20);
    EXPECT_LT(bounds.bottom(), 20 + QFontMetrics(target.Font()).height());
}

TEST_F(CanvasFixture, AmpersandIsDrawnNotTakenAsMnemonic)
{
    target.DrawText({0, 0, 100, 30, QStringLiteral("&")});
    EXPECT_FALSE(DarkBounds(Drawn()).isEmpty());
}

TEST_F(CanvasFixture, TextIsMeasuredInWholeUnitsOfTheFont)
{
    const QFontMetrics metrics(target.Font());
    for (const QString& text :
         {QStringLiteral("1"), QStringLiteral("1234567890"), QStringLiteral("ABC+12")}) {
        EXPECT_EQ(target.CalcTextHeight({text}), float(metrics.height())) << text.toStdString();
        EXPECT_EQ(target.CalcTextWidth({text}), float(metrics.horizontalAdvance(text)))
            << text.toStdString();
    }
}

} // namespace
