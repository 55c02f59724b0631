#include "base/zint_exception.h"
#include "render/layout_symbol.h"
#include "render/recording_render_target.h"
#include "render/zint_render_box.h"
#include "render/zint_render_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {
using TKind = TRecordingRenderTarget::TKind;

constexpr int Code93 = 25;
constexpr int Code128 = 20;
constexpr int Code16K = 23;
constexpr int MaxiCode = 57;
constexpr int ITF14 = 89;
constexpr int DotCode = 115;

// Code 93 "ABCDEFG" is 100 modules wide in one row of height 5, the symbol of the worked
// examples below.
class ZintRenderTargetLayout : public ::testing::Test
{
protected:
    void SetUp() override
    {
        EncodeForLayout(FSymbol, Code93, QStringLiteral("ABCDEFG"));
        ASSERT_EQ(FSymbol.width(), 100);
        ASSERT_EQ(FSymbol.rows(), 1);
        ASSERT_EQ(FSymbol.row_height(0), 5);
        FTarget.SetShowText(false);
        FTarget.SetWidthDesired(400);
        FTarget.SetHeightDesired(300);
    }

    void SetMarginLeftAndRight(float units)
    {
        FTarget.Margin()->Left()->SetTargetUnits(units);
        FTarget.Margin()->Right()->SetTargetUnits(units);
    }

    std::optional<std::pair<float, float>> ResizedTo() const
    {
        const auto resizes = FTarget.Calls(TKind::Resize);
        if (resizes.empty())
            return std::nullopt;
        EXPECT_EQ(resizes.size(), 1u);
        return std::make_pair(resizes.back().Args[0], resizes.back().Args[1]);
    }

    TZintSymbol FSymbol;
    TRecordingRenderTarget FTarget;
};

void ExpectRect(const TZintRenderRect& actual, float x, float y, float width, float height)
{
    EXPECT_FLOAT_EQ(actual.X, x);
    EXPECT_FLOAT_EQ(actual.Y, y);
    EXPECT_FLOAT_EQ(actual.Width, width);
    EXPECT_FLOAT_EQ(actual.Height, height);
}

// Rebuilds one row of modules from bar rectangles, proving that every dark run is exactly
// one rectangle: rectangles never touch and together cover exactly the dark modules.
std::vector<bool> ModulesFromBars(const std::vector<TZintRenderRect>& bars, float left,
                                  float moduleWidth, int width)
{
    std::vector<bool> modules(size_t(width), false);
    float previousRight = -1;
    for (const TZintRenderRect& bar : bars) {
        EXPECT_GT(bar.X, previousRight + moduleWidth / 2) << "two rectangles for one run";
        const int first = int(std::lround((bar.X - left) / moduleWidth));
        const int count = int(std::lround(bar.Width / moduleWidth));
        for (int column = first; column < first + count && column < width; ++column)
            modules[size_t(column)] = true;
        previousRight = bar.X + bar.Width;
    }
    return modules;
}

std::vector<bool> ModulesOfRow(const TZintSymbol& symbol, int row)
{
    std::vector<bool> modules;
    for (int column = 0; column < symbol.width(); ++column)
        modules.push_back(symbol.module(row, column));
    return modules;
}
} // namespace

TEST(ZintRenderTarget, CreationValuesAndBoxNotifications)
{
    TZintPersistent owner;
    int ownerChanges = 0;
    owner.SetOnChange([&](TZintPersistent*) { ++ownerChanges; });
    TRecordingRenderTarget target(&owner);

    // Every side of the five new boxes notifies twice on its way up.
    EXPECT_EQ(ownerChanges, 5 * 4 * 2);
    EXPECT_EQ(target.RenderAdjustMode(), TZintRenderAdjustMode::ramScale);
    EXPECT_FALSE(target.Transparent());
    EXPECT_FLOAT_EQ(target.HexagonScale(), 0.9f);
    EXPECT_EQ(target.HAlign(), TZintHAlign::haLeft);
    EXPECT_EQ(target.VAlign(), TZintVAlign::vaTop);
    EXPECT_EQ(target.MinModuleWidth(), 0.0f);
    EXPECT_EQ(target.MaxModuleWidth(), 0.0f);
    EXPECT_TRUE(target.ShowText());
    EXPECT_EQ(target.WidthDesired(), 0.0f);
    for (TZintRenderBox* box : {target.Margin(), target.Padding(), target.Border(),
                                target.Whitespace(), target.TextSpacing()}) {
        EXPECT_EQ(box->Owner(), &target);
        EXPECT_EQ(box->TargetUnits(), 0.0f);
        EXPECT_EQ(box->Modules(), 0.0f);
    }
}

