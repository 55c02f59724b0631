#pragma once

class QImage;
class QIODevice;

// Truecolour PNG tuned for speed: filter Up, deflate level 1, run-length strategy.
// Throws EZintException with zlib's or the device's reason.
void WritePng(const QImage& image, QIODevice& device);
