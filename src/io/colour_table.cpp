#include "io/colour_table.h"

#include <QImage>

#include <algorithm>
#include <cstring>
#include <utility>

// Open addressing over 512 slots for at most 256 colours keeps probes short. Barcodes are
// runs of one or two colours, so the last two colours met are checked before the table:
// a two-colour picture never reaches it after its first pixels, and rows equal to the row
// above (most rows of a linear symbol) are skipped with one memcmp.
//
// The rasteriser's pictures are indexed: their colours follow from the indices alone, and
// their rows are coded through one lookup a pixel, with no 32-bit copy of the picture.

namespace {
// As Qt's conversion gives a pixel whose index is past the palette.
constexpr QRgb PastPalette = qRgb(0, 0, 0);
} // namespace

QImage PictureForColourTable(const QImage& image)
{
    if (image.format() == QImage::Format_Indexed8 && !image.colorTable().isEmpty())
        return image;
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    return image.format() == format ? image : image.convertToFormat(format);
}

static_assert(TColourTable::MaxColours * 2 == 512, "SlotOf keeps the top 9 bits");

TColourTable::TColourTable(const QImage& picture)
    : FIndexed(picture.format() == QImage::Format_Indexed8),
      FOpaqueFormat(FIndexed ? !picture.hasAlphaChannel()
                             : picture.format() == QImage::Format_RGB32)
{
    FSlotIndex.fill(-1);
    FColourOfIndex.fill(-1);
    FColours.reserve(16);
    if (FIndexed)
        CountIndexed(picture);
    else
        CountRgb(picture);
}

void TColourTable::CountRgb(const QImage& picture)
{
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
            if (!(haveOlder && colour == older) && Add(colour) < 0) {
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

void TColourTable::CountIndexed(const QImage& picture)
{
    const QList<QRgb> palette = picture.colorTable();
    const int known = int(std::min<qsizetype>(palette.size(), 256));
    const QRgb pastPalette = Visible(PastPalette, FOpaqueFormat);
    // Once every palette entry is met, and the colour of an index past it is known, no
    // index can add a colour: the rest of the picture cannot change the order.
    int unmet = known;
    bool settled = false;
    const int width = picture.width();
    for (int y = 0; y < picture.height() && !settled; ++y) {
        const uchar* row = picture.constScanLine(y);
        if (y > 0 && std::memcmp(row, picture.constScanLine(y - 1), size_t(width)) == 0)
            continue;
        for (int x = 0; x < width && !settled; ++x) {
            const uchar index = row[x];
            if (FColourOfIndex[index] >= 0)
                continue;
            // At most 256 indices: never a 257th colour.
            const QRgb colour =
                index < known ? Visible(palette[index], FOpaqueFormat) : pastPalette;
            FColourOfIndex[index] = std::int16_t(Add(colour));
            if (index < known)
                --unmet;
            settled = unmet == 0 && (known == 256 || IndexOf(pastPalette) >= 0);
        }
    }
    // An index past the palette may occur where the scan no longer looked.
    const int pastPaletteIndex = IndexOf(pastPalette);
    for (int index = known; index < 256; ++index)
        FColourOfIndex[size_t(index)] = std::int16_t(pastPaletteIndex);
}

int TColourTable::Add(QRgb visible)
{
    unsigned slot = SlotOf(visible);
    while (FSlotIndex[slot] >= 0) {
        if (FSlotColour[slot] == visible)
            return FSlotIndex[slot];
        slot = (slot + 1) % SlotCount;
    }
    if (int(FColours.size()) == MaxColours)
        return -1;
    FSlotColour[slot] = visible;
    FSlotIndex[slot] = std::int16_t(FColours.size());
    FColours.push_back(visible);
    return FSlotIndex[slot];
}

int TColourTable::IndexOf(QRgb visible) const
{
    for (unsigned slot = SlotOf(visible); FSlotIndex[slot] >= 0; slot = (slot + 1) % SlotCount) {
        if (FSlotColour[slot] == visible)
            return FSlotIndex[slot];
    }
    return -1;
}

TColourTable::TRowCoder::TRowCoder(const TColourTable& table, const unsigned char* codes)
    : FTable(table), FCodes(codes)
{
    if (!table.FIndexed)
        return;
    // An index the picture lacks keeps code 0: no pixel asks for it.
    for (size_t index = 0; index < FCodeOfIndex.size(); ++index)
        if (table.FColourOfIndex[index] >= 0)
            FCodeOfIndex[index] = codes[table.FColourOfIndex[index]];
}

void TColourTable::TRowCoder::CodeRow(const QImage& picture, int y, unsigned char* out) const
{
    const int width = picture.width();
    if (!FTable.FIndexed) {
        CodeRgbRow(reinterpret_cast<const QRgb*>(picture.constScanLine(y)), width, out);
        return;
    }
    const uchar* row = picture.constScanLine(y);
    int x = 0;
    // Eight at a time: a loop of constant count is unrolled, a lookup a pixel is left.
    for (; x + 8 <= width; x += 8)
        for (int k = 0; k < 8; ++k)
            out[x + k] = FCodeOfIndex[row[x + k]];
    for (; x < width; ++x)
        out[x] = FCodeOfIndex[row[x]];
}

void TColourTable::TRowCoder::CodeRgbRow(const QRgb* row, int width, unsigned char* out) const
{
    const std::vector<QRgb>& colours = FTable.FColours;
    const bool opaque = FTable.FOpaqueFormat;
    if (colours.size() <= 2 && opaque) {
        // Two opaque colours, the common barcode: one comparison a pixel.
        const QRgb first = colours.front() & 0x00FFFFFFu;
        const unsigned char firstCode = FCodes[0];
        const unsigned char secondCode = FCodes[colours.size() - 1];
        for (int x = 0; x < width; ++x)
            out[x] = (row[x] & 0x00FFFFFFu) == first ? firstCode : secondCode;
        return;
    }
    QRgb recent = Visible(row[0], opaque), older = recent;
    unsigned char recentCode = FCodes[FTable.IndexOf(recent)], olderCode = recentCode;
    for (int x = 0; x < width; ++x) {
        const QRgb colour = Visible(row[x], opaque);
        if (colour != recent) {
            if (colour == older) {
                std::swap(older, recent);
                std::swap(olderCode, recentCode);
            } else {
                older = recent;
                olderCode = recentCode;
                recent = colour;
                recentCode = FCodes[FTable.IndexOf(colour)];
            }
        }
        out[x] = recentCode;
    }
}
