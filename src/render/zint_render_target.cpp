#include "render/zint_render_target.h"

#include "base/zint_exception.h"
#include "render/zint_render_box.h"
#include "render/zint_render_value.h"
#include "symbol/zint_symbol.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>

namespace {
constexpr int UnicodeInput = 1; // input_mode bit: the text is UTF-8

// Layout arithmetic runs in double; only what is stored is rounded to float.
float Sum(std::initializer_list<double> terms)
{
    double total = 0;
    for (double term : terms)
        total += term;
    return float(total);
}

TZintRenderRect Inset(const TZintRenderRect& rect, const TZintRenderBox& box)
{
    return {Sum({rect.X, box.Left()->TargetUnits()}), Sum({rect.Y, box.Top()->TargetUnits()}),
            Sum({rect.Width, -box.Left()->TargetUnits(), -box.Right()->TargetUnits()}),
            Sum({rect.Height, -box.Top()->TargetUnits(), -box.Bottom()->TargetUnits()})};
}

// A fitted module width rounded down to whole pixels; the tolerance keeps 2.9999... at 3.
// Under one pixel there is nothing whole to round to: the width stays, for the caller to
// refuse.
float WholePixels(float moduleWidth)
{
    return moduleWidth >= 1 ? std::floor(moduleWidth + 1e-4f) : moduleWidth;
}

// The pixel edge a layout coordinate falls on, halves to even as the back-ends round.
// Bars and rows are placed by their edges, so neighbours share one and no seam opens.
float PixelEdge(double coordinate)
{
    return float(std::nearbyint(coordinate));
}

// Length of the run of equal modules that starts at (row, column).
int RunLength(const TZintSymbol& symbol, int row, int column)
{
    const bool dark = symbol.module(row, column);
    int end = column + 1;
    while (end < symbol.width() && symbol.module(row, end) == dark)
        ++end;
    return end - column;
}
} // namespace

bool TZintCustomRenderTarget::OnPixelGrid() const
{
    return FWholeModules ||
           (FFixedModuleWidth > 0 && FFixedModuleWidth == std::floor(FFixedModuleWidth));
}

bool TZintCustomRenderTarget::TextDrawn() const
{
    return FHasText && FShowText;
}

void TZintCustomRenderTarget::Render(TZintSymbol& symbol)
{
    FSymbol = &symbol;
    FTextDone = false;
    const TZintRenderBox* const boxes[] = {Margin(), Padding(), Border(), Whitespace(),
                                           TextSpacing()};
    for (std::size_t band = 0; band < FLayoutBands.size(); ++band)
        FLayoutBands[band]->Assign(boxes[band]);
    StartRender();
    AddSymbolSpacing();
    CountRowHeights();
    PrepareText();
    CalcEANUPCFlags();
    ReserveSideTexts();
    CalcSize();
    AddModulesToBoxes();
    CalcRects();
    CalcLargeBarHeight();
    StartDrawing();
    if (!FTransparent)
        ClearBackground({FXDesired, FYDesired, FWidthDesired, FHeightDesired});
    DrawBorder();
    if (SymbologyTraits().IsMaxiCode()) {
        DrawMaxiRings();
        DrawMaxiModules();
    } else {
        if (symbol.DrawnAsDots())
            DrawDots();
        else
            DrawBars();
        if (FHasText)
            DrawSymbolText();
    }
    EndDrawing();
    EndRender();
}

void TZintCustomRenderTarget::AddSymbolSpacing()
{
    const float whitespace = float(FSymbol->whitespace_width());
    const float border = float(FSymbol->border_width());
    LayoutWhitespace().Left()->IncModules(whitespace);
    LayoutWhitespace().Right()->IncModules(whitespace);
    if (FSymbol->BindsRows() || FSymbol->Boxed()) {
        LayoutBorder().Top()->IncModules(border);
        LayoutBorder().Bottom()->IncModules(border);
    }
    if (FSymbol->Boxed()) {
        LayoutBorder().Left()->IncModules(border);
        LayoutBorder().Right()->IncModules(border);
    }
}

