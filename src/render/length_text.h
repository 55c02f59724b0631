#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

// The units a length may be written in: "2" or "2px", "10m", "0.33mm", "0.013in".
enum class TLengthUnit : std::uint8_t
{
    luPixels,
    luModules,
    luMillimetres,
    luInches
};

struct TLength
{
    double Value = 0;
    TLengthUnit Unit = TLengthUnit::luPixels;
};

constexpr std::uint8_t LengthUnitBit(TLengthUnit unit)
{
    return std::uint8_t(1U << unsigned(unit));
}

// What a field accepts. Lengths are finite and never negative; each use says whether 0 is a
// length, which units it takes, which of them count whole steps (image pixels are whole: a
// fraction is refused rather than rounded), and its largest value.
struct TLengthRules
{
    std::uint8_t Units = LengthUnitBit(TLengthUnit::luPixels);
    TLengthUnit Bare = TLengthUnit::luPixels; // the unit of a number written without one
    bool ZeroAllowed = true;
    std::uint8_t WholeUnits = 0;
    double Max = 32767;         // the largest image side in pixels
    bool EmptyIsZero = false;   // a field left empty has no length at all
    const char* Noun = nullptr; // what a bare number counts when it is no length ("dpi")
};

struct TLengthReading
{
    std::optional<TLength> Length;
    QString Error; // why the text is not a length, for the user
};

// Reads `text` with `locale`'s decimal separator (the window passes the user's, the batch tool
// QLocale::c()); group separators, blanks inside the number and "nan"/"inf" are refused.
TLengthReading ReadLength(const QString& text, const QLocale& locale, const TLengthRules& rules);

// `value` as `locale` writes it, without group separators, so that ReadLength reads it back.
QString LengthNumberText(double value, const QLocale& locale);
