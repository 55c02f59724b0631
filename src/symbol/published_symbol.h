#pragma once

#include "symbol/property_types.h"

class TZintSymbol;

// The symbol's registry entry: SymbolType, the eleven option sets (read-only), then
// NoMinHeightCheck.
QList<TPublishedProperty> SymbolPublishedProperties(TZintSymbol& symbol);
