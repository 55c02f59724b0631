#include "dialogs/falling_letters.h"

#include <gtest/gtest.h>

namespace {
constexpr int W = TFallingLetters::charWidth;
constexpr int H = TFallingLetters::charHeight;

// Green leads every colour of the rain: red and blue are fixed fractions of it.
bool IsRainColour(QRgb pixel)
{
    return qGreen(pixel) >= qRed(pixel) && qGreen(pixel) >= qBlue(pixel);
}
} // namespace

TEST(FallingLetters, ScattersTwoDropsPerColumnOverTheMatrix)
{
    TFallingLetters letters(QStringLiteral("kel"));
    letters.Start(QSize(452, 400));
    EXPECT_EQ(letters.matrixWidth(), 452 / W);
    EXPECT_EQ(letters.matrixHeight(), 400 / H);
    ASSERT_EQ(letters.Drops().size(), 2u * letters.matrixWidth());
    for (std::size_t i = 0; i < letters.Drops().size(); ++i) {
        const TFallingLetters::TDrop& drop = letters.Drops()[i];
        EXPECT_EQ(drop.Column, static_cast<int>(i) % letters.matrixWidth());
        EXPECT_GE(drop.Row, 0);
        EXPECT_LT(drop.Row, letters.matrixHeight());
        EXPECT_GE(drop.Speed, 1);
        EXPECT_LE(drop.Speed, 3);
        EXPECT_GE(drop.Brightness, 0);
        EXPECT_LE(drop.Brightness, 99);
    }
}

TEST(FallingLetters, ResizingScattersAgainWithoutGrowingPastTheLimit)
{
    TFallingLetters letters(QStringLiteral("kel"));
    letters.Start(QSize(2600 * W, 5 * H));
    EXPECT_EQ(letters.Drops().size(), std::size_t(TFallingLetters::MaxDrops));
    for (int resize = 0; resize < 3; ++resize) {
        letters.Tick();
        letters.Initialise();
        EXPECT_EQ(letters.Drops().size(), std::size_t(TFallingLetters::MaxDrops));
    }

    TFallingLetters small(QStringLiteral("kel"));
    small.Start(QSize(10 * W, 5 * H));
    small.Initialise();
    EXPECT_EQ(small.Drops().size(), 20u);
}

TEST(FallingLetters, DrawsOnlyInsideWholeCellsOfItsImage)
{
    // A window whose size is no multiple of the cell: the strip right of the last column
    // never gets a letter, and the image keeps its size however far the drops fall.
    const QSize window(10 * W + 5, 6 * H + 7);
    TFallingLetters letters(QStringLiteral("kel"));
    letters.Start(window);
    bool drewSomething = false;
    for (int tick = 0; tick < 200; ++tick) {
        letters.Tick();
        for (const TFallingLetters::TDrop& drop : letters.Drops()) {
            EXPECT_LE(drop.Row, letters.matrixHeight() + 1);
            EXPECT_TRUE(QStringLiteral("kel").contains(drop.LastLetter));
        }
    }
    const QImage& image = letters.Image();
    ASSERT_EQ(image.size(), window);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (x >= letters.matrixWidth() * W) {
                ASSERT_EQ(pixel & 0xffffff, 0u) << x << "," << y;
            }
            EXPECT_TRUE(IsRainColour(pixel)) << x << "," << y;
            drewSomething = drewSomething || (pixel & 0xffffff) != 0;
        }
    EXPECT_TRUE(drewSomething);
}

TEST(FallingLetters, WindowTooSmallForOneCellHasNoDrops)
{
    TFallingLetters letters(QStringLiteral("kel"));
    letters.Start(QSize(W - 1, H - 1));
    EXPECT_TRUE(letters.Drops().empty());
    letters.Tick();
    EXPECT_EQ(letters.Image().size(), QSize(W - 1, H - 1));
}
