#include "render/zint_render_canvas.h"

#include "render/device_painting.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPoint>
#include <QRect>

#include <algorithm>
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

QFont DefaultTextFont()
{
    QFont font(QStringLiteral("Liberation Mono"));
    font.setPixelSize(19);
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setStyleHint(QFont::Monospace);
    return font;
}

TZintRenderTargetCanvas::TZintRenderTargetCanvas(TZintPersistent* owner)
    : TZintCustomRenderTarget(owner), FFont(DefaultTextFont())
{}

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

void TZintRenderTargetCanvas::FillDeviceRect(const QRect& rect, const QColor& colour)
{
    PaintFills(*FCanvas, colour, &rect, 1);
}

void TZintRenderTargetCanvas::FillDevicePolygon(const QPoint* points, int count,
                                                const QColor& colour)
{
    PaintPolygon(*FCanvas, colour, points, count);
}

void TZintRenderTargetCanvas::StrokeDeviceEllipse(const QRect& rect, const QColor& colour,
                                                  int penWidth)
{
    PaintRing(*FCanvas, colour, penWidth, rect);
}

void TZintRenderTargetCanvas::FillDeviceEllipse(const QRect& rect, const QColor& colour)
{
    PaintCircle(*FCanvas, colour, rect);
}

void TZintRenderTargetCanvas::DrawDeviceText(const QRect& rect, int flags, const QString& text,
                                             const QColor& colour)
{
    PaintText(*FCanvas, rect, flags, text, FFont, colour);
}

void TZintRenderTargetCanvas::ClearBackground(const TZintRenderRect& rect)
{
    FillDeviceRect(RoundedRect(rect), TColorToQColor(FBGColor));
}

void TZintRenderTargetCanvas::DrawRect(const TZintRenderRect& rect)
{
    FillDeviceRect(RoundedRect(rect), TColorToQColor(FFGColor));
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
    FillDevicePolygon(points, 6, TColorToQColor(FFGColor));
}

void TZintRenderTargetCanvas::DrawRing(const TZintRingParams& params)
{
    const double band = double(params.OuterRadius) - params.InnerRadius;
    const int half = Round(band / 2);
    const double outer = params.OuterRadius;
    StrokeDeviceEllipse(RoundedRect(params.X - outer + half, params.Y - outer + half,
                                    params.X + outer - half, params.Y + outer - half),
                        TColorToQColor(FFGColor), Round(band));
}

void TZintRenderTargetCanvas::DrawCircle(const TZintCircleParams& params)
{
    const double r = params.Diameter / 2.0;
    FillDeviceEllipse(RoundedRect(params.X - r, params.Y - r, params.X + r, params.Y + r),
                      TColorToQColor(FFGColor));
}

void TZintRenderTargetCanvas::DrawText(const TZintDrawTextParams& params)
{
    const QRect rect = RoundedRect(params.X, params.Y, double(params.X) + params.Width,
                                   double(params.Y) + params.Height);
    // No mnemonic flag: every character, "&" included, is drawn as it stands.
    DrawDeviceText(rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, params.Text,
                   FFontColor);
}

float TZintRenderTargetCanvas::CalcTextHeight(const TZintCalcTextHeightParams&)
{
    return float(TextMetrics(FCanvas, FFont).height());
}

void TZintRenderTargetCanvas::SetTextPixelSize(float size)
{
    FFont.setPixelSize(std::max(1, int(size)));
    if (FCanvas)
        FCanvas->setFont(FFont);
}

float TZintRenderTargetCanvas::TextPixelSize() const
{
    return float(FFont.pixelSize() > 0 ? FFont.pixelSize() : QFontInfo(FFont).pixelSize());
}

float TZintRenderTargetCanvas::CalcTextWidth(const TZintCalcTextHeightParams& params)
{
    return float(TextMetrics(FCanvas, FFont).horizontalAdvance(params.Text));
}
