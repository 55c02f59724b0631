#include "app/preview_image.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

TPreviewImage::TPreviewImage(QWidget* parent) : QWidget(parent) {}

void TPreviewImage::SetPicture(const TMetafile& picture, const QImage& image)
{
    FPicture = picture;
    FImage = image;
    FError.clear();
    FEmpty = false;
    update();
}

void TPreviewImage::ShowError(const QString& text)
{
    Clear();
    FError = text;
}

void TPreviewImage::Clear()
{
    FPicture = TMetafile();
    FImage = QImage();
    FError.clear();
    FEmpty = true;
    update();
}

QRect TPreviewImage::ImageRect() const
{
    if (FEmpty || FImage.isNull())
        return {};
    const double fit =
        std::min(double(width()) / FImage.width(), double(height()) / FImage.height());
    // Whole-number zooms keep every module the same number of screen pixels wide.
    const double zoom = fit >= 1 ? std::floor(fit) : fit;
    return QRect(0, 0, std::max(1, int(FImage.width() * zoom)),
                 std::max(1, int(FImage.height() * zoom)));
}

void TPreviewImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!FError.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, FError);
        return;
    }
    if (FEmpty || FImage.isNull())
        return;
    const QRect target = ImageRect();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, target.width() < FImage.width());
    painter.drawImage(target, FImage);
}
