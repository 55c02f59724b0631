#pragma once

#include "io/label_text.h"
#include "render/length_text.h"
#include "render/render_settings.h"
#include "symbol/zint_symbology.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class TUserStore;

// The bands of the settings in the window's order: margin, padding, border, text spacing,
// whitespace.
constexpr std::size_t BandCount = 5;
inline constexpr TRenderBoxValue TRenderSettings::*BandMembers[BandCount] = {
    &TRenderSettings::Margin, &TRenderSettings::Padding, &TRenderSettings::Border,
    &TRenderSettings::TextSpacing, &TRenderSettings::Whitespace};

// How a band editor shows its band: the unit of all four sides and whether they move together.
struct TBandChoice
{
    TLengthUnit Unit = TLengthUnit::luPixels;
    bool AllSame = false;
};

// The work the window remembers with a fixed shape: the render settings, the symbology, the
// export format, the file-name template, whether the settings panel is shown, the list files
// used lately and the label sheet with its text lines. The window's defaults where a value it shows
// is not in effect yet (a bar height of 50 modules while the height is the standard one).
struct TStoredSettings
{
    TRenderSettings Render;
    std::array<TBandChoice, BandCount> Bands;
    TZintSymbology Symbology = TZintSymbology::zsCODE39;
    QString ExportFormat;
    QString FileNames = QStringLiteral("{n}");
    QStringList RecentLists; // the latest first
    bool SettingsPanelShown = true;
    // The sheet of the last label sheet saved, as ReadLabelSheet reads it; empty before the first.
    QString LabelSheet;
    // Its text lines, and whether its symbols kept the window's module instead of taking the
    // largest one their labels hold.
    TLabelTextRows LabelText;
    bool LabelKeepsModule = false;

    TStoredSettings();
};

enum class TStoredType : std::uint8_t
{
    stBoolean,
    stNumber, // C-locale decimal text
    stText,
    stPaths,  // one path a line
    stColour, // "#AARRGGBB"
    stFont,   // QFont::toString
    stChoice, // the value's name in its table of names
    stBand,   // "TOP,LEFT,RIGHT,BOTTOM" in the band's unit
    stSize    // "WxH" in pixels
};

// One key of the per-user store: its text for the settings and the reading back that refuses a
// text out of the key's range or of another shape, leaving the settings as they were. A key's
// default is what it writes for TStoredSettings().
struct TStoredKey
{
    const char* Key;
    TStoredType Type;
    QString (*Write)(const TStoredSettings& settings);
    bool (*Read)(const QString& text, TStoredSettings& settings);
};

const std::vector<TStoredKey>& StoredKeys();

// The shape of the keys; a store without it was written before the keys had names of their own.
extern const QString StoredSchemaVersionKey;
constexpr int StoredSchemaVersion = 1;

struct TStoredLoad
{
    TStoredSettings Settings;
    QStringList Refused; // keys whose text was damaged or foreign: they hold their defaults
};

// Reads every key; a missing key keeps its default, a text its key refuses too.
TStoredLoad LoadStoredSettings(const TUserStore& store);
void SaveStoredSettings(const TStoredSettings& settings, TUserStore& store);
