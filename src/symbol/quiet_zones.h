#pragma once

#include "symbol/zint_symbology.h"

// Clear space a reader needs around a symbol, in modules.
struct TQuietZones
{
    int Left = 0;
    int Right = 0;
    int Top = 0;
    int Bottom = 0;
};

// The symbology's standard quiet zones (as libzint 2.11 adds them with BARCODE_QUIET_ZONES,
// rounded up to whole modules). An EAN/UPC add-on carries its own right quiet zone.
TQuietZones StandardQuietZones(TZintSymbology symbology, bool hasAddon);
