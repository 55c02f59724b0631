// The EAN/UPC digit layout of the layout engine: digits stand between the guard bars, the
// guard bars reach into the text line, the outer digits stand beside the bars and the add-on
// digits above the add-on's bars.
#include "render/zint_render_box.h"
#include "render/zint_render_target.h"
#include "render/zint_render_value.h"
#include "symbol/zint_symbol.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace {
using TBarSet = std::uint64_t; // bar numbers stay below 64: the longest row has 46 bars

constexpr TBarSet Bars(std::initializer_list<int> bars)
{
    TBarSet set = 0;
    for (int bar : bars)
        set |= TBarSet(1) << bar;
    return set;
}

bool InSet(TBarSet set, int bar)
{
    return bar >= 0 && bar < 64 && (set >> bar) & 1;
}

struct TDigitGroup
{
    int Bar = -1;  // the bar that closes the group
    int First = 0; // 1-based character positions in the text
    int Last = 0;
};

struct TEANUPCLayout
{
    TZintEANUPCFlag Type;
    TBarSet GuardBars;
    int LastMainBar; // higher bars belong to the add-on
    bool LeadingDigit;
    int TrailingDigitBar;
    std::array<TDigitGroup, 2> Groups;
    TBarSet StartBars;
    int Addon2TextBar;
    int Addon5TextBar;
};

// Dark bars: two for every digit and for a start, centre or end guard; three for UPC-E's
// end guard.
constexpr int DigitBars = 2;
constexpr int GuardBars = 2;
constexpr int UpcEEndGuardBars = 3;
// Digits on either side of the centre guard.
constexpr int Ean8HalfDigits = 4;
constexpr int Ean13HalfDigits = 6;
constexpr int UpcAInnerHalfDigits = 5; // beside the outer digits
constexpr int UpcEDigits = 6;
// The add-on's digits stand over the bar this far past the main symbol's last bar.
constexpr int Addon2TextOffset = 7;
constexpr int Addon5TextOffset = 16;

// The short and the long EAN: start guard, digits, centre guard, digits, end guard; the long
// one's first digit stands before the bars.
constexpr TEANUPCLayout EanLayout(TZintEANUPCFlag type, int leading, int half)
{
    const int centre = GuardBars + half * DigitBars;
    const int end = centre + GuardBars + half * DigitBars;
    const int last = end + GuardBars - 1;
    return {
        type,
        Bars({0, 1, centre, centre + 1, end, end + 1}),
        last,
        leading > 0,
        -1,
        {{{centre, leading + 1, leading + half}, {end, leading + half + 1, leading + 2 * half}}},
        Bars({GuardBars - 1, centre + GuardBars - 1, last + 1}),
        last + Addon2TextOffset,
        last + Addon5TextOffset};
}

// UPC-A: the outer digits' bars reach down like the guards; the outer digits stand beside.
constexpr TEANUPCLayout UpcALayout()
{
    const int half = UpcAInnerHalfDigits;
    const int centre = GuardBars + DigitBars + half * DigitBars;
    const int lastDigit = centre + GuardBars + half * DigitBars;
    const int last = lastDigit + DigitBars + GuardBars - 1;
    return {TZintEANUPCFlag::euUPCA,
            Bars({0, 1, 2, 3, centre, centre + 1, lastDigit, lastDigit + 1, lastDigit + 2,
                  lastDigit + 3}),
            last,
            true,
            last,
            {{{centre, 2, half + 1}, {lastDigit, half + 2, 2 * half + 1}}},
            Bars({GuardBars + DigitBars - 1, centre + GuardBars - 1, last + 1}),
            last + Addon2TextOffset,
            last + Addon5TextOffset};
}

// UPC-E: start guard, six digits, end guard; the number system and check digit beside.
constexpr TEANUPCLayout UpcELayout()
{
    const int end = GuardBars + UpcEDigits * DigitBars;
    const int last = end + UpcEEndGuardBars - 1;
    return {TZintEANUPCFlag::euUPCE,
            Bars({0, 1, end, end + 1, end + 2}),
            last,
            true,
            last,
            {{{end, 2, UpcEDigits + 1}, {}}},
            Bars({GuardBars - 1, last + 1}),
            last + Addon2TextOffset,
            last + Addon5TextOffset};
}

constexpr std::array<TEANUPCLayout, 4> Layouts = {{
    EanLayout(TZintEANUPCFlag::euEAN8, 0, Ean8HalfDigits),
    EanLayout(TZintEANUPCFlag::euEAN13, 1, Ean13HalfDigits),
    UpcALayout(),
    UpcELayout(),
}};

const TEANUPCLayout* LayoutFor(const TZintEANUPCFlags& flags)
{
    for (const TEANUPCLayout& layout : Layouts)
        if (flags.Contains(layout.Type))
            return &layout;
    return nullptr;
}

// A dark bar's first column and the column after it.
struct TBarSpan
{
    int Start = 0;
    int End = 0;
};

