#include "render/zint_metafile.h"

#include <QImage>
#include <QPainter>

QImage RasteriseMetafile(const TMetafile& metafile)
{
    QImage image(metafile.Size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!metafile.IsEmpty()) {
        QPainter painter(&image);
        painter.drawPicture(0, 0, metafile.Picture());
    }
    return image;
}
