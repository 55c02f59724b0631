#include "render/layout_symbol.h"
#include "render/recording_render_target.h"
#include "render/zint_render_box.h"
#include "render/zint_render_value.h"

#include <gtest/gtest.h>

#include <cmath>

#include <set>
#include <vector>

namespace {
using TKind = TRecordingRenderTarget::TKind;

constexpr int EAN = 13;
constexpr int UPCA = 34;
constexpr int UPCE = 37;
constexpr float Spacing = 2; // text spacing in target units on every side
constexpr float DigitWidth = TRecordingRenderTarget::CharWidth;
constexpr float TextHeight = TRecordingRenderTarget::TextHeight;

struct TRendered
{
    TZintSymbol Symbol;
    TRecordingRenderTarget Target;
    std::vector<TZintRenderRect> Bars;
    std::vector<TRecordingRenderTarget::TCall> Texts;
};

// Renders into 400 x 300 with 2 units of text spacing on every side; without border, every
// rectangle drawn is a bar of the symbol's one row.
void Render(TRendered& r, int symbology, const QString& text, bool showText = true)
{
    EncodeForLayout(r.Symbol, symbology, text);
    ASSERT_EQ(r.Symbol.rows(), 1);
    r.Target.SetWidthDesired(400);
    r.Target.SetHeightDesired(300);
    r.Target.TextSpacing()->SetTargetUnits(Spacing);
    r.Target.SetShowText(showText);
    r.Target.Render(r.Symbol);
    r.Bars = r.Target.Rects();
    r.Texts = r.Target.Calls(TKind::Text);
}

float Right(const TZintRenderRect& rect)
{
    return rect.X + rect.Width;
}

float Bottom(const TZintRenderRect& rect)
{
    return rect.Y + rect.Height;
}

void ExpectText(const TRecordingRenderTarget::TCall& call, float x, float y, float width,
                float height, const QString& text)
{
    EXPECT_EQ(call.Text, text);
    EXPECT_FLOAT_EQ(call.Args[0], x) << qPrintable(text);
    EXPECT_FLOAT_EQ(call.Args[1], y) << qPrintable(text);
    EXPECT_FLOAT_EQ(call.Args[2], width) << qPrintable(text);
    EXPECT_FLOAT_EQ(call.Args[3], height) << qPrintable(text);
}

struct TDigitGroup
{
    int StartBar, EndBar;
    QString Digits;
};

struct TMainCase
{
    int Symbology;
    QString Input;
    int BarCount;
    QString Leading, Trailing; // empty when the type has none
    std::vector<TDigitGroup> Groups;
    std::set<int> GuardBars;
};
} // namespace

TEST(ZintRenderTargetEANUPC, DigitsStandBetweenAndBesideTheBars)
{
    const TMainCase cases[] = {
        {EAN,
         QStringLiteral("123456789012"),
         30,
         QStringLiteral("1"),
         {},
         {{1, 14, QStringLiteral("234567")}, {15, 28, QStringLiteral("890128")}},
         {0, 1, 14, 15, 28, 29}},
        {EAN,
         QStringLiteral("1234567"),
         22,
         {},
         {},
         {{1, 10, QStringLiteral("1234")}, {11, 20, QStringLiteral("5670")}},
         {0, 1, 10, 11, 20, 21}},
        {UPCA,
         QStringLiteral("01234567890"),
         30,
         QStringLiteral("0"),
         QStringLiteral("5"),
         {{3, 14, QStringLiteral("12345")}, {15, 26, QStringLiteral("67890")}},
         {0, 1, 2, 3, 14, 15, 26, 27, 28, 29}},
        {UPCE,
         QStringLiteral("0123456"),
         17,
         QStringLiteral("0"),
         QStringLiteral("5"),
         {{1, 14, QStringLiteral("123456")}},
         {0, 1, 14, 15, 16}},
    };
    for (const TMainCase& c : cases) {
        SCOPED_TRACE(qPrintable(c.Input));
        TRendered r;
        Render(r, c.Symbology, c.Input);
        ASSERT_EQ(int(r.Bars.size()), c.BarCount);

        // The side digits get room in the whitespace beside the bars.
        const float sideDigit = DigitWidth + Spacing;
        const TZintRenderRect& barcode = r.Target.BarcodeRect();
        EXPECT_FLOAT_EQ(barcode.X - r.Target.X(), c.Leading.isEmpty() ? 0 : sideDigit);
        EXPECT_FLOAT_EQ(r.Target.X() + r.Target.Width() - (barcode.X + barcode.Width),
                        c.Trailing.isEmpty() ? 0 : sideDigit);

        // Bars stand on pixel edges; the guard bars reach on into the text line.
        const auto edge = [](double value) { return float(std::nearbyint(value)); };
        const float rowHeight =
            edge(barcode.Y + double(r.Symbol.row_height(0) * r.Target.ModuleWidth())) -
            edge(barcode.Y);
        // Under the whitespace's bottom (0 here) and the text spacing's top lies the text line.
        const float textY = Bottom(barcode) + Spacing;
        for (int bar = 0; bar < c.BarCount; ++bar) {
            const bool guard = c.GuardBars.count(bar) > 0;
            EXPECT_FLOAT_EQ(r.Bars[size_t(bar)].Y, edge(barcode.Y));
            EXPECT_FLOAT_EQ(r.Bars[size_t(bar)].Height,
                            guard ? rowHeight + Spacing + TextHeight / 2 : rowHeight)
                << "bar " << bar;
        }

        size_t next = 0;
        ASSERT_EQ(r.Texts.size(), c.Groups.size() + !c.Leading.isEmpty() + !c.Trailing.isEmpty());
        if (!c.Leading.isEmpty())
            ExpectText(r.Texts[next++], r.Bars[0].X - Spacing - DigitWidth, textY, DigitWidth,
                       TextHeight, c.Leading);
        for (const TDigitGroup& group : c.Groups) {
            const float left = Right(r.Bars[size_t(group.StartBar)]) + Spacing;
            ExpectText(r.Texts[next++], left, textY,
                       r.Bars[size_t(group.EndBar)].X - Spacing - left, TextHeight, group.Digits);
        }
        if (!c.Trailing.isEmpty())
            ExpectText(r.Texts[next++], Right(r.Bars.back()) + Spacing, textY, DigitWidth,
                       TextHeight, c.Trailing);
    }
}