TEST(ZintRenderTarget, PropertyWritersNotifyOnlyOnChange)
{
    TRecordingRenderTarget target;
    int changes = 0;
    target.SetOnChange([&](TZintPersistent*) { ++changes; });
    const std::vector<std::function<void()>> writes = {
        [&] { target.SetRenderAdjustMode(TZintRenderAdjustMode::ramInflate); },
        [&] { target.SetTransparent(true); },
        [&] { target.SetHexagonScale(1); },
        [&] { target.SetHAlign(TZintHAlign::haRight); },
        [&] { target.SetVAlign(TZintVAlign::vaBottom); },
        [&] { target.SetMinModuleWidth(2); },
        [&] { target.SetMaxModuleWidth(3); },
        [&] { target.SetShowText(false); },
    };
    for (const auto& write : writes) {
        changes = 0;
        write();
        write();
        EXPECT_EQ(changes, 1);
    }
}

TEST(ZintRenderTarget, BoxWriterCopiesIntoTheOwnedBoxAndNotifiesOnceMore)
{
    TRecordingRenderTarget target;
    TZintRenderBox box;
    box.SetTargetUnits(7);
    int changes = 0;
    target.SetOnChange([&](TZintPersistent*) { ++changes; });
    TZintRenderBox* const ownBoxes[] = {target.Margin(), target.Padding(), target.Border(),
                                        target.Whitespace(), target.TextSpacing()};
    for (int index = 0; index < 5; ++index) {
        changes = 0;
        target.SetBox(index, box);
        EXPECT_EQ(changes, 5);
        EXPECT_NE(ownBoxes[index], &box);
        EXPECT_EQ(ownBoxes[index]->TargetUnits(), 7.0f);
    }
    changes = 0;
    target.SetBox(5, box);
    EXPECT_EQ(changes, 0);
}

TEST(ZintRenderTarget, AssignCopiesLayoutSettingsAndRefusesOtherClasses)
{
    TRecordingRenderTarget source;
    source.SetWidthDesired(123);
    source.SetRenderAdjustMode(TZintRenderAdjustMode::ramInflate);
    source.SetHAlign(TZintHAlign::haCenter);
    source.SetMaxModuleWidth(4);
    source.SetShowText(false);
    source.Whitespace()->SetModules(3);
    TRecordingRenderTarget target;

    target.Assign(&source);

    EXPECT_EQ(target.WidthDesired(), 123.0f);
    EXPECT_EQ(target.RenderAdjustMode(), TZintRenderAdjustMode::ramInflate);
    EXPECT_EQ(target.HAlign(), TZintHAlign::haCenter);
    EXPECT_EQ(target.MaxModuleWidth(), 4.0f);
    EXPECT_FALSE(target.ShowText());
    EXPECT_EQ(target.Whitespace()->Modules(), 3.0f);
    EXPECT_NE(target.Whitespace(), source.Whitespace());

    TZintRenderBox box;
    try {
        target.Assign(&box);
        ADD_FAILURE() << "assigning a box to a target raised nothing";
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), "Cannot assign a TZintRenderBox to a TZintCustomRenderTarget");
    }
    EXPECT_EQ(target.WidthDesired(), 123.0f);
}