void TZintCustomRenderTarget::AddModulesToBoxes()
{
    for (TZintRenderBox* box :
         {&LayoutMargin(), &LayoutBorder(), &LayoutPadding(), &LayoutWhitespace()})
        box->AddModulesToTargetUnits(FModuleWidth, FModuleHeight, true, true, true, true);
    // Left and right text spacing stay in target units: the text is not laid out in modules.
    LayoutTextSpacing().AddModulesToTargetUnits(FModuleWidth, FModuleHeight, true, true, false,
                                                false);
}

void TZintCustomRenderTarget::CountRowHeights()
{
    FRowHeights = 0;
    FLargeBarCount = 0;
    for (int row = 0; row < FSymbol->rows(); ++row) {
        const int height = FSymbol->row_height(row);
        FRowHeights += height;
        if (height == 0)
            ++FLargeBarCount;
    }
}

void TZintCustomRenderTarget::PrepareText()
{
    QByteArray bytes = FSymbol->text();
    const int zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    FHasText = !bytes.isEmpty();
    FText = (FSymbol->input_mode() & UnicodeInput) ? QString::fromUtf8(bytes)
                                                   : QString::fromLatin1(bytes);

    const int plus = FText.indexOf(QLatin1Char('+'));
    FHasAddonText = plus >= 0 && SymbologyTraits().IsEanUpc();
    if (FHasAddonText) {
        FAddonText = FText.mid(plus + 1);
        FText.truncate(plus);
    } else {
        FAddonText.clear();
    }
    FTextHeight = TextDrawn() ? CalcTextHeight({FText}) : 0;
}

