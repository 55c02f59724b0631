#pragma once

class QImage;
class QIODevice;

// GIF with the picture's exact colours when it has at most 256, otherwise giflib's
// quantisation to 256. Throws EZintException with giflib's or the device's reason.
void WriteGif(const QImage& image, QIODevice& device);
