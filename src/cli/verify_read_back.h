#pragma once

#include "symbol/zint_symbology.h"

#include <QString>

#include <optional>

class QImage;
class TZintSymbol;

// Reading written images back with the barcode readers at hand (ZXing-C++, then zbar): which
// symbologies they read, and what they must read for a given input. Free of widgets and of the
// batch tool, so tests can use the same rules.

// Whether the decoder reads this symbology at all.
bool IsVerifiable(TZintSymbology symbology);

// What a scanner returns for `text` encoded in `symbology` with `primaryMessage` (MaxiCode's
// postcode, country and service): the input with the check digits, padding, prefixes and
// structure the encoder adds. Nothing for an unverifiable symbology or for an entry the
// decoder cannot read in any picture (an EAN add-on without its main symbol).
std::optional<QString> ExpectedReadBack(TZintSymbology symbology, const QString& text,
                                        const QString& primaryMessage);

// The primary message the symbol's next encode puts into the symbol: a MaxiCode set to mode
// 4, 5 or 6 carries none, whatever it is given.
QString PrimaryMessageCarried(const TZintSymbol& symbol, const QString& primaryMessage);

// Decodes the picture as it stands, with no white added around it; nothing when no symbol of
// the symbology is found. GS1 field separators are dropped, as bracketed input carries none.
std::optional<QString> ReadBack(TZintSymbology symbology, const QImage& image);

struct TReadBackCheck
{
    bool Verifiable = false; // false: no reader reads this entry, and the rest says nothing
    bool Matches = false;    // a reader read exactly what the entry should read as
    // What ZXing-C++ read, whose text the expected one follows: a read that differs is a
    // misread; nothing read leaves the entry unconfirmed.
    std::optional<QString> Read;
};

// Reads the picture back with every reader at hand (ZXing-C++, then zbar) and compares what
// they read with what `text` should read as.
TReadBackCheck CheckReadBack(TZintSymbology symbology, const QString& text,
                             const QString& primaryMessage, const QImage& image);
