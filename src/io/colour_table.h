#pragma once

#include <QRgb>

#include <array>
#include <cstdint>
#include <vector>

class QImage;

// The picture in a format TColourTable reads: ARGB32 when its format can hold transparency,
// RGB32 otherwise. Keeps the picture's resolution.
QImage PictureForColourTable(const QImage& image);

// The distinct colours of a picture, up to 256, counted in one pass, and each colour's
// index among them for the indexed file formats.
class TColourTable final
{
public:
    static constexpr int MaxColours = 256;
    // The one colour of every fully transparent pixel.
    static constexpr QRgb Invisible = 0;

    // Takes an RGB32 or ARGB32 picture; stops counting at the 257th colour.
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
    // In the order first met, each as Visible gives it.
    const std::vector<QRgb>& Colours() const { return FColours; }
    bool OpaqueFormat() const { return FOpaqueFormat; }

    // Index into Colours() of a visible colour; -1 for a colour the picture lacks.
    int IndexOf(QRgb visible) const;

    // One row of the picture as the codes (palette index, grey level) given to each colour
    // in the order of Colours(), one byte per pixel.
    void CodeRow(const QImage& picture, int y, const unsigned char* codes,
                 unsigned char* out) const;

private:
    static constexpr int SlotCount = 2 * MaxColours;
    static unsigned SlotOf(QRgb colour) { return (colour * 0x9E3779B1u) >> 23; }
    // False once the colour would be the 257th.
    bool Add(QRgb visible);

    bool FOpaqueFormat = true;
    bool FTooMany = false;
    std::vector<QRgb> FColours;
    std::array<QRgb, SlotCount> FSlotColour{};
    std::array<std::int16_t, SlotCount> FSlotIndex;
};