std::vector<TBarSpan> BarSpans(const TZintSymbol& symbol, int row)
{
    std::vector<TBarSpan> bars;
    for (int column = 0; column < symbol.width(); ++column) {
        if (!symbol.module(row, column))
            continue;
        if (bars.empty() || bars.back().End != column)
            bars.push_back({column, column});
        bars.back().End = column + 1;
    }
    return bars;
}

// The highest start bar below `bar`: the one whose right edge a digit group starts after.
int StartBarBefore(TBarSet startBars, int bar)
{
    for (int candidate = bar - 1; candidate >= 0; --candidate)
        if (InSet(startBars, candidate))
            return candidate;
    return -1;
}

// A text and the width of its slot between bars, in modules and in target units aside.
struct TTextSlot
{
    QString Text;
    int Modules = 0;
    float Spacing = 0;
    bool InItsOwnBox = false; // a side digit: centred in a box that starts at the slot
};

float Sum(std::initializer_list<double> terms)
{
    double total = 0;
    for (double term : terms)
        total += term;
    return float(total);
}
} // namespace

void TZintCustomRenderTarget::CalcEANUPCFlags()
{
    FEANUPCFlags.Clear();
    const TSymbologyTraits& traits = SymbologyTraits();
    // Composites qualify with any number of rows: their digits go under the last row.
    if (!traits.IsEanUpc() || (traits.IsSingleRow() && FSymbol->rows() != 1))
        return;
    if (FHasText) {
        if (traits.IsUpcA())
            FEANUPCFlags.Include(TZintEANUPCFlag::euUPCA);
        else if (traits.IsUpcE())
            FEANUPCFlags.Include(TZintEANUPCFlag::euUPCE);
        else if (FText.size() == 2 * Ean8HalfDigits)
            FEANUPCFlags.Include(TZintEANUPCFlag::euEAN8);
        else if (FText.size() == 1 + 2 * Ean13HalfDigits)
            FEANUPCFlags.Include(TZintEANUPCFlag::euEAN13);
    }
    if (FHasAddonText) {
        if (FAddonText.size() == 2)
            FEANUPCFlags.Include(TZintEANUPCFlag::euAddon2);
        else if (FAddonText.size() == 5)
            FEANUPCFlags.Include(TZintEANUPCFlag::euAddon5);
    }
}

void TZintCustomRenderTarget::ReserveSideTexts()
{
    const bool upc = FEANUPCFlags.Contains(TZintEANUPCFlag::euUPCA) ||
                     FEANUPCFlags.Contains(TZintEANUPCFlag::euUPCE);
    const bool hasAddon = FEANUPCFlags.Contains(TZintEANUPCFlag::euAddon2) ||
                          FEANUPCFlags.Contains(TZintEANUPCFlag::euAddon5);
    TZintRenderValue& wsLeft = *LayoutWhitespace().Left();
    TZintRenderValue& wsRight = *LayoutWhitespace().Right();

    // Made whether or not the text is shown, so the symbol keeps its place either way.
    if (upc || FEANUPCFlags.Contains(TZintEANUPCFlag::euEAN13)) {
        FLeadingText = FText.left(1);
        FLeadingTextWidth = CalcTextWidth({FLeadingText});
        const float needed = Sum({FLeadingTextWidth, LayoutTextSpacing().Right()->TargetUnits()});
        if (wsLeft.TargetUnits() < needed)
            wsLeft.SetTargetUnits(needed);
    } else {
        FLeadingText.clear();
        FLeadingTextWidth = 0;
    }

    if (upc) {
        FTrailingText = FText.right(1);
        FTrailingTextWidth = CalcTextWidth({FTrailingText});
        // With an add-on the trailing digit stands in the gap before it.
        const float needed = Sum({FTrailingTextWidth, LayoutTextSpacing().Left()->TargetUnits()});
        if (!hasAddon && wsRight.TargetUnits() < needed)
            wsRight.SetTargetUnits(needed);
    } else {
        FTrailingText.clear();
        FTrailingTextWidth = 0;
    }
}

