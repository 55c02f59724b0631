#pragma once

class QImage;
class QIODevice;

// Baseline JPEG, 24-bit colour, quality 90, through Qt's JPEG writer.
void WriteJpeg(const QImage& image, QIODevice& device);

// 24-bit BMP through Qt's BMP writer.
void WriteBmp(const QImage& image, QIODevice& device);
