#pragma once

#include "symbol/zint_symbol.h"

#include <QString>

// Encodes text as Unicode input in the symbology of the given library number.
inline void EncodeForLayout(TZintSymbol& symbol, int symbology, const QString& text)
{
    symbol.Clear();
    symbol.set_symbology(symbology);
    symbol.set_input_mode(1);
    symbol.Encode(text, true);
}
