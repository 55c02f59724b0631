#pragma once

#include "render/render_settings.h"
#include "render/zint_metafile.h"
#include "symbol/zint_symbology.h"

#include <QSize>
#include <QString>

class TZintSymbol;

// A label's symbol as drawn, and its module in dots; 0 when the settings' own size was kept.
struct TLabelSymbol
{
    TMetafile Picture;
    int ModuleDots = 0;
};

// Sizes the symbols of a label sheet for their labels: the largest whole-dot module within
// the symbology's label range (TLabelModules) whose picture fits the room, quiet zones
// included; single-row bars as tall as the room allows. Symbologies without a range, and
// settings that ask for a module of their own, keep the settings' size.
class TLabelSymbolSizer final
{
public:
    TLabelSymbolSizer(TZintSymbology symbology, const TRenderSettings& settings, QSize previewArea,
                      bool sizeForLabel);

    // Raises EZintException as RenderEntryPicture does.
    TLabelSymbol Render(TZintSymbol& symbol, const QString& text, QSize room);

    // The module the symbol was drawn with, in millimetres, once scaled by `scale`; 0 when
    // unknown (fitted by the settings).
    double ModuleMm(const TLabelSymbol& drawn, double scale) const;

private:
    TMetafile RenderAt(TZintSymbol& symbol, const QString& text, int moduleDots, QSize room) const;

    TZintSymbology FSymbology;
    TRenderSettings FSettings;
    QSize FPreviewArea;
    int FLargestDots = 0; // 0: not sized for the label
    bool FFillBars = false;
    int FBarRoomDots = 0;
    int FLastDots = 0; // the previous entry's: the next one most likely takes it too
};

// What to say of a symbol drawn with modules of `moduleMm`: that they are below the
// symbology's minimum, naming it; empty when they are not.
QString ModuleBelowMinimumNote(TZintSymbology symbology, double moduleMm);