TEST_F(ZintRenderTargetLayout, ScaleWorkedExampleCentresTheSymbolAndDrawsOneRectanglePerBar)
{
    FTarget.Margin()->SetTargetUnits(10);
    FTarget.SetHAlign(TZintHAlign::haCenter);
    FTarget.SetVAlign(TZintVAlign::vaCenter);

    FTarget.Render(FSymbol);

    EXPECT_FLOAT_EQ(FTarget.ModuleWidth(), 3.8f);
    EXPECT_FLOAT_EQ(FTarget.Width(), 400);
    EXPECT_FLOAT_EQ(FTarget.Height(), 39);
    EXPECT_FLOAT_EQ(FTarget.X(), 0);
    EXPECT_FLOAT_EQ(FTarget.Y(), 130.5f);
    ExpectRect(FTarget.BarcodeRect(), 10, 140.5f, 380, 19);

    const auto& calls = FTarget.Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().Kind, TKind::Clear);
    EXPECT_EQ(calls.front().Args, (std::array<float, 4>{0, 0, 400, 300}));
    EXPECT_TRUE(FTarget.Calls(TKind::Text).empty());
    const auto bars = FTarget.Rects();
    // Bars stand on the pixel edges the canvas rounds 140.5 and 159.5 to, halves to even.
    for (const TZintRenderRect& bar : bars) {
        EXPECT_FLOAT_EQ(bar.Y, 140);
        EXPECT_FLOAT_EQ(bar.Height, 20);
    }
    EXPECT_EQ(ModulesFromBars(bars, 10, 3.8f, 100), ModulesOfRow(FSymbol, 0));
    // The margin's target units are the user's again.
    EXPECT_EQ(FTarget.Margin()->TargetUnits(), 10.0f);
}

TEST_F(ZintRenderTargetLayout, InflateWorkedExampleWidensTheTargetToTheMinimumModuleWidth)
{
    FTarget.Margin()->SetTargetUnits(10);
    FTarget.SetWidthDesired(50);
    FTarget.SetMinModuleWidth(2);
    FTarget.SetRenderAdjustMode(TZintRenderAdjustMode::ramInflate);

    FTarget.Render(FSymbol);

    EXPECT_FLOAT_EQ(FTarget.ModuleWidth(), 2);
    EXPECT_FLOAT_EQ(FTarget.Width(), 220);
    EXPECT_EQ(ResizedTo(), std::make_pair(220.0f, 300.0f));
    EXPECT_EQ(FTarget.WidthDesired(), 220.0f);
    EXPECT_EQ(FTarget.HeightDesired(), 300.0f);
}

TEST_F(ZintRenderTargetLayout, ModuleWidthLimitsPerAdjustMode)
{
    struct TCase
    {
        TZintRenderAdjustMode Mode;
        float WidthDesired, Min, Max;
        float ModuleWidth;
        std::optional<float> ResizedWidth;
    };
    const auto scale = TZintRenderAdjustMode::ramScale;
    const auto inflate = TZintRenderAdjustMode::ramInflate;
    // Margins of 10 left and right; the symbol is 100 modules wide.
    const TCase cases[] = {
        {scale, 370, 0, 2, 2, std::nullopt},   // room for 3.5, capped at 2
        {inflate, 370, 0, 2, 2, std::nullopt}, // the cap never resizes
        {scale, 220, 3, 0, 2, std::nullopt},   // scale keeps a width below the minimum
        {inflate, 220, 3, 0, 3, 320.0f},       // inflate raises it and widens the target
        {scale, 370, 3, 2, 2, std::nullopt},   // minimum above maximum: maximum wins
        {inflate, 370, 3, 2, 3, 320.0f},       // ... and minimum wins when inflating
        {inflate, 20, 0, 0, 1, 120.0f},        // no room: one unit per module
        {inflate, 20, 3, 0, 3, 320.0f},        // no room: the minimum per module
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "width " << c.WidthDesired << " min " << c.Min << " max "
                                        << c.Max << " mode " << int(c.Mode));
        TRecordingRenderTarget target;
        target.SetShowText(false);
        target.Margin()->Left()->SetTargetUnits(10);
        target.Margin()->Right()->SetTargetUnits(10);
        target.SetWidthDesired(c.WidthDesired);
        target.SetHeightDesired(300);
        target.SetRenderAdjustMode(c.Mode);
        target.SetMinModuleWidth(c.Min);
        target.SetMaxModuleWidth(c.Max);

        target.Render(FSymbol);

        EXPECT_FLOAT_EQ(target.ModuleWidth(), c.ModuleWidth);
        EXPECT_FLOAT_EQ(target.Width(), 20 + 100 * c.ModuleWidth);
        EXPECT_FLOAT_EQ(target.Height(), 5 * c.ModuleWidth);
        const auto resizes = target.Calls(TKind::Resize);
        if (c.ResizedWidth) {
            ASSERT_EQ(resizes.size(), 1u);
            EXPECT_FLOAT_EQ(resizes[0].Args[0], *c.ResizedWidth);
            EXPECT_FLOAT_EQ(resizes[0].Args[1], 300);
            EXPECT_FLOAT_EQ(target.WidthDesired(), *c.ResizedWidth);
        } else {
            EXPECT_TRUE(resizes.empty());
            EXPECT_FLOAT_EQ(target.WidthDesired(), c.WidthDesired);
        }
    }
}

