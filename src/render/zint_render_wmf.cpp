#include "render/zint_render_wmf.h"

#include "render/zint_metafile.h"

#include <QPainter>

#include <cmath>
#include <stdexcept>

TZintRenderTargetWMF::TZintRenderTargetWMF(TZintPersistent* owner) : TZintRenderTargetCanvas(owner)
{}

TZintRenderTargetWMF::~TZintRenderTargetWMF() = default;

void TZintRenderTargetWMF::SetMetafile(TMetafile* metafile)
{
    if (metafile) {
        SetWidthDesired(float(metafile->Width()));
        SetHeightDesired(float(metafile->Height()));
    }
    FMetafile = metafile;
}

void TZintRenderTargetWMF::Render(TZintSymbol& symbol)
{
    if (!FMetafile)
        throw std::logic_error("TZintRenderTargetWMF: render without a metafile");
    BeginRecording();
    try {
        TZintRenderTargetCanvas::Render(symbol);
    } catch (...) {
        EndRecording();
        throw;
    }
    EndRecording();
}

void TZintRenderTargetWMF::ResizeTarget(float width, float height)
{
    EndRecording();
    FMetafile->SetSize(int(std::nearbyint(width)), int(std::nearbyint(height)));
    BeginRecording();
}

float TZintRenderTargetWMF::CalcTextWidth(const TZintCalcTextHeightParams& params)
{
    const float width = TZintRenderTargetCanvas::CalcTextWidth(params);
    // Single EAN/UPC side digits get a box twice their width, with the digit centred in it.
    return params.Text.size() == 1 ? 2 * width : width;
}

void TZintRenderTargetWMF::BeginRecording()
{
    FMetafile->Picture() = QPicture();
    FRecorder = std::make_unique<QPainter>(&FMetafile->Picture());
    FRecorder->setFont(Font());
    FCanvas = FRecorder.get();
}

void TZintRenderTargetWMF::EndRecording()
{
    FCanvas = nullptr;
    if (!FRecorder)
        return;
    FRecorder->end();
    FRecorder.reset();
    // Playback must not depend on what was drawn: the picture covers exactly its own size.
    FMetafile->Picture().setBoundingRect(QRect(QPoint(0, 0), FMetafile->Size()));
}
