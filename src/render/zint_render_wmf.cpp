#include "render/zint_render_wmf.h"

#include "render/render_pipeline.h"
#include "render/zint_metafile.h"

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
    // A render replaces the drawing; after an error the metafile holds what was recorded.
    FMetafile->Clear();
    TZintRenderTargetCanvas::Render(symbol);
}

// Nothing to prepare: the commands carry their own colours and font.
void TZintRenderTargetWMF::StartRender() {}

void TZintRenderTargetWMF::ResizeTarget(float width, float height)
{
    // Refused before the conversion: an absurd band would not fit an int.
    CheckImageSize(width, height);
    FMetafile->SetSize(int(std::nearbyint(width)), int(std::nearbyint(height)));
}

void TZintRenderTargetWMF::FillDeviceRect(const QRect& rect, const QColor& colour)
{
    FMetafile->AddRectFill(rect, colour);
}

void TZintRenderTargetWMF::FillDevicePolygon(const QPoint* points, int count, const QColor& colour)
{
    FMetafile->AddPolygonFill(points, count, colour);
}

void TZintRenderTargetWMF::StrokeDeviceEllipse(const QRect& rect, const QColor& colour,
                                               int penWidth)
{
    FMetafile->AddEllipseStroke(rect, colour, penWidth);
}

void TZintRenderTargetWMF::FillDeviceEllipse(const QRect& rect, const QColor& colour)
{
    FMetafile->AddEllipseFill(rect, colour);
}

void TZintRenderTargetWMF::DrawDeviceText(const QRect& rect, int flags, const QString& text,
                                          const QColor& colour)
{
    FMetafile->AddText(rect, flags, text, Font(), colour);
}

float TZintRenderTargetWMF::CalcTextWidth(const TZintCalcTextHeightParams& params)
{
    const float width = TZintRenderTargetCanvas::CalcTextWidth(params);
    // Single EAN/UPC side digits get a box twice their width, with the digit centred in it.
    return params.Text.size() == 1 ? 2 * width : width;
}
