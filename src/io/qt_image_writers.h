#pragma once

class QImage;
class QIODevice;

// Baseline JPEG, 24-bit colour, quality 90, through Qt's JPEG writer, which stores the
// picture's resolution as JFIF dots per inch (dots per metre × 0.0254, rounded).
void WriteJpeg(const QImage& image, QIODevice& device);

// 24-bit BMP through Qt's BMP writer, which stores the picture's dots per metre as they are.
void WriteBmp(const QImage& image, QIODevice& device);
