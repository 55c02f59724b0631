#include "io/qt_image_writers.h"

#include "base/zint_exception.h"

#include <QImage>
#include <QImageWriter>

namespace {

// Qt writes 32-bit pictures as three colour channels in both formats; indexed or grey
// pictures would otherwise come out as palette BMPs or one-channel JPEGs.
QImage asRgb32(const QImage& image)
{
    return image.format() == QImage::Format_RGB32 ? image
                                                  : image.convertToFormat(QImage::Format_RGB32);
}

void write(QImageWriter& writer, const QImage& image)
{
    if (!writer.write(asRgb32(image)))
        throw EZintException(writer.errorString().toStdString());
}

} // namespace

void WriteJpeg(const QImage& image, QIODevice& device)
{
    QImageWriter writer(&device, QByteArrayLiteral("jpeg"));
    writer.setQuality(90);
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(false);
    write(writer, image);
}

void WriteBmp(const QImage& image, QIODevice& device)
{
    QImageWriter writer(&device, QByteArrayLiteral("bmp"));
    write(writer, image);
}