void TZintCustomRenderTarget::CalcSize()
{
    const bool maxiCode = SymbologyTraits().IsMaxiCode();
    const double k = maxiCode ? 2 / std::sqrt(3.0) : 1;
    const TZintRenderBox& ws = LayoutWhitespace();
    const TZintRenderBox& pad = LayoutPadding();
    const TZintRenderBox& border = LayoutBorder();
    const TZintRenderBox& margin = LayoutMargin();
    const TZintRenderBox& ts = LayoutTextSpacing();

    const float modulesAcross =
        Sum({ws.LeftAndRightModules(), double(FSymbol->width()), pad.LeftAndRightModules(),
             border.LeftAndRightModules(), margin.LeftAndRightModules()});
    const float unitsAcross =
        Sum({ws.LeftAndRightTargetUnits(), pad.LeftAndRightTargetUnits(),
             border.LeftAndRightTargetUnits(), margin.LeftAndRightTargetUnits()});
    const auto widthFor = [&](float moduleWidth) {
        return Sum({unitsAcross, double(modulesAcross) * moduleWidth});
    };
    const auto inflateWidth = [&](float width) {
        FWidth = width;
        ResizeTarget(FWidth, FHeightDesired);
        FWidthDesired = FWidth;
    };
    const auto keepInsideWidth = [&] {
        if (FWidth <= FWidthDesired)
            return;
        if (FRenderAdjustMode == TZintRenderAdjustMode::ramScale)
            throw EZintException("The desired width is too small.");
        inflateWidth(FWidth);
    };

    if (FFixedModuleWidth > 0) {
        FModuleWidth = FFixedModuleWidth;
        FWidth = widthFor(FModuleWidth);
        if (FFitToSymbol)
            inflateWidth(std::ceil(FWidth));
        else
            keepInsideWidth();
    } else {
        FWidth = FWidthDesired;
        float available = Sum({FWidthDesired, -double(unitsAcross)});
        if (available <= 0) {
            if (FRenderAdjustMode == TZintRenderAdjustMode::ramScale)
                throw EZintException("The desired width is too small.");
            available = FMinModuleWidth > 0 ? float(double(modulesAcross) * FMinModuleWidth)
                                            : modulesAcross;
            inflateWidth(Sum({unitsAcross, available}));
        }

        FModuleWidth =
            modulesAcross != 0 ? float(double(available) / modulesAcross) : FMaxModuleWidth;
        if (FMaxModuleWidth > 0 && FModuleWidth > FMaxModuleWidth) {
            FModuleWidth = FMaxModuleWidth;
            FWidth = widthFor(FModuleWidth);
        }
        if (FRenderAdjustMode == TZintRenderAdjustMode::ramInflate && FMinModuleWidth > 0 &&
            FModuleWidth < FMinModuleWidth) {
            FModuleWidth = FMinModuleWidth;
            inflateWidth(widthFor(FModuleWidth));
        }
        if (FWholeModules) {
            FModuleWidth = WholePixels(FModuleWidth);
            FWidth = widthFor(FModuleWidth);
            if (FFitToSymbol)
                inflateWidth(std::ceil(FWidth));
            else
                keepInsideWidth();
        }
    }
    FModuleHeight = float(FModuleWidth * k);
    FitText();

    const bool textDrawn = TextDrawn();
    const bool fixedFreeRows = FFreeRowHeight > 0;
    const bool fillingRows = FLargeBarCount > 0 && !fixedFreeRows;
    const int rowsHigh = FRowHeights + (fixedFreeRows ? 0 : FLargeBarCount);
    const float freeRowsHeight = fixedFreeRows ? float(FLargeBarCount * double(FFreeRowHeight)) : 0;
    const float modulesHigh =
        Sum({ws.TopAndBottomModules(), pad.TopAndBottomModules(), border.TopAndBottomModules(),
             margin.TopAndBottomModules(), textDrawn ? ts.TopAndBottomModules() : 0.0f});
    const float bandsHigh =
        Sum({ws.TopAndBottomTargetUnits(), pad.TopAndBottomTargetUnits(),
             border.TopAndBottomTargetUnits(), margin.TopAndBottomTargetUnits(), freeRowsHeight});
    const float textBand = textDrawn ? Sum({ts.TopAndBottomTargetUnits(), FTextHeight}) : 0.0f;
    const float rowsAvailable = Sum({FHeightDesired, -double(bandsHigh), -double(textBand)});
    // MaxiCode rows overlap by a quarter of a module height and carry no text line.
    const float heightInModules =
        maxiCode ? Sum({0.75 * rowsHigh, 0.25, modulesHigh}) : Sum({double(rowsHigh), modulesHigh});
    FHeight = Sum(
        {bandsHigh, maxiCode ? 0.0 : double(textBand), double(FModuleHeight) * heightInModules});

    const auto inflateHeight = [&] {
        ResizeTarget(FWidth, FHeight);
        FHeightDesired = FHeight;
    };

    if (FFixedModuleWidth > 0 || FWholeModules) {
        if (FFitToSymbol && !fillingRows) {
            FHeight = std::ceil(FHeight);
            inflateHeight();
        } else if (FHeightDesired >= FHeight) {
            if (fillingRows)
                FHeight = FHeightDesired;
        } else if (FRenderAdjustMode == TZintRenderAdjustMode::ramScale) {
            throw EZintException("The desired height is too small.");
        } else {
            inflateHeight();
        }
        return;
    }

    if (rowsAvailable <= 0) {
        if (FRenderAdjustMode == TZintRenderAdjustMode::ramScale)
            throw EZintException("The desired height is too small.");
        inflateHeight();
    }

    if (FSymbol->NoMinHeightCheck()) {
        FHeight = FHeightDesired;
    } else if (FHeightDesired >= FHeight) {
        if (!maxiCode && fillingRows)
            FHeight = FHeightDesired;
    } else if (FRenderAdjustMode == TZintRenderAdjustMode::ramScale) {
        FModuleHeight = float(double(rowsAvailable) / heightInModules);
        FModuleWidth = float(FModuleHeight / k);
        FWidth = widthFor(FModuleWidth);
        FHeight = FHeightDesired;
        FitText();
    } else {
        inflateHeight();
    }
}

float TZintCustomRenderTarget::TextRoom() const
{
    const TZintRenderBox* const outer[] = {&LayoutMargin(), &LayoutBorder(), &LayoutPadding()};
    double room = FWidth;
    for (const TZintRenderBox* box : outer)
        room -= box->LeftAndRightTargetUnits() + double(box->LeftAndRightModules()) * FModuleWidth;
    return float(room - LayoutTextSpacing().LeftAndRightTargetUnits());
}

