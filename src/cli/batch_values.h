#pragma once

#include "io/text_import.h"
#include "render/render_settings.h"
#include "render/zint_render_types.h"

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>
#include <QVariant>

#include <optional>

// Readers of single command-line values. Each answers nothing for a text it cannot read, so
// the caller can name the option in its message.

// A name of the format table ("png", "jpg", "svg", ...): the extension the folder export gives that
// format.
std::optional<QString> ParseImageExtension(const QString& text);

// "ansi", "ascii", "utf-16le", "utf-16be", "utf-8" or "utf-7".
std::optional<TTextEncoding> ParseTextEncoding(const QString& text);

// "#RRGGBB" or a name of the colour list, letter case ignored.
std::optional<QColor> ParseColor(const QString& text);

// "WxH", both whole pixels above 0.
std::optional<QSize> ParseSize(const QString& text);

// A whole number from 1 to 256.
std::optional<int> ParseJobCount(const QString& text);
// A whole number from 1 to 10^15 (far beyond any input, and never near overflow).
std::optional<qint64> ParseFirstNumber(const QString& text);

// The smallest or largest module width in pixels, 0 to 32767, as the window takes it.
std::optional<float> ParseModuleWidthLimit(const QString& text);

// MaxiCode's hexagon scale: above 0, at most 32767, as the window takes it.
std::optional<float> ParseHexagonScale(const QString& text);

// One length for all four sides, or "T,L,R,B": pixels, or modules with a trailing "m"; an
// empty side is none. The lengths are read as the window's band editors read them.
std::optional<TRenderBoxValue> ParseBox(const QString& text);

// The output size values. Each reads into `settings` and answers false for a text it cannot
// read, leaving `settings` as it was.
// "fit", "preview" or "WxH".
bool ParseImageSize(const QString& text, TRenderSettings& settings);
// Whole pixels ("2"), a length ("0.33mm", "0.013in"), "fit" or "fit-exact".
bool ParseModuleSize(const QString& text, TRenderSettings& settings);
// "standard", "fill", whole modules ("50", "50m") or a length ("15mm", "0.6in").
bool ParseBarHeight(const QString& text, TRenderSettings& settings);
// "standard" or "none".
bool ParseQuietZones(const QString& text, TRenderSettings& settings);
// "font", pixels ("12") or a share of the module width ("6m").
bool ParseCaptionSize(const QString& text, TRenderSettings& settings);
// Whole dots per inch, 1 to 100000, as the window takes them.
std::optional<int> ParseDpi(const QString& text);

// "FAMILY,PIXELS".
std::optional<QFont> ParseFont(const QString& text);

std::optional<TZintRenderAdjustMode> ParseAdjustMode(const QString& text);
std::optional<TZintHAlign> ParseHAlign(const QString& text);
std::optional<TZintVAlign> ParseVAlign(const QString& text);

// A value for the property registry: an integer text is an integer (an ordinal for
// enumerations), anything else a value name.
QVariant PropertyValue(const QString& text);

// One line per symbology: catalogue index, library number, enumeration name, display name and
// the common names (separated by commas, none for most), separated by tabs.
QString SymbologyTable();
