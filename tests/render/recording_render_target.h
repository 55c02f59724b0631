#pragma once

#include "render/zint_render_target.h"

#include <array>
#include <vector>

// A back-end that records every primitive with its float arguments and measures text by a
// fixed rule, so layout tests can state exact figures.
class TRecordingRenderTarget final : public TZintCustomRenderTarget
{
public:
    static constexpr float TextHeight = 20;
    static constexpr float CharWidth = 10;

    enum class TKind
    {
        Resize,
        Clear,
        Rect,
        Hexagon,
        Ring,
        Circle,
        Text
    };
    struct TCall
    {
        TKind Kind;
        std::array<float, 4> Args; // in the order of the primitive's parameters
        QString Text;
    };

    using TZintCustomRenderTarget::TZintCustomRenderTarget;

    const std::vector<TCall>& Calls() const { return FCalls; }
    std::vector<TCall> Calls(TKind kind) const;
    std::vector<TZintRenderRect> Rects() const;
    void ClearCalls() { FCalls.clear(); }

    // Working state of the last render.
    float ModuleHeight() const { return FModuleHeight; }
    const TZintRenderRect& BarcodeRect() const { return FBarcodeRect; }
    const TZintRenderRect& BorderRect() const { return FBorderRect; }
    const TZintRenderRect& TextRect() const { return FTextRect; }

protected:
    void ResizeTarget(float width, float height) override;
    void ClearBackground(const TZintRenderRect& rect) override;
    void DrawRect(const TZintRenderRect& rect) override;
    void DrawHexagon(const TZintHexagonParams& params) override;
    void DrawRing(const TZintRingParams& params) override;
    void DrawCircle(const TZintCircleParams& params) override;
    void DrawText(const TZintDrawTextParams& params) override;
    float CalcTextHeight(const TZintCalcTextHeightParams& params) override;
    float CalcTextWidth(const TZintCalcTextHeightParams& params) override;

private:
    std::vector<TCall> FCalls;
};