void TZintCustomRenderTarget::FitText()
{
    if (!TextDrawn())
        return;
    if (SymbologyTraits().IsEanUpc()) {
        FitEANUPCText();
        return;
    }
    if (FTextModuleShare > 0)
        SetTextPixelSize(std::max(1.0f, float(double(FTextModuleShare) * FModuleWidth)));
    const float room = TextRoom();
    // Glyph widths do not scale exactly with the pixel size: a few steps settle it.
    for (int step = 0; step < 8 && room > 0; ++step) {
        const float width = CalcTextWidth({FText});
        const float size = TextPixelSize();
        if (width <= room || size <= 1)
            break;
        const float smaller = std::floor(size * room / width);
        SetTextPixelSize(std::max(1.0f, std::min(smaller, size - 1)));
    }
    FTextHeight = CalcTextHeight({FText});
}

void TZintCustomRenderTarget::CalcLargeBarHeight()
{
    if (FLargeBarCount > 0)
        FLargeBarHeight = float(
            (double(FBarcodeRect.Height) - double(FRowHeights) * FModuleHeight) / FLargeBarCount);
}

void TZintCustomRenderTarget::CalcRects()
{
    const auto place = [](float desiredStart, float desiredSize, float size, int alignment) {
        // alignment: 0 start, 1 centre, 2 end
        switch (alignment) {
        case 1:
            return Sum({desiredStart, (double(desiredSize) - size) / 2});
        case 2:
            return Sum({desiredStart, desiredSize, -double(size)});
        default:
            return desiredStart;
        }
    };
    FX = place(FXDesired, FWidthDesired, FWidth, int(FHAlign));
    FY = place(FYDesired, FHeightDesired, FHeight, int(FVAlign));
    // Whole-pixel modules stay whole only from a whole-pixel origin.
    if (OnPixelGrid()) {
        FX = std::floor(FX);
        FY = std::floor(FY);
    }

    FMarginRect = {FX, FY, FWidth, FHeight};
    FBorderRect = Inset(FMarginRect, LayoutMargin());
    FPaddingRect = Inset(FBorderRect, LayoutBorder());
    const TZintRenderBox& ts = LayoutTextSpacing();
    const float textBand =
        TextDrawn() ? Sum({ts.Top()->TargetUnits(), FTextHeight, ts.Bottom()->TargetUnits()})
                    : 0.0f;
    FWhitespaceRect = Inset(FPaddingRect, LayoutPadding());
    FWhitespaceRect.Height = Sum({FWhitespaceRect.Height, -double(textBand)});
    FTextSpacingRect = {FWhitespaceRect.X, Sum({FWhitespaceRect.Y, FWhitespaceRect.Height}),
                        FWhitespaceRect.Width, textBand};
    FTextRect = Inset(FTextSpacingRect, ts);
    FBarcodeRect = Inset(FWhitespaceRect, LayoutWhitespace());
}

void TZintCustomRenderTarget::DrawBorder()
{
    const TZintRenderRect& r = FBorderRect;
    const TZintRenderBox& border = LayoutBorder();
    const float top = border.Top()->TargetUnits();
    const float bottom = border.Bottom()->TargetUnits();
    const float left = border.Left()->TargetUnits();
    const float right = border.Right()->TargetUnits();
    if (top > 0)
        DrawRect({r.X, r.Y, r.Width, top});
    if (bottom > 0)
        DrawRect({r.X, Sum({r.Y, r.Height, -double(bottom)}), r.Width, bottom});
    if (left > 0)
        DrawRect({r.X, r.Y, left, r.Height});
    if (right > 0)
        DrawRect({Sum({r.X, r.Width, -double(right)}), r.Y, right, r.Height});
}

const TSymbologyTraits& TZintCustomRenderTarget::SymbologyTraits() const
{
    return lintaro::Traits(FSymbol->SymbolType());
}

float TZintCustomRenderTarget::RowHeight(int row) const
{
    const int modules = FSymbol->row_height(row);
    return modules != 0 ? float(double(modules) * FModuleWidth) : FLargeBarHeight;
}

