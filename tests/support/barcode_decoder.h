#pragma once

#include <QString>

#include <ZXing/BarcodeFormat.h>

#include <string>

class QImage;

// What an independent reader finds in a picture; an empty text when it finds no symbol.
struct TDecoded
{
    QString Text;
    std::string ECCLevel;
};

// Reads the picture exactly as it is: a symbol drawn without its quiet zone stays unread, as
// it would on paper. Codabar keeps its start and stop characters and EAN/UPC its add-on.
TDecoded DecodeImage(const QImage& image, ZXing::BarcodeFormats formats = {});

// Reads the file as written, through the image readers Qt has.
TDecoded DecodeFile(const QString& path, ZXing::BarcodeFormats formats = {});

// What zbarimg reads from the file as written, for the symbols ZXing-C++ cannot read; empty
// when it reads nothing.
QString DecodeFileWithZbar(const QString& path);
