#pragma once

#include "render/zint_render_canvas.h"

#include <memory>

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
    void ResizeTarget(float width, float height) override;
    float CalcTextWidth(const TZintCalcTextHeightParams& params) override;

private:
    void BeginRecording();
    void EndRecording();

    TMetafile* FMetafile = nullptr;
    std::unique_ptr<QPainter> FRecorder;
};
