#pragma once

#include <QRgb>

#include <array>
#include <cstdint>
#include <vector>

class QImage;

// The picture in a format TColourTable reads: an indexed picture with a palette as it is,
// otherwise ARGB32 when its format can hold transparency, RGB32 otherwise. Keeps the
// picture's resolution.
QImage PictureForColourTable(const QImage& image);

// The distinct colours of a picture, up to 256, counted in one pass, and each colour's
// index among them for the indexed file formats.
class TColourTable final
{
public:
    static constexpr int MaxColours = 256;
    // The one colour of every fully transparent pixel.
    static constexpr QRgb Invisible = 0;

    // Takes an RGB32, ARGB32 or palette-carrying Indexed8 picture; stops counting at the 257th
    // colour, which an indexed picture never reaches.
    explicit TColourTable(const QImage& picture);

    // A pixel as the table knows it: RGB32 alpha bits are not trusted, and every fully
    // transparent pixel is the same invisible colour.
    static QRgb Visible(QRgb pixel, bool opaqueFormat)
    {
        if (opaqueFormat)
            return pixel | 0xFF000000u;
        return qAlpha(pixel) == 0 ? Invisible : pixel;
    }

    bool TooManyColours() const { return FTooMany; }
    // In the order first met, each as Visible gives it. An indexed picture's colours are those
    // of its 32-bit conversion (an index past the palette is black), in the same order.
    const std::vector<QRgb>& Colours() const { return FColours; }
    // Whether the picture's format holds only opaque pixels.
    bool OpaqueFormat() const { return FOpaqueFormat; }

    // Index into Colours() of a visible colour; -1 for a colour the picture lacks.
    int IndexOf(QRgb visible) const;

    // One row of the picture as the codes (palette index, grey level) given to each colour
    // in the order of Colours(), one byte per pixel.
    class TRowCoder final
    {
    public:
        // `codes` has one entry for each of the table's colours and outlives the coder.
        TRowCoder(const TColourTable& table, const unsigned char* codes);
        void CodeRow(const QImage& picture, int y, unsigned char* out) const;

    private:
        void CodeRgbRow(const QRgb* row, int width, unsigned char* out) const;

        const TColourTable& FTable;
        const unsigned char* FCodes;
        // An indexed picture's code for each of its 256 indices.
        std::array<unsigned char, 256> FCodeOfIndex{};
    };

private:
    static constexpr int SlotCount = 2 * MaxColours;
    static unsigned SlotOf(QRgb colour) { return (colour * 0x9E3779B1u) >> 23; }
    void CountRgb(const QImage& picture);
    void CountIndexed(const QImage& picture);
    // The colour's index in FColours, added when new; -1 once it would be the 257th.
    int Add(QRgb visible);

    bool FIndexed = false;
    bool FOpaqueFormat = true;
    bool FTooMany = false;
    std::vector<QRgb> FColours;
    std::array<QRgb, SlotCount> FSlotColour{};
    std::array<std::int16_t, SlotCount> FSlotIndex;
    // For an indexed picture: the index into FColours of each palette index met, else -1.
    std::array<std::int16_t, 256> FColourOfIndex;
};
