#include "io/image_writer.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

QByteArray encoded(const QImage& image, TImageFileFormat format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WriteImage(image, format, buffer);
    return bytes;
}

// ARGB32 with every fully transparent pixel the same: what a reader can tell apart.
QImage visiblePixels(const QImage& image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            row[x] = qAlpha(row[x]) == 0 ? 0 : row[x];
    }
    return out;
}

// GIF's one transparent entry: invisible pixels stay invisible, any other is opaque.
QImage gifPixels(const QImage& image)
{
    QImage out = visiblePixels(image);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            row[x] = row[x] == 0 ? 0 : row[x] | 0xFF000000u;
    }
    return out;
}

QImage decoded(const QByteArray& bytes, const char* format)
{
    return visiblePixels(QImage::fromData(bytes, format));
}

// The payload of the first chunk of a type; empty when there is none.
QByteArray pngChunk(const QByteArray& png, const char* type)
{
    for (qsizetype at = 8; at + 8 <= png.size();) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        if (png.mid(at + 4, 4) == type)
            return png.mid(at + 8, qsizetype(length));
        at += 12 + qsizetype(length);
    }
    return {};
}

struct TPictureCase
{
    const char* FName;
    int FWidth, FHeight;
    QImage::Format FFormat;
    std::function<QRgb(int)> FColourOfPixel; // pixels numbered row by row
    int FPngBitDepth;
    int FPngColourType; // 0 grey, 2 RGB, 3 palette, 6 RGBA
    int FGifTableBits;
};

constexpr int kGrey = 0, kRgb = 2, kPalette = 3, kRgba = 6;

QImage picture(const TPictureCase& c)
{
    QImage image(c.FWidth, c.FHeight, QImage::Format_ARGB32);
    for (int y = 0; y < c.FHeight; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < c.FWidth; ++x)
            row[x] = c.FColourOfPixel(y * c.FWidth + x);
    }
    return image.convertToFormat(c.FFormat);
}

QRgb grey(int level)
{
    return qRgb(level, level, level);
}

// Odd widths put the last pixels of a row in a partly used byte at 1, 2 and 4 bits.
const TPictureCase kPictures[] = {
    {"black and white", 9, 5, QImage::Format_RGB32,
     [](int i) { return grey(i % 3 == 0 ? 0 : 255); }, 1, kGrey, 1},
    {"one colour, one pixel wide", 1, 3, QImage::Format_RGB32, [](int) { return grey(255); }, 1,
     kGrey, 1},
    {"two colours, neither black nor white", 17, 4, QImage::Format_RGB32,
     [](int i) { return i % 5 < 2 ? qRgb(0, 0, 128) : qRgb(255, 255, 0); }, 1, kPalette, 1},
    {"four greys of the 2-bit scale", 7, 6, QImage::Format_RGB32,
     [](int i) { return grey(i % 4 * 85); }, 2, kGrey, 2},
    {"three colours", 9, 3, QImage::Format_RGB32,
     [](int i) { return QRgb(0xFF000000u | (0xFFu << (8 * (i % 3)))); }, 2, kPalette, 2},
    {"16 colours", 17, 3, QImage::Format_RGB32, [](int i) { return qRgb(i % 16 * 16, 0, 200); }, 4,
     kPalette, 4},
    {"16 greys of the 4-bit scale", 17, 2, QImage::Format_Grayscale8,
     [](int i) { return grey(i % 16 * 17); }, 4, kGrey, 4},
    {"grey ramp of 256 levels", 17, 16, QImage::Format_RGB32, [](int i) { return grey(i % 256); },
     8, kGrey, 8},
    {"256 colours", 17, 16, QImage::Format_RGB32,
     [](int i) { return qRgb(i % 256, 255 - i % 256, 7); }, 8, kPalette, 8},
    {"257 colours", 17, 16, QImage::Format_RGB32,
     [](int i) { return qRgb(i % 257 & 0xFF, i % 257 >> 8, 9); }, 8, kRgb, 8},
    {"transparent of any colour and black", 9, 4, QImage::Format_ARGB32,
     [](int i) {
         return i % 2 ? qRgba(10, 20, 30, 0) : i % 3 ? qRgba(40, 50, 60, 0) : qRgb(0, 0, 0);
     },
     1, kPalette, 1},
    {"partly transparent", 7, 3, QImage::Format_ARGB32,
     [](int i) { return i % 3 == 0   ? qRgba(255, 0, 0, 128)
                        : i % 3 == 1 ? qRgb(0, 0, 255)
                                     : 0; }, 2,
     kPalette, 2},
    {"premultiplied, partly transparent", 7, 3, QImage::Format_ARGB32_Premultiplied,
     [](int i) { return i % 3 == 0   ? qRgba(255, 0, 0, 128)
                        : i % 3 == 1 ? qRgb(0, 0, 255)
                                     : 0; }, 2,
     kPalette, 2},
    {"over 256 colours, some transparent", 37, 16, QImage::Format_ARGB32,
     [](int i) { return i % 5 == 0 ? 0 : qRgba(i & 0xFF, i >> 8, 3, 200); }, 8, kRgba, 8},
    // Label-sized: long runs of equal rows and a band that differs, as the compressor matches
    // them in the files a batch writes.
    {"bars of a label over a caption", 378, 116, QImage::Format_RGB32,
     [](int i) {
         const int x = i % 378, y = i / 378;
         return grey((y < 90 ? x * 7 / 13 : x * y) % 3 == 0 ? 0 : 255);
     },
     1, kGrey, 1},
    {"256 greys in runs of equal rows", 300, 120, QImage::Format_RGB32,
     [](int i) { return grey((i % 300 + i / 300 / 40) % 256); }, 8, kGrey, 8},
};

} // namespace

