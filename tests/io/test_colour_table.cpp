#include "io/colour_table.h"

#include <QImage>

#include <gtest/gtest.h>

// An indexed picture reaches the colour table as Qt's own conversion would give it: repeated
// and changing rows, an index past the palette (black), the resolution.
TEST(PictureForColourTable, IndexedPictureAsQtConvertsIt)
{
    QImage indexed(13, 6, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 255, 255), qRgb(10, 20, 30), qRgb(200, 0, 90)});
    indexed.setDotsPerMeterX(11811);
    indexed.setDotsPerMeterY(7874);
    const int rows[6] = {0, 0, 1, 1, 2, 0};
    // Written as bytes: setPixel refuses an index past the palette.
    for (int y = 0; y < indexed.height(); ++y)
        for (int x = 0; x < indexed.width(); ++x)
            indexed.scanLine(y)[x] = uchar((x * 7 + rows[y] * 3) % (rows[y] == 2 ? 5 : 3));

    const QImage converted = PictureForColourTable(indexed);
    const QImage expected = indexed.convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(converted.format(), QImage::Format_RGB32);
    EXPECT_EQ(converted, expected);
    EXPECT_EQ(converted.dotsPerMeterX(), 11811);
    EXPECT_EQ(converted.dotsPerMeterY(), 7874);
}
