#pragma once

#include "render/zint_render_target.h"

#include <QColor>
#include <QFont>

#include <cstdint>

class QPainter;
class QPoint;
class QRect;

// Colour value with red in the lowest byte, then green, then blue (0x00BBGGRR).
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
QColor TColorToQColor(TColor color);

// The human-readable text's font unless the user picks another: Courier New, 19 pixels,
// regular (Liberation Mono, metric-compatible, on Linux).
QFont DefaultTextFont();
TColor QColorToTColor(const QColor& color);

// Draws the layout through a QPainter. The target rectangle is the painter's clip rectangle
// (or its device rectangle when it has none).
class TZintRenderTargetCanvas : public TZintCustomRenderTarget
{
public:
    explicit TZintRenderTargetCanvas(TZintPersistent* owner = nullptr);
    ~TZintRenderTargetCanvas() override;

    const char* ClassName() const override { return "TZintRenderTargetCanvas"; }

    TColor ForegroundColor() const { return FFGColor; }
    TColor BackgroundColor() const { return FBGColor; }
    void SetForegroundColor(TColor value) { SetColor(0, value); }
    void SetBackgroundColor(TColor value) { SetColor(1, value); }
    void SetColor(int index, TColor value);

    const QFont& Font() const { return FFont; }
    QColor FontColor() const { return FFontColor; }
    void SetFont(const QFont& font, const QColor& color);

    QPainter* Canvas() const { return FCanvas; }
    void SetCanvas(QPainter* canvas);

protected:
    void StartRender() override;
    void ResizeTarget(float width, float height) override;
    void ClearBackground(const TZintRenderRect& rect) override;
    void DrawRect(const TZintRenderRect& rect) override;
    void DrawHexagon(const TZintHexagonParams& params) override;
    void DrawRing(const TZintRingParams& params) override;
    void DrawCircle(const TZintCircleParams& params) override;
    void DrawText(const TZintDrawTextParams& params) override;
    float CalcTextHeight(const TZintCalcTextHeightParams& params) override;
    float CalcTextWidth(const TZintCalcTextHeightParams& params) override;
    void SetTextPixelSize(float size) override;
    float TextPixelSize() const override;

    // Every drawing operation ends in one of these, in device pixels: the canvas paints,
    // a recording target keeps the command.
    virtual void FillDeviceRect(const QRect& rect, const QColor& colour);
    virtual void FillDevicePolygon(const QPoint* points, int count, const QColor& colour);
    virtual void StrokeDeviceEllipse(const QRect& rect, const QColor& colour, int penWidth);
    virtual void FillDeviceEllipse(const QRect& rect, const QColor& colour);
    virtual void DrawDeviceText(const QRect& rect, int flags, const QString& text,
                                const QColor& colour);

    QPainter* FCanvas = nullptr;

private:
    TColor FFGColor = clBlack;
    TColor FBGColor = clWhite;
    QFont FFont;
    QColor FFontColor = Qt::black;
};
