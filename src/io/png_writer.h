#pragma once

class QImage;
class QIODevice;

// PNG tuned for speed (deflate level 1) in the smallest form that keeps every pixel: grey or
// palette at 1, 2, 4 or 8 bits when the picture's colours allow (palette with tRNS for
// transparency), otherwise truecolour, with alpha when needed. Carries the picture's
// resolution in pHYs. Throws EZintException with zlib's or the device's reason.
void WritePng(const QImage& image, QIODevice& device);
