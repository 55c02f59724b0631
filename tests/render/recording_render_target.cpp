#include "render/recording_render_target.h"

std::vector<TRecordingRenderTarget::TCall> TRecordingRenderTarget::Calls(TKind kind) const
{
    std::vector<TCall> result;
    for (const TCall& call : FCalls)
        if (call.Kind == kind)
            result.push_back(call);
    return result;
}

std::vector<TZintRenderRect> TRecordingRenderTarget::Rects() const
{
    std::vector<TZintRenderRect> result;
    for (const TCall& call : Calls(TKind::Rect))
        result.push_back({call.Args[0], call.Args[1], call.Args[2], call.Args[3]});
    return result;
}

void TRecordingRenderTarget::ResizeTarget(float width, float height)
{
    FCalls.push_back({TKind::Resize, {width, height, 0, 0}, {}});
}

void TRecordingRenderTarget::ClearBackground(const TZintRenderRect& rect)
{
    FCalls.push_back({TKind::Clear, {rect.X, rect.Y, rect.Width, rect.Height}, {}});
}

void TRecordingRenderTarget::DrawRect(const TZintRenderRect& rect)
{
    FCalls.push_back({TKind::Rect, {rect.X, rect.Y, rect.Width, rect.Height}, {}});
}

void TRecordingRenderTarget::DrawHexagon(const TZintHexagonParams& params)
{
    FCalls.push_back({TKind::Hexagon, {params.X, params.Y, params.Width, params.Height}, {}});
}

void TRecordingRenderTarget::DrawRing(const TZintRingParams& params)
{
    FCalls.push_back(
        {TKind::Ring, {params.X, params.Y, params.OuterRadius, params.InnerRadius}, {}});
}

void TRecordingRenderTarget::DrawCircle(const TZintCircleParams& params)
{
    FCalls.push_back({TKind::Circle, {params.X, params.Y, params.Diameter, 0}, {}});
}

void TRecordingRenderTarget::DrawText(const TZintDrawTextParams& params)
{
    FCalls.push_back({TKind::Text, {params.X, params.Y, params.Width, params.Height}, params.Text});
}

float TRecordingRenderTarget::CalcTextHeight(const TZintCalcTextHeightParams&)
{
    return TextHeight;
}

float TRecordingRenderTarget::CalcTextWidth(const TZintCalcTextHeightParams& params)
{
    return CharWidth * float(params.Text.size());
}
