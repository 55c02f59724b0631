#pragma once

#include "render/zint_render_canvas.h"

#include <memory>
#include <vector>

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
    void EndDrawing() override;
    void ResizeTarget(float width, float height) override;
    void ClearBackground(const TZintRenderRect& rect) override;
    void DrawRect(const TZintRenderRect& rect) override;
    void DrawHexagon(const TZintHexagonParams& params) override;
    void DrawRing(const TZintRingParams& params) override;
    void DrawCircle(const TZintCircleParams& params) override;
    void DrawText(const TZintDrawTextParams& params) override;
    float CalcTextWidth(const TZintCalcTextHeightParams& params) override;

private:
    void BeginRecording();
    void EndRecording();
    // Fills of one colour wait until something else is drawn, so that runs stacked in
    // consecutive rows are recorded as one rectangle: the same pixels, fewer records.
    void QueueFill(const QRect& rect, TColor color);
    void FlushFills();

    std::vector<QRect> FPendingFills;
    TColor FPendingColor = clBlack;

    TMetafile* FMetafile = nullptr;
    std::unique_ptr<QPainter> FRecorder;
};
