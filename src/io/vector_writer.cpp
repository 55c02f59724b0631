#include "io/vector_writer.h"

#include "base/zint_exception.h"
#include "io/file_publisher.h"
#include "io/pdf_page_size.h"
#include "io/unique_file_name.h"
#include "render/physical_units.h"
#include "render/zint_metafile.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

void requirePicture(const TMetafile& picture)
{
    if (picture.IsEmpty() || picture.Width() < 1 || picture.Height() < 1)
        throw EZintException("There is no image to save.");
}

// QSvgGenerator does not report a failing device, so the file is made in memory first.
QByteArray svgBytes(const TMetafile& picture, int dpi)
{
    QByteArray contents;
    QBuffer buffer(&contents);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(picture.Size());
    generator.setViewBox(QRect(QPoint(0, 0), picture.Size()));
    generator.setResolution(dpi);
    generator.setTitle(QStringLiteral("Barcode"));
    generator.setDescription(QStringLiteral("Drawn by Lintaro"));
    QPainter painter;
    if (!painter.begin(&generator))
        throw EZintException("The SVG file cannot be written.");
    picture.Play(painter, TPlayback::pbVector);
    painter.end();
    return contents;
}

QByteArray pdfBytes(const TMetafile& picture, int dpi)
{
    const QSizeF points = QSizeF(picture.Size()) * (PointsPerInch / dpi);
    QByteArray contents;
    QBuffer buffer(&contents);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Lintaro"));
        writer.setTitle(QStringLiteral("Barcode"));
        writer.setResolution(dpi);
        writer.setPageSize(WholePointPageAround(points));
        writer.setPageMargins(QMarginsF());
        QPainter painter;
        if (!painter.begin(&writer))
            throw EZintException("The PDF file cannot be written.");
        picture.Play(painter, TPlayback::pbVector);
        painter.end();
    }
    return WithExactPageSize(contents, points);
}

QByteArray encodeForFile(const TMetafile& picture, int dpi, const QString& path)
{
    requirePicture(picture);
    QByteArray contents;
    QBuffer buffer(&contents);
    buffer.open(QIODevice::WriteOnly);
    try {
        WriteVector(picture, dpi, ImageFormatForPath(path), buffer);
    } catch (const EZintException& error) {
        throw EZintException("Cannot create file \"" + path.toStdString() + "\". " + error.what());
    }
    return contents;
}
} // namespace

void WriteVector(const TMetafile& picture, int dpi, TImageFileFormat format, QIODevice& device)
{
    requirePicture(picture);
    if (format != TImageFileFormat::iffSvg && format != TImageFileFormat::iffPdf)
        throw EZintException("Only SVG and PDF are drawn as vectors.");
    const QByteArray contents =
        format == TImageFileFormat::iffSvg ? svgBytes(picture, dpi) : pdfBytes(picture, dpi);
    if (device.write(contents) != contents.size())
        throw EZintException(device.errorString().toStdString());
}

QString SaveVectorToNewFile(const TMetafile& picture, int dpi, const QString& path,
                            qint64 firstCandidate, qint64 lastCandidate)
{
    return PublishNewFile(encodeForFile(picture, dpi, path), TNumberedFileName(path),
                          firstCandidate, TNewFileMethod::nfmLinkComplete, lastCandidate);
}

void SaveVectorReplacing(const TMetafile& picture, int dpi, const QString& path)
{
    PublishFileReplacing(encodeForFile(picture, dpi, path), path);
}
