#include "io/image_writer.h"

#include "base/zint_exception.h"
#include "io/file_publisher.h"
#include "io/gif_writer.h"
#include "io/png_writer.h"
#include "io/qt_image_writers.h"
#include "io/unique_file_name.h"

#include <QBuffer>
#include <QImage>

namespace {

// An empty preview is never turned into a file.
void requireImage(const QImage& image)
{
    if (image.isNull())
        throw EZintException("There is no image to save.");
}

// The whole file is encoded in memory first, so an encoder failure never touches the disk.
QByteArray encodeForFile(const QImage& image, const QString& path)
{
    requireImage(image);
    QByteArray contents;
    QBuffer buffer(&contents);
    buffer.open(QIODevice::WriteOnly);
    try {
        WriteImage(image, ImageFormatForPath(path), buffer);
    } catch (const EZintException& error) {
        throw EZintException("Cannot create file \"" + path.toStdString() + "\". " + error.what());
    }
    return contents;
}

} // namespace

void WriteImage(const QImage& image, TImageFileFormat format, QIODevice& device)
{
    requireImage(image);
    switch (format) {
    case TImageFileFormat::iffPng:
        WritePng(image, device);
        return;
    case TImageFileFormat::iffJpeg:
        WriteJpeg(image, device);
        return;
    case TImageFileFormat::iffGif:
        WriteGif(image, device);
        return;
    case TImageFileFormat::iffBmp:
        WriteBmp(image, device);
        return;
    case TImageFileFormat::iffSvg:
    case TImageFileFormat::iffPdf:
        // A raster image in a vector file would only pretend to be one.
        throw EZintException("SVG and PDF files are drawn from the picture, not from its pixels.");
    }
}

void DosyayiKaydet(const QImage& image, const QString& path)
{
    PublishFileReplacing(encodeForFile(image, path), path);
}

QString SaveImageToNewFile(const QImage& image, const QString& path, qint64 firstCandidate,
                           qint64 lastCandidate)
{
    return PublishNewFile(encodeForFile(image, path), TNumberedFileName(path), firstCandidate,
                          TNewFileMethod::nfmLinkComplete, lastCandidate);
}
