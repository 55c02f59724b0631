#pragma once

#include "io/text_import.h"
#include "render/zint_render_types.h"
#include "symbol/zint_symbology.h"

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>
#include <QVariant>

#include <optional>

// Readers of single command-line values. Each answers nothing for a text it cannot read, so
// the caller can name the option in its message.

// One side of a band: the part in target units and the part in modules.
struct TBatchSide
{
    float TargetUnits = 0;
    float Modules = 0;
};

// The four sides of a band, given on the command line as one value or "T,L,R,B".
struct TBatchBox
{
    TBatchSide Top;
    TBatchSide Left;
    TBatchSide Right;
    TBatchSide Bottom;
};

// A display name or enumeration name (letter case ignored), or a library number.
std::optional<TZintSymbology> ParseSymbology(const QString& text);

// "png", "jpeg", "gif" or "bmp": the extension the folder export gives that format.
std::optional<QString> ParseImageExtension(const QString& text);

// "ansi", "ascii", "utf-16le", "utf-16be", "utf-8" or "utf-7".
std::optional<TTextEncoding> ParseTextEncoding(const QString& text);

// "#RRGGBB" or a name of the colour list, letter case ignored.
std::optional<QColor> ParseColor(const QString& text);

// "WxH", both positive.
std::optional<QSize> ParseSize(const QString& text);

// A whole number from 1 to 256.
std::optional<int> ParseJobCount(const QString& text);

// A finite number, not negative.
std::optional<float> ParseNonNegative(const QString& text);

// A finite number above 0.
std::optional<float> ParsePositive(const QString& text);

// One length for all four sides, or "T,L,R,B"; a trailing "m" counts a length in modules.
std::optional<TBatchBox> ParseBox(const QString& text);

// "FAMILY,PIXELS".
std::optional<QFont> ParseFont(const QString& text);

std::optional<TZintRenderAdjustMode> ParseAdjustMode(const QString& text);
std::optional<TZintHAlign> ParseHAlign(const QString& text);
std::optional<TZintVAlign> ParseVAlign(const QString& text);

// A value for the property registry: an integer text is an integer (an ordinal for
// enumerations), anything else a value name.
QVariant PropertyValue(const QString& text);

// One line per symbology: catalogue index, library number, enumeration name, display name,
// separated by tabs.
QString SymbologyTable();
