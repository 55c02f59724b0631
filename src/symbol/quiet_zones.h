#pragma once

#include "symbol/zint_symbology.h"

// The symbology's standard quiet zones, in modules. An EAN/UPC add-on carries its own right
// quiet zone.
TQuietZones StandardQuietZones(TZintSymbology symbology, bool hasAddon);