TEST_F(ZintRenderTargetLayout, AlignmentPlacesANarrowerSymbolInsideTheRectangle)
{
    struct TCase
    {
        TZintHAlign HAlign;
        TZintVAlign VAlign;
        float X, Y;
    };
    // Module width capped at 2: the symbol is 200 x 10 inside 400 x 300.
    const TCase cases[] = {{TZintHAlign::haLeft, TZintVAlign::vaTop, 0, 0},
                           {TZintHAlign::haCenter, TZintVAlign::vaCenter, 100, 145},
                           {TZintHAlign::haRight, TZintVAlign::vaBottom, 200, 290}};
    FTarget.SetMaxModuleWidth(2);
    for (const TCase& c : cases) {
        FTarget.SetHAlign(c.HAlign);
        FTarget.SetVAlign(c.VAlign);
        FTarget.Render(FSymbol);
        EXPECT_FLOAT_EQ(FTarget.Width(), 200);
        EXPECT_FLOAT_EQ(FTarget.X(), c.X);
        EXPECT_FLOAT_EQ(FTarget.Y(), c.Y);
        EXPECT_FLOAT_EQ(FTarget.BarcodeRect().X, c.X);
    }
}

TEST_F(ZintRenderTargetLayout, TooLowRectangleShrinksTheSymbolOrGrowsTheTarget)
{
    struct TCase
    {
        TZintRenderAdjustMode Mode;
        float HeightDesired;
        float ModuleWidth, Width, Height;
        std::optional<float> ResizedHeight;
    };
    const TCase cases[] = {
        {TZintRenderAdjustMode::ramScale, 10, 2, 200, 10, std::nullopt},
        {TZintRenderAdjustMode::ramInflate, 10, 4, 400, 20, 20.0f},
        {TZintRenderAdjustMode::ramInflate, 0, 4, 400, 20, 20.0f},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.HeightDesired);
        TRecordingRenderTarget target;
        target.SetShowText(false);
        target.SetWidthDesired(400);
        target.SetHeightDesired(c.HeightDesired);
        target.SetRenderAdjustMode(c.Mode);

        target.Render(FSymbol);

        EXPECT_FLOAT_EQ(target.ModuleWidth(), c.ModuleWidth);
        EXPECT_FLOAT_EQ(target.Width(), c.Width);
        EXPECT_FLOAT_EQ(target.Height(), c.Height);
        const auto resizes = target.Calls(TKind::Resize);
        if (c.ResizedHeight) {
            ASSERT_EQ(resizes.size(), 1u);
            EXPECT_EQ(resizes[0].Args, (std::array<float, 4>{400, *c.ResizedHeight, 0, 0}));
            EXPECT_FLOAT_EQ(target.HeightDesired(), *c.ResizedHeight);
        } else {
            EXPECT_TRUE(resizes.empty());
        }
    }
}