// Each file is stored in the smallest form its colours allow and reads back as the picture:
// PNG to the alpha value, GIF with its one transparent entry (exactly up to 256 colours),
// BMP as the opaque colours.
TEST(ImageFileContents, PixelsReadBackInTheSmallestStorage)
{
    for (const TPictureCase& c : kPictures) {
        SCOPED_TRACE(c.FName);
        const QImage source = picture(c);

        const QByteArray png = encoded(source, TImageFileFormat::iffPng);
        EXPECT_EQ(png.at(24), c.FPngBitDepth);
        EXPECT_EQ(png.at(25), c.FPngColourType);
        const bool translucentPalette = c.FPngColourType == kPalette && source.hasAlphaChannel();
        EXPECT_EQ(!pngChunk(png, "tRNS").isEmpty(), translucentPalette);
        EXPECT_EQ(decoded(png, "PNG"), visiblePixels(source));

        const QByteArray gif = encoded(source, TImageFileFormat::iffGif);
        EXPECT_EQ((gif.at(10) & 7) + 1, c.FGifTableBits);
        const QImage gifBack = decoded(gif, "GIF");
        ASSERT_EQ(gifBack.size(), source.size());
        if (c.FPngColourType != kRgb && c.FPngColourType != kRgba) {
            EXPECT_EQ(gifBack, gifPixels(source));
        }
        for (int i = 0; i < c.FWidth * c.FHeight; ++i) {
            const int x = i % c.FWidth, y = i / c.FWidth;
            EXPECT_EQ(qAlpha(gifBack.pixel(x, y)) == 0, qAlpha(c.FColourOfPixel(i)) == 0) << i;
        }

        const QByteArray bmp = encoded(source, TImageFileFormat::iffBmp);
        EXPECT_EQ(decoded(bmp, "BMP"), visiblePixels(source.convertToFormat(QImage::Format_RGB32)));
    }
}

// The resolution is read from the bytes of each file: PNG pHYs in pixels per metre, JFIF
// density in dots per inch, BMP pixels per metre. Distinct X and Y catch a swap.
TEST(ImageFileContents, EveryFileCarriesThePictureResolution)
{
    QImage label(37, 11, QImage::Format_RGB32);
    label.fill(Qt::white);
    label.setPixel(3, 4, qRgb(0, 0, 0));
    QImage colourful(17, 16, QImage::Format_ARGB32);
    for (int i = 0; i < 17 * 16; ++i)
        colourful.setPixel(i % 17, i / 17, qRgba(i, 255 - i, i / 2, 100 + i % 100));

    const struct
    {
        const char* FName;
        QImage FImage;
        int FDotsPerMetreX, FDotsPerMetreY; // 0: the picture's own
    } cases[] = {
        {"2-colour label at 300 x 150 dpi", label, 11811, 5906},
        {"grey picture", label.convertToFormat(QImage::Format_Grayscale8), 11811, 5906},
        {"translucent colourful picture", colourful, 23622, 2835},
        {"resolution never set", label, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.FName);
        QImage image = c.FImage;
        if (c.FDotsPerMetreX > 0) {
            image.setDotsPerMeterX(c.FDotsPerMetreX);
            image.setDotsPerMeterY(c.FDotsPerMetreY);
        }
        const int dpmX = image.dotsPerMeterX(), dpmY = image.dotsPerMeterY();

        const QByteArray phys = pngChunk(encoded(image, TImageFileFormat::iffPng), "pHYs");
        ASSERT_EQ(phys.size(), 9);
        EXPECT_EQ(qFromBigEndian<quint32>(phys.constData()), quint32(dpmX));
        EXPECT_EQ(qFromBigEndian<quint32>(phys.constData() + 4), quint32(dpmY));
        EXPECT_EQ(phys.at(8), 1); // metre

        const QByteArray jpeg = encoded(image, TImageFileFormat::iffJpeg);
        const qsizetype jfif = jpeg.indexOf(QByteArray("JFIF\0", 5));
        ASSERT_GT(jfif, 0);
        EXPECT_EQ(jpeg.at(jfif + 7), 1); // dots per inch
        EXPECT_EQ(qFromBigEndian<quint16>(jpeg.constData() + jfif + 8), std::lround(dpmX * 0.0254));
        EXPECT_EQ(qFromBigEndian<quint16>(jpeg.constData() + jfif + 10),
                  std::lround(dpmY * 0.0254));

        const QByteArray bmp = encoded(image, TImageFileFormat::iffBmp);
        EXPECT_EQ(qFromLittleEndian<qint32>(bmp.constData() + 38), dpmX);
        EXPECT_EQ(qFromLittleEndian<qint32>(bmp.constData() + 42), dpmY);
    }
}
