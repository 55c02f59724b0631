#include "render/zint_render_wmf.h"

#include "render/zint_metafile.h"

#include <QPainter>

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <unordered_map>

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

void TZintRenderTargetWMF::EndDrawing()
{
    FlushFills();
}

void TZintRenderTargetWMF::ClearBackground(const TZintRenderRect& rect)
{
    QueueFill(DeviceRect(rect), BackgroundColor());
}

void TZintRenderTargetWMF::DrawRect(const TZintRenderRect& rect)
{
    QueueFill(DeviceRect(rect), ForegroundColor());
}

void TZintRenderTargetWMF::DrawHexagon(const TZintHexagonParams& params)
{
    FlushFills();
    TZintRenderTargetCanvas::DrawHexagon(params);
}

void TZintRenderTargetWMF::DrawRing(const TZintRingParams& params)
{
    FlushFills();
    TZintRenderTargetCanvas::DrawRing(params);
}

void TZintRenderTargetWMF::DrawCircle(const TZintCircleParams& params)
{
    FlushFills();
    TZintRenderTargetCanvas::DrawCircle(params);
}

void TZintRenderTargetWMF::DrawText(const TZintDrawTextParams& params)
{
    FlushFills();
    TZintRenderTargetCanvas::DrawText(params);
}

void TZintRenderTargetWMF::QueueFill(const QRect& rect, TColor color)
{
    if (!FPendingFills.empty() && color != FPendingColor)
        FlushFills();
    FPendingColor = color;
    FPendingFills.push_back(rect);
}

void TZintRenderTargetWMF::FlushFills()
{
    // Rows arrive top to bottom: a rectangle continues the one of the same columns that
    // ends where it starts.
    std::vector<QRect> merged;
    merged.reserve(FPendingFills.size());
    std::unordered_map<std::uint64_t, std::size_t> columnsEnd;
    for (const QRect& rect : FPendingFills) {
        const std::uint64_t columns =
            (std::uint64_t(std::uint32_t(rect.x())) << 32) | std::uint32_t(rect.width());
        const auto above = columnsEnd.find(columns);
        if (rect.isValid() && above != columnsEnd.end() && merged[above->second].isValid() &&
            merged[above->second].bottom() + 1 == rect.top()) {
            merged[above->second].setBottom(rect.bottom());
            continue;
        }
        columnsEnd[columns] = merged.size();
        merged.push_back(rect);
    }
    FPendingFills.clear();
    for (const QRect& rect : merged)
        FillRect(rect, FPendingColor);
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
    FPendingFills.clear();
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
