#pragma once

#include <QRgb>

#include <array>

// The fixed entries of the colour lists, by the names users know them from.
struct TNamedColor
{
    const char* Name;
    QRgb Rgb;
};

extern const std::array<TNamedColor, 16> StandardColors;
extern const std::array<TNamedColor, 4> ExtendedColors;