TEST_F(ZintRenderTargetLayout, NoMinHeightCheckTakesTheDesiredHeight)
{
    FSymbol.SetNoMinHeightCheck(true);
    for (float height : {300.0f, 10.0f}) {
        FTarget.SetHeightDesired(height);
        FTarget.Render(FSymbol);
        EXPECT_FLOAT_EQ(FTarget.Height(), height);
        EXPECT_FLOAT_EQ(FTarget.ModuleWidth(), 4);
    }
}

TEST_F(ZintRenderTargetLayout, SizeErrorsInScaleModeComeBeforeAnyDrawing)
{
    struct TCase
    {
        float WidthDesired, HeightDesired;
        std::string Message;
    };
    // Margins take 20 across and 20 down.
    const TCase cases[] = {{20, 300, "The desired width is too small."},
                           {0, 300, "The desired width is too small."},
                           {400, 20, "The desired height is too small."}};
    FTarget.Margin()->SetTargetUnits(10);
    for (const TCase& c : cases) {
        FTarget.SetWidthDesired(c.WidthDesired);
        FTarget.SetHeightDesired(c.HeightDesired);
        try {
            FTarget.Render(FSymbol);
            ADD_FAILURE() << "no error for " << c.Message;
        } catch (const EZintException& error) {
            EXPECT_EQ(error.what(), c.Message);
        }
        EXPECT_TRUE(FTarget.Calls().empty());
    }
}

