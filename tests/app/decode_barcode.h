#pragma once

#include <QString>

#include <ZXing/BarcodeFormat.h>

class QImage;

// The text an independent decoder reads from the picture; empty when it finds no symbol.
QString DecodeBarcode(const QImage& image, ZXing::BarcodeFormat format);
