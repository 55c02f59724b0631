#pragma once

class QImage;
class QIODevice;

// GIF with the picture's exact colours in the smallest colour table when it has at most 256,
// otherwise giflib's quantisation to 256. Fully transparent pixels stay transparent; other
// alpha is dropped. Throws EZintException with giflib's or the device's reason.
void WriteGif(const QImage& image, QIODevice& device);
