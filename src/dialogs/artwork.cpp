#include "dialogs/artwork.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QSvgRenderer>

// The pictures live in a static library: its resources are registered only when asked, and the
// registration must not sit in a namespace.
static bool RegisterArtwork()
{
    Q_INIT_RESOURCE(artwork);
    return true;
}

namespace {
QString ArtworkPath(const QString& name)
{
    [[maybe_unused]] static const bool registered = RegisterArtwork();
    return QStringLiteral(":/artwork/") + name + QStringLiteral(".svg");
}
} // namespace

QIcon ArtworkIcon(const QString& name)
{
    return QIcon(ArtworkPath(name));
}

QIcon ApplicationIcon()
{
    return ArtworkIcon(QStringLiteral("lintaro"));
}

QPixmap ArtworkPixmap(const QString& name, const QSize& logicalSize, qreal devicePixelRatio)
{
    QSvgRenderer renderer(ArtworkPath(name));
    if (!renderer.isValid() || logicalSize.isEmpty())
        return {};
    QImage image(logicalSize * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    image.setDevicePixelRatio(devicePixelRatio);
    return QPixmap::fromImage(image);
}
