#pragma once

#include "base/zint_persistent.h"
#include "render/zint_render_types.h"
#include "symbol/zint_symbology.h"

#include <array>
#include <memory>

class TZintSymbol;
class TZintRenderBox;

// The layout engine: places an encoded symbol with its five bands and its human-readable
// text into the target rectangle and drives the back-end's drawing primitives.
// Geometry is float in target units; rounding is the back-end's business.
class TZintCustomRenderTarget : public TZintPersistent
{
public:
    explicit TZintCustomRenderTarget(TZintPersistent* owner = nullptr);
    ~TZintCustomRenderTarget() override;

    const char* ClassName() const override { return "TZintCustomRenderTarget"; }
    void Assign(const TZintPersistent* source) override;

    // Lays out and draws the symbol (the result of a successful encode).
    // Raises "The desired width is too small." / "The desired height is too small.".
    virtual void Render(TZintSymbol& symbol);

    TZintRenderAdjustMode RenderAdjustMode() const { return FRenderAdjustMode; }
    void SetRenderAdjustMode(TZintRenderAdjustMode value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    float HexagonScale() const { return FHexagonScale; }
    void SetHexagonScale(float value);
    TZintRenderBox* Margin() const { return FMargin.get(); }
    TZintRenderBox* Padding() const { return FPadding.get(); }
    TZintRenderBox* Border() const { return FBorder.get(); }
    TZintRenderBox* Whitespace() const { return FWhitespace.get(); }
    TZintRenderBox* TextSpacing() const { return FTextSpacing.get(); }
    // Copies into the owned box (0 Margin, 1 Padding, 2 Border, 3 Whitespace, 4 TextSpacing).
    void SetBox(int index, const TZintRenderBox& value);
    TZintHAlign HAlign() const { return FHAlign; }
    void SetHAlign(TZintHAlign value);
    TZintVAlign VAlign() const { return FVAlign; }
    void SetVAlign(TZintVAlign value);
    float MinModuleWidth() const { return FMinModuleWidth; }
    void SetMinModuleWidth(float value);
    float MaxModuleWidth() const { return FMaxModuleWidth; }
    void SetMaxModuleWidth(float value);
    bool ShowText() const { return FShowText; }
    void SetShowText(bool value);

    // Output size. A fixed module width (pixels; 0 fits the module width to the target)
    // makes the target's size a bound the symbol must keep inside, or with FitToSymbol the
    // target becomes the symbol's own size.
    float FixedModuleWidth() const { return FFixedModuleWidth; }
    void SetFixedModuleWidth(float value);
    // A fitted module width is rounded down to whole pixels (at least one).
    bool WholeModules() const { return FWholeModules; }
    void SetWholeModules(bool value);
    bool FitToSymbol() const { return FFitToSymbol; }
    void SetFitToSymbol(bool value);
    // Height in target units of the rows the symbol leaves without one; 0 lets them fill
    // what the target's height leaves.
    float FreeRowHeight() const { return FFreeRowHeight; }
    void SetFreeRowHeight(float value);
    // The text's pixel size as a share of the module width; 0 keeps the font's size.
    void SetTextModuleShare(float value);

    float XDesired() const { return FXDesired; }
    float YDesired() const { return FYDesired; }
    float WidthDesired() const { return FWidthDesired; }
    float HeightDesired() const { return FHeightDesired; }
    void SetXDesired(float value) { FXDesired = value; }
    void SetYDesired(float value) { FYDesired = value; }
    void SetWidthDesired(float value) { FWidthDesired = value; }
    void SetHeightDesired(float value) { FHeightDesired = value; }

    // The laid-out symbol including all bands, valid after Render.
    float X() const { return FX; }
    float Y() const { return FY; }
    float Width() const { return FWidth; }
    float Height() const { return FHeight; }
    float ModuleWidth() const { return FModuleWidth; }

protected:
    // Render steps, in the order Render calls them.
    virtual void AddSymbolSpacing();
    virtual void AddModulesToBoxes();
    virtual void CountRowHeights();
    virtual void CalcSize();
    virtual void PrepareText();
    virtual void ReserveSideTexts();
    virtual void CalcEANUPCFlags();
    virtual void CalcLargeBarHeight();
    virtual void CalcRects();
    virtual void DrawBorder();
    virtual void DrawMaxiRings();
    virtual void DrawMaxiModules();
    virtual void DrawBars();
    virtual void DrawDots();
    virtual void DrawSymbolText();

    virtual void StartRender() {}
    virtual void EndRender() {}
    virtual void StartDrawing() {}
    virtual void EndDrawing() {}

    virtual void HandleEANUPCBar(int bar, TZintRenderRect& rect);

    // The human-readable text is drawn: the symbol has one and ShowText is on.
    bool TextDrawn() const;
    // Height of one row in target units; rows of height 0 share what is left over.
    float RowHeight(int row) const;
    // What the catalogue knows of the symbology being rendered.
    const TSymbologyTraits& SymbologyTraits() const;

    // Back-end operations.
    virtual void ResizeTarget(float width, float height) = 0;
    virtual void ClearBackground(const TZintRenderRect& rect) = 0;
    virtual void DrawRect(const TZintRenderRect& rect) = 0;
    virtual void DrawHexagon(const TZintHexagonParams& params) = 0;
    virtual void DrawRing(const TZintRingParams& params) = 0;
    virtual void DrawCircle(const TZintCircleParams& params) = 0;
    virtual void DrawText(const TZintDrawTextParams& params) = 0;
    virtual float CalcTextHeight(const TZintCalcTextHeightParams& params) = 0;
    virtual float CalcTextWidth(const TZintCalcTextHeightParams& params) = 0;
    // Sets the text smaller (or to the size asked for); back-ends without fonts ignore it.
    virtual void SetTextPixelSize(float) {}
    virtual float TextPixelSize() const { return 0; }

    // The bands of the render in progress: copies of the user's boxes with the encoder's
    // bands added and modules turned into target units. The user's boxes stay as they are.
    TZintRenderBox& LayoutMargin() const { return *FLayoutBands[0]; }
    TZintRenderBox& LayoutPadding() const { return *FLayoutBands[1]; }
    TZintRenderBox& LayoutBorder() const { return *FLayoutBands[2]; }
    TZintRenderBox& LayoutWhitespace() const { return *FLayoutBands[3]; }
    TZintRenderBox& LayoutTextSpacing() const { return *FLayoutBands[4]; }

    // Working state of one render (readable by back-ends and tests of derived classes).
    TZintSymbol* FSymbol = nullptr;
    int FRowHeights = 0;
    float FModuleWidth = 0;
    float FModuleHeight = 0;
    int FLargeBarCount = 0;
    float FLargeBarHeight = 0;
    bool FHasText = false;
    bool FHasAddonText = false;
    QString FText;
    QString FAddonText;
    QString FLeadingText;
    QString FTrailingText;
    TZintRenderRect FMarginRect, FBorderRect, FPaddingRect, FWhitespaceRect, FBarcodeRect,
        FTextSpacingRect, FTextRect;
    float FTextHeight = 0;
    TZintRenderRect FStartTextBar;
    bool FTextDone = false;
    TZintEANUPCFlags FEANUPCFlags;
    float FLeadingTextWidth = 0;
    float FTrailingTextWidth = 0;

private:
    // Sizes the text by the module share and sets it smaller until it fits its line.
    void FitText();
    // Sets EAN/UPC digits smaller until every group, the add-on and a digit standing before
    // the add-on fit between the bars around them.
    void FitEANUPCText();
    // Width the text line may take for the current module width.
    float TextRoom() const;
    // Modules of whole pixels: bars and the symbol's origin land on pixel edges.
    bool OnPixelGrid() const;

    std::array<std::unique_ptr<TZintRenderBox>, 5> FLayoutBands;
    std::unique_ptr<TZintRenderBox> FMargin;
    std::unique_ptr<TZintRenderBox> FBorder;
    std::unique_ptr<TZintRenderBox> FPadding;
    std::unique_ptr<TZintRenderBox> FWhitespace;
    std::unique_ptr<TZintRenderBox> FTextSpacing;
    float FHexagonScale = 0.9f;
    bool FTransparent = false;
    TZintRenderAdjustMode FRenderAdjustMode = TZintRenderAdjustMode::ramScale;
    float FXDesired = 0, FYDesired = 0, FWidthDesired = 0, FHeightDesired = 0;
    float FX = 0, FY = 0, FWidth = 0, FHeight = 0;
    float FMinModuleWidth = 0;
    float FMaxModuleWidth = 0;
    TZintHAlign FHAlign = TZintHAlign::haLeft;
    TZintVAlign FVAlign = TZintVAlign::vaTop;
    bool FShowText = true;
    float FFixedModuleWidth = 0;
    bool FWholeModules = false;
    bool FFitToSymbol = false;
    float FFreeRowHeight = 0;
    float FTextModuleShare = 0;
};
