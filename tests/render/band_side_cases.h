#pragma once

#include "render/length_text.h"

#include <QLocale>

#include <optional>

// Texts typed for a band's side, read the same by the window's band editors (in the user's
// locale) and the batch tool's band options (always in the C locale).
struct TBandSideCase
{
    const char* Text;
    QLocale::Language Language; // QLocale::C, or a locale with a decimal comma
    std::optional<double> Value;
    TLengthUnit Unit = TLengthUnit::luPixels;
};

inline constexpr TBandSideCase BandSideCases[] = {
    {"2.5", QLocale::C, 2.5},
    {"2,5", QLocale::German, 2.5},
    {"2,5", QLocale::C, std::nullopt},
    {"1.234,5", QLocale::German, std::nullopt},
    {" 7 ", QLocale::C, 7},
    {"10m", QLocale::C, 10, TLengthUnit::luModules},
    {"0,5m", QLocale::German, 0.5, TLengthUnit::luModules},
    {"0.33mm", QLocale::C, std::nullopt},
    {"1e30", QLocale::C, std::nullopt},
    {"32767", QLocale::C, 32767},
    {"32767.5", QLocale::C, std::nullopt},
    {"nan", QLocale::C, std::nullopt},
    {"inf", QLocale::C, std::nullopt},
    {"-1", QLocale::C, std::nullopt},
    {"", QLocale::C, 0},
    {"abc", QLocale::C, std::nullopt},
    {"0", QLocale::C, 0},
};
