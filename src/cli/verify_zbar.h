#pragma once

#include "symbol/zint_symbology.h"

#include <QString>

#include <optional>

class QImage;

// The second reader: zbar's command-line scanner (zbarimg), when it is installed. It reads some
// symbols ZXing-C++ misses (DataBar Expanded holding only a GTIN, Code 39 at fractional module
// widths). Its text follows the same rules as ZXing-C++'s only for the formats it is asked to
// read here, so anything it reads otherwise is no evidence either way.

// Decodes the picture with zbar; nothing when zbar is not installed, does not read the
// symbology, or finds no symbol.
std::optional<QString> ReadBackWithZbar(TZintSymbology symbology, const QImage& image);