void TZintCustomRenderTarget::FitEANUPCText()
{
    const TEANUPCLayout* layout = LayoutFor(FEANUPCFlags);
    if (!layout)
        return;
    const std::vector<TBarSpan> bars = BarSpans(*FSymbol, FSymbol->rows() - 1);
    const auto bar = [&](int number) {
        return number >= 0 && std::size_t(number) < bars.size() ? bars[std::size_t(number)]
                                                                : TBarSpan{};
    };
    const float spacingLeft = LayoutTextSpacing().Left()->TargetUnits();
    const float spacingRight = LayoutTextSpacing().Right()->TargetUnits();
    std::vector<TTextSlot> textSlots;
    for (const TDigitGroup& group : layout->Groups)
        if (group.Bar >= 0)
            textSlots.push_back(
                {FText.mid(group.First - 1, group.Last - group.First + 1),
                 bar(group.Bar).Start - bar(StartBarBefore(layout->StartBars, group.Bar)).End,
                 spacingLeft + spacingRight});
    const int firstAddonBar = layout->LastMainBar + 1;
    const int addonTextBar =
        FEANUPCFlags.Contains(TZintEANUPCFlag::euAddon2)   ? layout->Addon2TextBar
        : FEANUPCFlags.Contains(TZintEANUPCFlag::euAddon5) ? layout->Addon5TextBar
                                                           : -1;
    if (addonTextBar >= 0) {
        textSlots.push_back({FAddonText, bar(addonTextBar).End - bar(firstAddonBar).Start, 0});
        // Beside an add-on the trailing digit stands in the gap before it.
        if (!FTrailingText.isEmpty())
            textSlots.push_back({FTrailingText,
                                 bar(firstAddonBar).Start - bar(layout->TrailingDigitBar).End,
                                 spacingLeft, true});
    }

    // Fractional modules: bar edges are rounded to pixels, which may take half a pixel from
    // either side of a slot.
    const float edgeRounding = OnPixelGrid() ? 0 : 1;
    const auto room = [&](const TTextSlot& slot) {
        return float(double(slot.Modules) * FModuleWidth) - slot.Spacing - edgeRounding;
    };
    // A side digit's box may be wider than the digit (the vector back-end doubles it); the
    // digit stands in its middle, so its right edge is half of both widths from the start.
    const auto needed = [&](const TTextSlot& slot) {
        const double width = CalcTextWidth({slot.Text});
        if (!slot.InItsOwnBox)
            return width;
        return (width + CalcTextWidth({slot.Text + slot.Text}) / 2) / 2;
    };
    const float sizeAsLaidOut = TextPixelSize();
    // Glyph widths do not scale exactly with the pixel size: a few steps settle it.
    for (int step = 0; step < 8; ++step) {
        double worst = 1;
        for (const TTextSlot& slot : textSlots)
            if (room(slot) > 0)
                worst = std::max(worst, needed(slot) / room(slot));
        const float size = TextPixelSize();
        if (worst <= 1 || size <= 1)
            break;
        SetTextPixelSize(std::max(1.0f, std::min(float(std::floor(size / worst)), size - 1)));
    }
    // Every text was measured at this size already: nothing to measure again.
    if (TextPixelSize() == sizeAsLaidOut)
        return;
    FLeadingTextWidth = CalcTextWidth({FLeadingText});
    FTrailingTextWidth = CalcTextWidth({FTrailingText});
    FTextHeight = CalcTextHeight({FText});
}

void TZintCustomRenderTarget::HandleEANUPCBar(int bar, TZintRenderRect& rect)
{
    FTextDone = true;
    const TEANUPCLayout* layout = LayoutFor(FEANUPCFlags);
    if (!layout)
        return;

    const float spacingTop = LayoutTextSpacing().Top()->TargetUnits();
    const float spacingBottom = LayoutTextSpacing().Bottom()->TargetUnits();
    const float spacingLeft = LayoutTextSpacing().Left()->TargetUnits();
    const float spacingRight = LayoutTextSpacing().Right()->TargetUnits();
    const bool addonBar = bar > layout->LastMainBar;

    if (addonBar || InSet(layout->GuardBars, bar))
        rect.Height = Sum({rect.Height, LayoutWhitespace().Bottom()->TargetUnits(), spacingTop,
                           double(FTextHeight) / 2});
    if (addonBar) {
        const float digitsAbove = Sum({FTextHeight, spacingTop, spacingBottom});
        rect.Y = Sum({rect.Y, digitsAbove});
        rect.Height = Sum({rect.Height, -double(digitsAbove)});
    }

    if (layout->LeadingDigit && bar == 0)
        DrawText({Sum({rect.X, -double(spacingRight), -double(FLeadingTextWidth)}), FTextRect.Y,
                  FLeadingTextWidth, FTextRect.Height, FLeadingText});
    if (bar == layout->TrailingDigitBar)
        DrawText({Sum({rect.X, rect.Width, spacingLeft}), FTextRect.Y, FTrailingTextWidth,
                  FTextRect.Height, FTrailingText});

    const TZintRenderRect& start = FStartTextBar;
    const float startRight = Sum({start.X, start.Width});
    for (const TDigitGroup& group : layout->Groups)
        if (bar == group.Bar)
            DrawText(
                {Sum({startRight, spacingLeft}), FTextRect.Y,
                 Sum({rect.X, -double(startRight), -double(spacingLeft), -double(spacingRight)}),
                 FTextRect.Height, FText.mid(group.First - 1, group.Last - group.First + 1)});

    const int addonTextBar =
        FEANUPCFlags.Contains(TZintEANUPCFlag::euAddon2)   ? layout->Addon2TextBar
        : FEANUPCFlags.Contains(TZintEANUPCFlag::euAddon5) ? layout->Addon5TextBar
                                                           : -1;
    if (bar == addonTextBar)
        DrawText({start.X, Sum({FBarcodeRect.Y, spacingTop}),
                  Sum({rect.X, rect.Width, -double(start.X)}), FTextHeight, FAddonText});

    if (InSet(layout->StartBars, bar))
        FStartTextBar = rect;
}
