#pragma once

#include "editors/property_types.h"

class TZintSymbol;

// The symbol's registry entry: SymbolType, the eleven option sets (read-only), then
// NoMinHeightCheck.
QList<TPublishedProperty> SymbolPublishedProperties(TZintSymbol& symbol);
