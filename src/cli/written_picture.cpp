#include "cli/written_picture.h"

#include "io/image_format.h"
#include "render/physical_units.h"
#include "render/render_pipeline.h"

#include <QPainter>
#include <QSvgRenderer>

#include <poppler-qt6.h>

#include <memory>

namespace {
// A vector file is printed finer than its picture's pixels; drawn at their size, the
// antialiased edges of small hexagons and dots blur into each other.
constexpr int VectorOversampling = 2;

bool WithinImageBounds(QSizeF size)
{
    return size.width() >= 1 && size.height() >= 1 && size.width() <= MaxImageSide &&
           size.height() <= MaxImageSide && size.width() * size.height() * 4 <= MaxImageBytes;
}

// Oversampled only while the drawing stays within the bounds of any picture; 0 when the
// picture itself is beyond them.
int Oversampling(QSizeF pictureSize)
{
    if (WithinImageBounds(pictureSize * VectorOversampling))
        return VectorOversampling;
    return WithinImageBounds(pictureSize) ? 1 : 0;
}

QImage drawSvg(const QString& path)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    const QSize size = renderer.viewBox().size();
    const int oversampling = Oversampling(size);
    if (oversampling == 0)
        return {};
    QImage image(size * oversampling, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QImage drawPdf(const QString& path, int dpi)
{
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(path);
    if (!document || document->isLocked() || document->numPages() < 1)
        return {};
    // Without antialiasing Poppler widens every shape to each pixel it touches, and two-pixel
    // bars with it.
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    const std::unique_ptr<Poppler::Page> page = document->page(0);
    if (!page)
        return {};
    const int oversampling = Oversampling(page->pageSizeF() * (dpi / PointsPerInch));
    if (oversampling == 0)
        return {};
    const double drawnDpi = double(dpi) * oversampling;
    return page->renderToImage(drawnDpi, drawnDpi);
}
} // namespace

QImage LoadWrittenPicture(const QString& path, int dpi)
{
    switch (ImageFormatForPath(path)) {
    case TImageFileFormat::iffSvg:
        return drawSvg(path);
    case TImageFileFormat::iffPdf:
        return drawPdf(path, dpi);
    default:
        return QImage(path);
    }
}
