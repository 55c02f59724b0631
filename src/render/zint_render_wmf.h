#pragma once

#include "render/zint_render_canvas.h"

class TMetafile;

// Records the drawing into a metafile whose size is the target rectangle; in the enlarging
// adjust mode it grows the metafile before anything is drawn.
class TZintRenderTargetWMF final : public TZintRenderTargetCanvas
{
public:
    explicit TZintRenderTargetWMF(TZintPersistent* owner = nullptr);
    ~TZintRenderTargetWMF() override;

    const char* ClassName() const override { return "TZintRenderTargetWMF"; }

    TMetafile* Metafile() const { return FMetafile; }
    void SetMetafile(TMetafile* metafile);

    void Render(TZintSymbol& symbol) override;

protected:
    void StartRender() override;
    void ResizeTarget(float width, float height) override;
    void FillDeviceRect(const QRect& rect, const QColor& colour) override;
    void FillDevicePolygon(const QPoint* points, int count, const QColor& colour) override;
    void StrokeDeviceEllipse(const QRect& rect, const QColor& colour, int penWidth) override;
    void FillDeviceEllipse(const QRect& rect, const QColor& colour) override;
    void DrawDeviceText(const QRect& rect, int flags, const QString& text,
                        const QColor& colour) override;
    float CalcTextWidth(const TZintCalcTextHeightParams& params) override;

private:
    TMetafile* FMetafile = nullptr;
};
