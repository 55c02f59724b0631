#include "render/zint_render_canvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPoint>
#include <QRect>

#include <cmath>
#include <stdexcept>

namespace {

// Halves go to the even neighbour under the default rounding mode, as the device expects.
int Round(double value)
{
    return int(std::nearbyint(value));
}

QRect RoundedRect(double left, double top, double right, double bottom)
{
    const int l = Round(left);
    const int t = Round(top);
    return QRect(l, t, Round(right) - l, Round(bottom) - t);
}

QRect RoundedRect(const TZintRenderRect& rect)
{
    return RoundedRect(rect.X, rect.Y, double(rect.X) + rect.Width, double(rect.Y) + rect.Height);
}

// A metafile keeps a rectangle as a general path, costly to write and to play back; as four
// corners it is a polygon, which covers exactly the same pixels.
void FillPolygon(QPainter& canvas, const QRect& rect)
{
    const QPoint corners[4] = {rect.topLeft(), QPoint(rect.x() + rect.width(), rect.y()),
                               QPoint(rect.x() + rect.width(), rect.y() + rect.height()),
                               QPoint(rect.x(), rect.y() + rect.height())};
    canvas.drawPolygon(corners, 4);
}

// A recording canvas writes every pen or brush change into the metafile, so the same state
// is not set again: a symbol of many bars then records little more than its rectangles.
void UseFill(QPainter& canvas, const QColor& colour)
{
    if (canvas.pen().style() != Qt::NoPen)
        canvas.setPen(Qt::NoPen);
    const QBrush brush(colour);
    if (canvas.brush() != brush)
        canvas.setBrush(brush);
}

void UseOutline(QPainter& canvas, const QPen& pen)
{
    if (canvas.pen() != pen)
        canvas.setPen(pen);
    if (canvas.brush().style() != Qt::NoBrush)
        canvas.setBrush(Qt::NoBrush);
}

// Between renders there is no canvas; the font alone then answers for the same pixel sizes.
QFontMetrics TextMetrics(const QPainter* canvas, const QFont& font)
{
    return canvas ? canvas->fontMetrics() : QFontMetrics(font);
}

} // namespace

QColor TColorToQColor(TColor color)
{
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

TColor QColorToTColor(const QColor& color)
{
    return TColor(color.red()) | (TColor(color.green()) << 8) | (TColor(color.blue()) << 16);
}

TZintRenderTargetCanvas::TZintRenderTargetCanvas(TZintPersistent* owner)
    : TZintCustomRenderTarget(owner)
{
    // Liberation Mono is metric-compatible with Courier New, the font the text layout expects.
    FFont.setFamily(QStringLiteral("Liberation Mono"));
    FFont.setPixelSize(19);
    FFont.setWeight(QFont::Normal);
    FFont.setStyle(QFont::StyleNormal);
    FFont.setStyleHint(QFont::Monospace);
}

TZintRenderTargetCanvas::~TZintRenderTargetCanvas() = default;

void TZintRenderTargetCanvas::SetColor(int index, TColor value)
{
    if (index == 0)
        FFGColor = value;
    else if (index == 1)
        FBGColor = value;
    Changed();
}

void TZintRenderTargetCanvas::SetFont(const QFont& font, const QColor& color)
{
    FFont = font;
    FFontColor = color;
    // Once for the owned font's own change, once for the property write.
    Changed();
    Changed();
}

void TZintRenderTargetCanvas::SetCanvas(QPainter* canvas)
{
    if (canvas) {
        const QRectF target = canvas->hasClipping() ? canvas->clipBoundingRect()
                                                    : QRectF(0, 0, canvas->device()->width(),
                                                             canvas->device()->height());
        SetXDesired(float(target.left()));
        SetYDesired(float(target.top()));
        SetWidthDesired(float(target.width()));
        SetHeightDesired(float(target.height()));
    }
    FCanvas = canvas;
}

void TZintRenderTargetCanvas::StartRender()
{
    if (!FCanvas)
        throw std::logic_error("TZintRenderTargetCanvas: render without a canvas");
    FCanvas->setFont(FFont);
    FCanvas->setRenderHint(QPainter::Antialiasing, false);
}

void TZintRenderTargetCanvas::ResizeTarget(float, float) {}

QRect TZintRenderTargetCanvas::DeviceRect(const TZintRenderRect& rect)
{
    return RoundedRect(rect);
}

void TZintRenderTargetCanvas::FillRect(const QRect& rect, TColor color)
{
    UseFill(*FCanvas, TColorToQColor(color));
    FillPolygon(*FCanvas, rect);
}

void TZintRenderTargetCanvas::ClearBackground(const TZintRenderRect& rect)
{
    FillRect(RoundedRect(rect), FBGColor);
}

void TZintRenderTargetCanvas::DrawRect(const TZintRenderRect& rect)
{
    FillRect(RoundedRect(rect), FFGColor);
}

void TZintRenderTargetCanvas::DrawHexagon(const TZintHexagonParams& params)
{
    const float w = params.Width * HexagonScale();
    const float h = params.Height * HexagonScale();
    const float x0 = params.X - w / 2;
    const double sqrt3 = std::sqrt(3.0);
    const double y = params.Y;
    const QPoint points[6] = {
        QPoint(Round(x0), Round(y - h / 4.0)),
        QPoint(Round(x0), Round(y + h / 4.0)),
        QPoint(Round(x0 + sqrt3 * h / 4), Round(y + h / 2.0)),
        QPoint(Round(x0 + sqrt3 * h / 2), Round(y + h / 4.0)),
        QPoint(Round(x0 + sqrt3 * h / 2), Round(y - h / 4.0)),
        QPoint(Round(x0 + sqrt3 * h / 4), Round(y - h / 2.0)),
    };
    UseFill(*FCanvas, TColorToQColor(FFGColor));
    FCanvas->drawPolygon(points, 6);
}

void TZintRenderTargetCanvas::DrawRing(const TZintRingParams& params)
{
    const double band = double(params.OuterRadius) - params.InnerRadius;
    const int half = Round(band / 2);
    const double outer = params.OuterRadius;
    QPen pen(TColorToQColor(FFGColor));
    pen.setWidth(Round(band));
    pen.setStyle(Qt::SolidLine);
    UseOutline(*FCanvas, pen);
    FCanvas->drawEllipse(RoundedRect(params.X - outer + half, params.Y - outer + half,
                                     params.X + outer - half, params.Y + outer - half));
}

void TZintRenderTargetCanvas::DrawCircle(const TZintCircleParams& params)
{
    const double r = params.Diameter / 2.0;
    // A cosmetic outline would add a pixel right and below the box; the fill alone covers it.
    UseFill(*FCanvas, TColorToQColor(FFGColor));
    FCanvas->drawEllipse(RoundedRect(params.X - r, params.Y - r, params.X + r, params.Y + r));
}

void TZintRenderTargetCanvas::DrawText(const TZintDrawTextParams& params)
{
    const QRect rect = RoundedRect(params.X, params.Y, double(params.X) + params.Width,
                                   double(params.Y) + params.Height);
    UseOutline(*FCanvas, QPen(FFontColor));
    // No mnemonic flag: every character, "&" included, is drawn as it stands.
    FCanvas->drawText(rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, params.Text);
}

float TZintRenderTargetCanvas::CalcTextHeight(const TZintCalcTextHeightParams&)
{
    return float(TextMetrics(FCanvas, FFont).height());
}

float TZintRenderTargetCanvas::CalcTextWidth(const TZintCalcTextHeightParams& params)
{
    return float(TextMetrics(FCanvas, FFont).horizontalAdvance(params.Text));
}
