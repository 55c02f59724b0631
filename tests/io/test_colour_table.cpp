#include "io/colour_table.h"
#include "io/gif_writer.h"
#include "io/png_writer.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

struct TIndexedCase
{
    const char* FName;
    QList<QRgb> FPalette;
    int FWidth, FHeight;
    std::function<int(int x, int y)> FIndexOf;
};

QImage indexedPicture(const TIndexedCase& c)
{
    QImage image(c.FWidth, c.FHeight, QImage::Format_Indexed8);
    image.setColorTable(c.FPalette);
    image.setDotsPerMeterX(11811);
    image.setDotsPerMeterY(7874);
    // Written as bytes: setPixel refuses an index past the palette.
    for (int y = 0; y < c.FHeight; ++y)
        for (int x = 0; x < c.FWidth; ++x)
            image.scanLine(y)[x] = uchar(c.FIndexOf(x, y));
    return image;
}

// What the writers were given for an indexed picture before they read indices: Qt's 32-bit
// conversion, with alpha when the palette has any.
QImage converted(const QImage& indexed)
{
    return indexed.convertToFormat(indexed.hasAlphaChannel() ? QImage::Format_ARGB32
                                                             : QImage::Format_RGB32);
}

QByteArray written(void (*write)(const QImage&, QIODevice&), const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    write(image, buffer);
    return bytes;
}

std::vector<unsigned char> codedRows(const QImage& image)
{
    const QImage picture = PictureForColourTable(image);
    const TColourTable table(picture);
    // Codes unlike the colours' positions, so that a lookup that skips them shows.
    std::vector<unsigned char> codes(table.Colours().size());
    for (size_t i = 0; i < codes.size(); ++i)
        codes[i] = static_cast<unsigned char>(255 - i);
    const TColourTable::TRowCoder coder(table, codes.data());
    std::vector<unsigned char> rows(size_t(picture.width()) * size_t(picture.height()));
    for (int y = 0; y < picture.height(); ++y)
        coder.CodeRow(picture, y, rows.data() + size_t(y) * size_t(picture.width()));
    return rows;
}

QRgb grey(int level)
{
    return qRgb(level, level, level);
}

// Distinct colours, none grey.
QList<QRgb> spectrum(int count)
{
    QList<QRgb> colours;
    for (int i = 0; i < count; ++i)
        colours.append(qRgb(i, 255 - i, 7));
    return colours;
}

const QRgb kWhite = qRgb(255, 255, 255), kBlack = qRgb(0, 0, 0), kRed = qRgb(255, 0, 0),
           kBlue = qRgb(0, 0, 255);

// Odd widths leave padding after each row's indices; rows repeat, as a barcode's do.
const TIndexedCase kIndexedCases[] = {
    {"two colours, white first",
     {kWhite, kBlack},
     13,
     6,
     [](int x, int y) { return y == 4 ? 0 : x % 3 == 1; }},
    {"first met is not palette order",
     {kWhite, kRed, kBlue},
     9,
     4,
     [](int x, int y) { return 2 - (x + y) % 3; }},
    {"unused palette entries",
     {kWhite, kRed, qRgb(1, 2, 3), kBlue, qRgb(4, 5, 6), kBlack},
     11,
     5,
     [](int x, int y) { return (x + y) % 4 < 2 ? 3 : 1; }},
    {"equal colours at two indices, rows differing only in them",
     {kWhite, kRed, kRed, kBlue},
     10,
     6,
     [](int x, int y) { return x % 4 == 0 ? 3 : 1 + y % 2; }},
    {"index past the palette, black not in it",
     {kWhite, kRed},
     7,
     5,
     [](int x, int y) { return y < 3    ? x % 2
                               : x == 4 ? 9
                                        : 1; }},
    {"index past the palette after black is met",
     {kWhite, kBlack},
     12,
     6,
     [](int x, int y) { return y >= 3 && x == 5 ? 200 : x % 2; }},
    {"greys of the 2-bit scale and an unused colour",
     {grey(0), grey(85), kRed, grey(170), grey(255)},
     9,
     3,
     [](int x, int) { return x % 5 == 2 ? 4 : x % 5; }},
    {"sixteen colours", spectrum(16), 17, 3, [](int x, int y) { return (x + 5 * y) % 16; }},
    {"all 256 entries", spectrum(256), 16, 17, [](int x, int y) { return (x + 16 * y) % 256; }},
    {"translucent and two transparent entries",
     {qRgba(255, 0, 0, 128), qRgba(1, 2, 3, 0), qRgba(4, 5, 6, 0), kBlue},
     7,
     4,
     [](int x, int y) { return (x + y) % 4; }},
    {"transparent entry unused",
     {kWhite, kBlack, qRgba(0, 0, 0, 0)},
     9,
     3,
     [](int x, int) { return x % 2; }},
    {"one pixel", {kBlue}, 1, 1, [](int, int) { return 0; }},
    {"no palette: a grey ramp", {}, 5, 2, [](int x, int y) { return 50 * x + y; }},
};

} // namespace

// The writers read an indexed picture's indices, not its colours: the colours in the same
// order, the rows in the same codes and so the same PNG and GIF bytes as its 32-bit conversion.
TEST(ColourTable, IndexedPictureAsItsConversionTo32Bits)
{
    for (const TIndexedCase& c : kIndexedCases) {
        SCOPED_TRACE(c.FName);
        const QImage indexed = indexedPicture(c);
        const QImage reference = converted(indexed);
        const TColourTable fromIndices(PictureForColourTable(indexed));
        const TColourTable fromColours(PictureForColourTable(reference));
        EXPECT_EQ(fromIndices.Colours(), fromColours.Colours());
        EXPECT_EQ(fromIndices.OpaqueFormat(), fromColours.OpaqueFormat());
        EXPECT_EQ(codedRows(indexed), codedRows(reference));
        EXPECT_EQ(written(WritePng, indexed), written(WritePng, reference));
        EXPECT_EQ(written(WriteGif, indexed), written(WriteGif, reference));
    }
}
