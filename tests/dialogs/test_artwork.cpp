#include "dialogs/artwork.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {
bool HasVisiblePixels(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
    return false;
}
} // namespace

TEST(Artwork, EveryPictureRendersAtTheScreensPixelRatio)
{
    struct TCase
    {
        const char* Name;
        QSize LogicalSize;
    };
    const TCase cases[] = {
        {"lintaro", {32, 32}}, {"banner", {344, 105}}, {"cat", {320, 214}},
        {"arrow", {16, 16}},   {"close", {16, 16}},    {"tick_button", {16, 16}},
        {"copy", {16, 16}},    {"feedback", {24, 24}}, {"like", {32, 32}},
        {"dislike", {32, 32}},
    };
    for (const TCase& test : cases)
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            const QPixmap picture =
                ArtworkPixmap(QLatin1String(test.Name), test.LogicalSize, ratio);
            EXPECT_EQ(picture.size(), test.LogicalSize * ratio) << test.Name << " " << ratio;
            EXPECT_EQ(picture.deviceIndependentSize().toSize(), test.LogicalSize) << test.Name;
            EXPECT_TRUE(HasVisiblePixels(picture.toImage())) << test.Name;
            EXPECT_FALSE(ArtworkIcon(QLatin1String(test.Name)).isNull()) << test.Name;
        }
    EXPECT_TRUE(ArtworkPixmap(QStringLiteral("no such picture"), {16, 16}, 1).isNull());
    EXPECT_FALSE(ApplicationIcon().pixmap(QSize(64, 64)).isNull());
}
