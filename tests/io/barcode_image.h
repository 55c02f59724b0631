#pragma once

#include <QImage>
#include <string>

// A Code 128 symbol drawn by libzint itself, centred on a white picture of the preview's
// design size, so the writers are tested with the kind of picture they get.
QImage MakeBarcodeImage(const std::string& text, int width = 303, int height = 417);
