#pragma once

#include "render/zint_render_types.h"

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

class TZintRenderBox;
class TZintRenderTargetCanvas;
class TZintSymbol;

// One side of a band: the part in target units (pixels) and the part in modules.
struct TRenderSide
{
    float TargetUnits = 0;
    float Modules = 0;
};

// The four sides of a band.
struct TRenderBoxValue
{
    TRenderSide Top;
    TRenderSide Left;
    TRenderSide Right;
    TRenderSide Bottom;
};

// What decides the image's size in pixels.
enum class TImageSizeMode : std::uint8_t
{
    ismFitSymbol,   // the symbol with its bands and quiet zones, nothing more
    ismPreviewArea, // the area the caller offers (the window's preview pane)
    ismFixed        // FixedImageSize
};

enum class TModuleSizeMode : std::uint8_t
{
    msmPixels, // ModuleSize whole pixels
    msmMillimetres,
    msmInches,
    msmFit // the module width that fills the image size
};

enum class TBarHeightMode : std::uint8_t
{
    bhmStandard, // libzint's default height for the symbology
    bhmModules,
    bhmMillimetres,
    bhmInches,
    bhmFill // the rows take what the image height leaves
};

enum class TQuietZoneMode : std::uint8_t
{
    qzmStandard, // the symbology's standard quiet zones, in modules
    qzmNone
};

enum class TCaptionSizeMode : std::uint8_t
{
    csmFont,   // the font's own size
    csmPixels, // CaptionSize pixels high
    csmModules // CaptionSize times the module width
};

// Everything that decides how an encoded symbol becomes a picture: shared by the window's
// settings page, the batch tool and any settings store, and applied in one place.
struct TRenderSettings
{
    QColor Foreground = Qt::black;
    QColor Background = Qt::white;
    QFont Font;
    bool ShowText = true;
    float HexagonScale = 1;
    TZintRenderAdjustMode AdjustMode = TZintRenderAdjustMode::ramScale;
    TZintHAlign HAlign = TZintHAlign::haLeft;
    TZintVAlign VAlign = TZintVAlign::vaTop;
    float MinModuleWidth = 0;
    float MaxModuleWidth = 0;
    TRenderBoxValue Margin;
    TRenderBoxValue Padding;
    TRenderBoxValue Border;
    TRenderBoxValue Whitespace;
    TRenderBoxValue TextSpacing;

    TImageSizeMode ImageSize = TImageSizeMode::ismFitSymbol;
    QSize FixedImageSize{303, 417};
    TModuleSizeMode ModuleSizeMode = TModuleSizeMode::msmPixels;
    float ModuleSize = 2;  // pixels, millimetres or inches by ModuleSizeMode
    bool ExactFit = false; // with msmFit: fractional module widths
    TBarHeightMode BarHeightMode = TBarHeightMode::bhmStandard;
    float BarHeight = 0; // modules, millimetres or inches by BarHeightMode
    TQuietZoneMode QuietZones = TQuietZoneMode::qzmStandard;
    int Dpi = 300;
    TCaptionSizeMode CaptionSizeMode = TCaptionSizeMode::csmFont;
    float CaptionSize = 0;
    // The linear component of composites and MaxiCode's primary message; empty: composites
    // take their standard linear component and MaxiCode carries none.
    QString PrimaryMessage;

    TRenderSettings();
};

// The highest resolution a setting may ask for.
constexpr int MaxDpi = 100000;

// The preview area's own layout: the area's size, modules fitted exactly,
// five-module rows, no quiet zones.
TRenderSettings PreviewAreaLayoutSettings();

// A length in millimetres or inches as pixels at the resolution.
float LengthToPixels(float length, bool inches, int dpi);

// The module width in pixels the settings ask for, or 0 when the layout fits it.
float ModuleWidthInPixels(const TRenderSettings& settings);

// The symbol's row height setting for the settings (a number of modules or one of the
// symbol's LinearRowHeight* values).
int LinearRowHeightFor(const TRenderSettings& settings);

// Copies colours, font, bands and layout choices into a fresh target before it renders.
void ApplyRenderSettings(const TRenderSettings& settings, TZintRenderTargetCanvas& target);

TRenderBoxValue BoxValueOf(const TZintRenderBox& box);
void CopyBoxValue(const TRenderBoxValue& value, TZintRenderBox& box);
