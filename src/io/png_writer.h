#pragma once

class QImage;
class QIODevice;

// PNG tuned for speed (filter Up, deflate level 1, run-length strategy) in the smallest form
// that keeps every pixel: grey or palette at 1, 2, 4 or 8 bits when the picture's colours
// allow (palette with tRNS for transparency), truecolour, with alpha when needed, otherwise.
// Carries the picture's resolution in pHYs. Throws EZintException with zlib's or the
// device's reason.
void WritePng(const QImage& image, QIODevice& device);