TEST_F(ZintRenderTargetLayout, TextLineGoesUnderTheBarsWithItsSpacing)
{
    FTarget.SetShowText(true);
    FTarget.Render(FSymbol);
    // Module width 4: bars 20 high, then the text line of height 20.
    EXPECT_FLOAT_EQ(FTarget.Height(), 40);
    auto texts = FTarget.Calls(TKind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Args, (std::array<float, 4>{0, 20, 400, 20}));
    EXPECT_EQ(texts[0].Text, QStringLiteral("ABCDEFG"));

    // Module parts of the text spacing count in module heights on the top and bottom only.
    FTarget.ClearCalls();
    FTarget.TextSpacing()->SetTargetUnits(2);
    FTarget.TextSpacing()->SetModules(1);
    FTarget.SetVAlign(TZintVAlign::vaCenter);
    FTarget.Render(FSymbol);
    const float height = (5 + 2) * 4 + 2 + 2 + 20;
    EXPECT_FLOAT_EQ(FTarget.Height(), height);
    const float top = (300 - height) / 2;
    texts = FTarget.Calls(TKind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_FLOAT_EQ(texts[0].Args[0], 2);
    EXPECT_FLOAT_EQ(texts[0].Args[1], top + 20 + 2 + 4);
    EXPECT_FLOAT_EQ(texts[0].Args[2], 396);
    EXPECT_FLOAT_EQ(texts[0].Args[3], 20);
    EXPECT_EQ(FTarget.TextSpacing()->TargetUnits(), 2.0f);
}

TEST(ZintRenderTarget, PlusStaysInTheTextOfOtherSymbologies)
{
    TZintSymbol symbol;
    EncodeForLayout(symbol, Code128, QStringLiteral("A+B"));
    TRecordingRenderTarget target;
    target.SetWidthDesired(400);
    target.SetHeightDesired(300);
    target.Render(symbol);
    const auto texts = target.Calls(TKind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, QStringLiteral("A+B"));
}

TEST(ZintRenderTarget, TransparentTargetDrawsNoBackground)
{
    TZintSymbol symbol;
    EncodeForLayout(symbol, Code128, QStringLiteral("A"));
    TRecordingRenderTarget target;
    target.SetWidthDesired(400);
    target.SetHeightDesired(300);
    target.SetTransparent(true);
    target.Render(symbol);
    EXPECT_TRUE(target.Calls(TKind::Clear).empty());
    EXPECT_FALSE(target.Rects().empty());
}

TEST(ZintRenderTarget, MaxiCodeHexagonsAndRings)
{
    TZintSymbol symbol;
    EncodeForLayout(symbol, MaxiCode, QStringLiteral("Hello"));
    ASSERT_EQ(symbol.rows(), 33);
    TRecordingRenderTarget target;
    target.SetWidthDesired(float(symbol.width()) * 10);
    target.SetHeightDesired(1000);
    target.Render(symbol);

    const float moduleWidth = 10;
    const double moduleHeight = 20 / std::sqrt(3.0);
    EXPECT_FLOAT_EQ(target.ModuleWidth(), moduleWidth);
    EXPECT_FLOAT_EQ(target.ModuleHeight(), float(moduleHeight));
    // 33 overlapping rows take 25 module heights.
    EXPECT_FLOAT_EQ(target.Height(), float(25 * moduleHeight));

    std::vector<std::array<float, 4>> expected;
    for (int row = 0; row < symbol.rows(); ++row)
        for (int column = 0; column < symbol.width(); ++column)
            if (symbol.module(row, column))
                expected.push_back({float(5 + column * 10 + (row % 2) * 5),
                                    float(moduleHeight * (0.5 + 0.75 * row)), moduleWidth,
                                    float(moduleHeight)});
    const auto hexagons = target.Calls(TKind::Hexagon);
    ASSERT_EQ(hexagons.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        for (int arg = 0; arg < 4; ++arg)
            EXPECT_NEAR(hexagons[i].Args[size_t(arg)], expected[i][size_t(arg)], 1e-3);

    const auto rings = target.Calls(TKind::Ring);
    ASSERT_EQ(rings.size(), 3u);
    const double step = 25 * moduleHeight / 40;
    const double outer = 4 * moduleHeight;
    for (int ring = 0; ring < 3; ++ring) {
        EXPECT_NEAR(rings[size_t(ring)].Args[0], symbol.width() * 5 - 5, 1e-3);
        EXPECT_NEAR(rings[size_t(ring)].Args[1], 12.5 * moduleHeight, 1e-3);
        EXPECT_NEAR(rings[size_t(ring)].Args[2], outer - 2 * ring * step, 1e-3);
        EXPECT_NEAR(rings[size_t(ring)].Args[3], outer - (2 * ring + 1) * step, 1e-3);
    }
    EXPECT_TRUE(target.Rects().empty());
}

TEST(ZintRenderTarget, Code16KGetsBindBarsSeparatorsAndWhitespaceInModules)
{
    TZintSymbol symbol;
    EncodeForLayout(symbol, Code16K, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    ASSERT_GT(symbol.rows(), 2);
    ASSERT_EQ(symbol.border_width(), 2);
    ASSERT_EQ(symbol.whitespace_width(), 16);
    TRecordingRenderTarget target;
    target.SetShowText(false);
    target.Whitespace()->SetModules(1);
    target.SetWidthDesired(1000);
    target.SetHeightDesired(1000);
    target.Render(symbol);

    const int modulesAcross = symbol.width() + 2 * 17;
    const float module = 1000.0f / float(modulesAcross);
    EXPECT_FLOAT_EQ(target.ModuleWidth(), module);
    EXPECT_FLOAT_EQ(target.BarcodeRect().X, 17 * module);
    EXPECT_FLOAT_EQ(target.BarcodeRect().Width, float(symbol.width()) * module);

    const auto rects = target.Rects();
    ASSERT_GE(rects.size(), 2u);
    // Bind: border above and below only, across the whole border area.
    ExpectRect(rects[0], 0, 0, 1000, 2 * module);
    ExpectRect(rects[1], 0, target.Height() - 2 * module, 1000, 2 * module);
    // Separators stand on the pixel edges around each row boundary.
    const auto edge = [](double value) { return float(std::nearbyint(value)); };
    const float left = edge(target.BarcodeRect().X);
    const float right = edge(double(target.BarcodeRect().X) + symbol.width() * double(module));
    std::vector<TZintRenderRect> separators;
    for (const TZintRenderRect& rect : rects)
        if (rect.X == left && rect.Width == right - left)
            separators.push_back(rect);
    ASSERT_EQ(separators.size(), size_t(symbol.rows() - 1));
    double boundary = target.BarcodeRect().Y;
    for (int row = 1; row < symbol.rows(); ++row) {
        boundary += double(float(symbol.row_height(row - 1) * double(module)));
        const float top = edge(boundary - module);
        ExpectRect(separators[size_t(row - 1)], left, top, right - left,
                   edge(boundary + module) - top);
    }
    // The encoder's bands never reach the user's boxes.
    EXPECT_EQ(target.Whitespace()->Modules(), 1.0f);
    EXPECT_EQ(target.Border()->Modules(), 0.0f);
    EXPECT_EQ(target.Whitespace()->TargetUnits(), 0.0f);
}

TEST(ZintRenderTarget, ITF14BoxBorderOnFourSides)
{
    TZintSymbol symbol;
    EncodeForLayout(symbol, ITF14, QStringLiteral("1234567890123"));
    ASSERT_EQ(symbol.border_width(), 8);
    TRecordingRenderTarget target;
    target.SetShowText(false);
    target.SetWidthDesired(1000);
    target.SetHeightDesired(1000);
    target.Render(symbol);

    const float module = target.ModuleWidth();
    EXPECT_FLOAT_EQ(module, 1000.0f / float(symbol.width() + 2 * 20 + 2 * 8));
    const float width = target.Width();
    const float height = target.Height();
    const auto rects = target.Rects();
    ASSERT_GE(rects.size(), 4u);
    ExpectRect(rects[0], 0, 0, width, 8 * module);
    ExpectRect(rects[1], 0, height - 8 * module, width, 8 * module);
    ExpectRect(rects[2], 0, 0, 8 * module, height);
    ExpectRect(rects[3], width - 8 * module, 0, 8 * module, height);
    EXPECT_FLOAT_EQ(target.BarcodeRect().X, 28 * module);
}

TEST(ZintRenderTarget, SizeErrorLeavesTheUsersBoxesAsTheyWere)
{
    TZintSymbol symbol;
    EncodeForLayout(symbol, ITF14, QStringLiteral("1234567890123"));
    for (const auto& size : {std::make_pair(0.0f, 300.0f), std::make_pair(400.0f, 0.0f)}) {
        TRecordingRenderTarget target;
        target.Whitespace()->SetModules(1);
        target.SetWidthDesired(size.first);
        target.SetHeightDesired(size.second);
        EXPECT_THROW(target.Render(symbol), EZintException);
        EXPECT_EQ(target.Whitespace()->Left()->Modules(), 1.0f);
        EXPECT_EQ(target.Whitespace()->Right()->Modules(), 1.0f);
        EXPECT_EQ(target.Whitespace()->Top()->Modules(), 1.0f);
        EXPECT_EQ(target.Border()->Modules(), 0.0f);
        EXPECT_EQ(target.Whitespace()->TargetUnits(), 0.0f);
    }
}

TEST(ZintRenderTarget, DotModeDrawsOneCircleAtTheStartOfEveryDarkRun)
{
    TZintSymbol symbol;
    EncodeForLayout(symbol, DotCode, QStringLiteral("A1"));
    ASSERT_TRUE(symbol.DrawnAsDots());
    TRecordingRenderTarget target;
    target.SetShowText(false);
    target.SetWidthDesired(float(symbol.width()) * 6);
    target.SetHeightDesired(1000);
    target.Render(symbol);

    std::vector<std::array<float, 4>> expected;
    for (int row = 0; row < symbol.rows(); ++row)
        for (int column = 0; column < symbol.width(); ++column)
            if (symbol.module(row, column) && (column == 0 || !symbol.module(row, column - 1)))
                expected.push_back(
                    {float(3 + 6 * column), float(3 + 6 * symbol.row_height(0) * row), 6, 0});
    std::vector<std::array<float, 4>> circles;
    for (const auto& call : target.Calls(TKind::Circle))
        circles.push_back(call.Args);
    EXPECT_EQ(circles, expected);
    EXPECT_TRUE(target.Rects().empty());
}