void TZintCustomRenderTarget::DrawBars()
{
    const int rows = FSymbol->rows();
    const bool separators = FSymbol->BindsRows() && SymbologyTraits().IsStackable();
    const double separatorHeight = double(FSymbol->border_width()) * FModuleWidth;
    const bool eanUpcText = TextDrawn() && !FEANUPCFlags.Empty();
    const double left = FBarcodeRect.X;
    const double top = FBarcodeRect.Y;
    const auto columnEdge = [&](int column) {
        return PixelEdge(left + double(column) * FModuleWidth);
    };
    double rowStart = 0; // from the top of the bars
    for (int row = 0; row < rows; ++row) {
        const double rowEnd = rowStart + RowHeight(row);
        const float y = PixelEdge(top + rowStart);
        const float height = PixelEdge(top + rowEnd) - y;
        if (row > 0 && separators) {
            const float separatorTop = PixelEdge(top + rowStart - separatorHeight / 2);
            DrawRect({columnEdge(0), separatorTop, columnEdge(FSymbol->width()) - columnEdge(0),
                      PixelEdge(top + rowStart + separatorHeight / 2) - separatorTop});
        }
        const bool lastRow = row == rows - 1;
        int bar = 0;
        for (int column = 0; column < FSymbol->width();) {
            const int run = RunLength(*FSymbol, row, column);
            if (FSymbol->module(row, column)) {
                const float x = columnEdge(column);
                TZintRenderRect rect{x, y, columnEdge(column + run) - x, height};
                if (lastRow && eanUpcText)
                    HandleEANUPCBar(bar, rect);
                DrawRect(rect);
                ++bar;
            }
            column += run;
        }
        rowStart = rowEnd;
    }
}

void TZintCustomRenderTarget::DrawDots()
{
    const double halfModule = double(FModuleWidth) / 2;
    double y = FBarcodeRect.Y + halfModule;
    for (int row = 0; row < FSymbol->rows(); ++row) {
        double x = FBarcodeRect.X + halfModule;
        for (int column = 0; column < FSymbol->width();) {
            const int run = RunLength(*FSymbol, row, column);
            if (FSymbol->module(row, column))
                DrawCircle({float(x), float(y), FModuleWidth});
            x += double(run) * FModuleWidth;
            column += run;
        }
        y += RowHeight(row);
    }
}

void TZintCustomRenderTarget::DrawMaxiRings()
{
    const double step = double(FBarcodeRect.Height) / 40;
    // Four module heights: the bullseye spans eleven overlapping rows.
    const double outer = (11 * double(FModuleHeight) * 0.75 - double(FModuleHeight) * 0.25) / 2;
    const float x =
        Sum({FBarcodeRect.X, double(FBarcodeRect.Width) / 2, -double(FModuleWidth) / 2});
    const float y = Sum({FBarcodeRect.Y, double(FBarcodeRect.Height) / 2});
    for (int ring = 0; ring < 3; ++ring)
        DrawRing({x, y, float(outer - 2 * ring * step), float(outer - (2 * ring + 1) * step)});
}

void TZintCustomRenderTarget::DrawMaxiModules()
{
    const float halfWidth = float(double(FModuleWidth) * 0.5);
    const float rowStep = float(double(FModuleHeight) * 0.75);
    float y = Sum({FBarcodeRect.Y, double(FModuleHeight) * 0.5});
    for (int row = 0; row < FSymbol->rows(); ++row) {
        float x = Sum({FBarcodeRect.X, halfWidth});
        const bool oddRow = row % 2 == 1;
        for (int column = 0; column < FSymbol->width(); ++column) {
            if (FSymbol->module(row, column))
                DrawHexagon({oddRow ? Sum({x, halfWidth}) : x, y, FModuleWidth, FModuleHeight});
            x = Sum({x, FModuleWidth});
        }
        y = Sum({y, rowStep});
    }
}

void TZintCustomRenderTarget::DrawSymbolText()
{
    if (TextDrawn() && !FTextDone)
        DrawText({FTextRect.X, FTextRect.Y, FTextRect.Width, FTextRect.Height, FText});
}