TEST(ZintRenderTargetEANUPC, AddOnDigitsStandAboveTheLowerAddOnBars)
{
    struct TCase
    {
        int Symbology;
        QString Input;
        int FirstAddonBar, LastAddonBar;
        QString AddonDigits;
    };
    const TCase cases[] = {
        {UPCA, QStringLiteral("01234567890+12"), 30, 36, QStringLiteral("12")},
        {UPCE, QStringLiteral("0123456+12345"), 17, 32, QStringLiteral("12345")},
        {EAN, QStringLiteral("123456789012+12345"), 30, 45, QStringLiteral("12345")},
        {EAN, QStringLiteral("1234567+12"), 22, 28, QStringLiteral("12")},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(qPrintable(c.Input));
        TRendered r;
        Render(r, c.Symbology, c.Input);
        ASSERT_EQ(int(r.Bars.size()), c.LastAddonBar + 1);

        // The trailing digit stands in the gap before the add-on, so no whitespace is raised.
        EXPECT_EQ(r.Target.Whitespace()->Right()->TargetUnits(), 0.0f);

        const TZintRenderRect& barcode = r.Target.BarcodeRect();
        const float guardBottom = Bottom(r.Bars[0]);
        for (int bar = c.FirstAddonBar; bar <= c.LastAddonBar; ++bar) {
            EXPECT_FLOAT_EQ(r.Bars[size_t(bar)].Y, barcode.Y + TextHeight + 2 * Spacing);
            EXPECT_FLOAT_EQ(Bottom(r.Bars[size_t(bar)]), guardBottom);
        }

        const auto& addon = r.Texts.back();
        const float left = r.Bars[size_t(c.FirstAddonBar)].X;
        ExpectText(addon, left, barcode.Y + Spacing, Right(r.Bars[size_t(c.LastAddonBar)]) - left,
                   TextHeight, c.AddonDigits);
        for (const auto& text : r.Texts)
            EXPECT_FALSE(text.Text.contains(QLatin1Char('+')));
    }
}

TEST(ZintRenderTargetEANUPC, HiddenTextStillReservesTheLeadingDigit)
{
    TRendered r;
    Render(r, EAN, QStringLiteral("123456789012"), false);
    EXPECT_TRUE(r.Texts.empty());
    const float rowHeight = std::nearbyint(r.Symbol.row_height(0) * r.Target.ModuleWidth());
    for (const TZintRenderRect& bar : r.Bars)
        EXPECT_FLOAT_EQ(bar.Height, rowHeight);
    EXPECT_FLOAT_EQ(r.Target.BarcodeRect().X, DigitWidth + Spacing);
    EXPECT_FLOAT_EQ(r.Bars[0].X, DigitWidth + Spacing);
}

TEST(ZintRenderTargetEANUPC, ReservationKeepsLargerWhitespaceAndCountsBeforeModules)
{
    TRendered r;
    r.Target.Whitespace()->Left()->SetTargetUnits(50);
    r.Target.Whitespace()->Right()->SetTargetUnits(5);
    r.Target.Whitespace()->SetModules(1);
    Render(r, UPCA, QStringLiteral("01234567890"));
    const TZintRenderRect& barcode = r.Target.BarcodeRect();
    const float module = r.Target.ModuleWidth();
    EXPECT_FLOAT_EQ(barcode.X, 50 + module);
    EXPECT_NEAR(r.Target.Width() - (barcode.X + barcode.Width), DigitWidth + Spacing + module,
                1e-3);
    EXPECT_FLOAT_EQ(r.Bars[0].X, std::nearbyint(50 + module));
    // The user's boxes are as they were set.
    EXPECT_EQ(r.Target.Whitespace()->Right()->TargetUnits(), 5.0f);
}
