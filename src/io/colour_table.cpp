#include "io/colour_table.h"

#include <QImage>

#include <cstring>
#include <utility>

// Open addressing over 512 slots for at most 256 colours keeps probes short. Barcodes are
// runs of one or two colours, so the last two colours met are checked before the table:
// a two-colour picture never reaches it after its first pixels, and rows equal to the row
// above (most rows of a linear symbol) are skipped with one memcmp.

namespace {
// As QImage's conversion gives it (an index past the table is black), a row at a
// time: the rasteriser's pictures repeat most rows, and Qt's conversion costs more than the
// rasterisation that made them.
QImage OpaqueFromIndexed(const QImage& image)
{
    const QList<QRgb> colours = image.colorTable();
    QRgb table[256];
    for (int i = 0; i < 256; ++i)
        table[i] = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
    QImage out(image.size(), QImage::Format_RGB32);
    out.setDotsPerMeterX(image.dotsPerMeterX());
    out.setDotsPerMeterY(image.dotsPerMeterY());
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const uchar* in = image.constScanLine(y);
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        if (y > 0 && std::memcmp(in, image.constScanLine(y - 1), size_t(width)) == 0) {
            std::memcpy(row, out.constScanLine(y - 1), size_t(width) * sizeof(QRgb));
            continue;
        }
        for (int x = 0; x < width; ++x)
            row[x] = table[in[x]];
    }
    return out;
}
} // namespace

QImage PictureForColourTable(const QImage& image)
{
    if (image.format() == QImage::Format_Indexed8 && !image.colorTable().isEmpty() &&
        !image.hasAlphaChannel())
        return OpaqueFromIndexed(image);
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    return image.format() == format ? image : image.convertToFormat(format);
}

static_assert(TColourTable::MaxColours * 2 == 512, "SlotOf keeps the top 9 bits");

TColourTable::TColourTable(const QImage& picture)
    : FOpaqueFormat(picture.format() == QImage::Format_RGB32)
{
    FSlotIndex.fill(-1);
    FColours.reserve(16);
    const int width = picture.width();
    const size_t rowBytes = size_t(width) * sizeof(QRgb);
    QRgb recent = 0, older = 0;
    bool haveRecent = false, haveOlder = false;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        if (y > 0 && std::memcmp(row, picture.constScanLine(y - 1), rowBytes) == 0)
            continue;
        for (int x = 0; x < width; ++x) {
            const QRgb colour = Visible(row[x], FOpaqueFormat);
            if (haveRecent && colour == recent)
                continue;
            if (!(haveOlder && colour == older) && !Add(colour)) {
                FTooMany = true;
                return;
            }
            older = recent;
            haveOlder = haveRecent;
            recent = colour;
            haveRecent = true;
        }
    }
}

bool TColourTable::Add(QRgb visible)
{
    unsigned slot = SlotOf(visible);
    while (FSlotIndex[slot] >= 0) {
        if (FSlotColour[slot] == visible)
            return true;
        slot = (slot + 1) % SlotCount;
    }
    if (int(FColours.size()) == MaxColours)
        return false;
    FSlotColour[slot] = visible;
    FSlotIndex[slot] = std::int16_t(FColours.size());
    FColours.push_back(visible);
    return true;
}

int TColourTable::IndexOf(QRgb visible) const
{
    for (unsigned slot = SlotOf(visible); FSlotIndex[slot] >= 0; slot = (slot + 1) % SlotCount) {
        if (FSlotColour[slot] == visible)
            return FSlotIndex[slot];
    }
    return -1;
}

void TColourTable::CodeRow(const QImage& picture, int y, const unsigned char* codes,
                           unsigned char* out) const
{
    const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    const int width = picture.width();
    if (FColours.size() <= 2 && FOpaqueFormat) {
        // Two opaque colours, the common barcode: one comparison a pixel.
        const QRgb first = FColours.front() & 0x00FFFFFFu;
        const unsigned char firstCode = codes[0];
        const unsigned char secondCode = codes[FColours.size() - 1];
        for (int x = 0; x < width; ++x)
            out[x] = (row[x] & 0x00FFFFFFu) == first ? firstCode : secondCode;
        return;
    }
    QRgb recent = Visible(row[0], FOpaqueFormat), older = recent;
    unsigned char recentCode = codes[IndexOf(recent)], olderCode = recentCode;
    for (int x = 0; x < width; ++x) {
        const QRgb colour = Visible(row[x], FOpaqueFormat);
        if (colour != recent) {
            if (colour == older) {
                std::swap(older, recent);
                std::swap(olderCode, recentCode);
            } else {
                older = recent;
                olderCode = recentCode;
                recent = colour;
                recentCode = codes[IndexOf(colour)];
            }
        }
        out[x] = recentCode;
    }
}
