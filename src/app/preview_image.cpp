#include "app/preview_image.h"

#include <QPainter>

TPreviewImage::TPreviewImage(QWidget* parent) : QWidget(parent) {}

void TPreviewImage::SetPicture(const TMetafile& picture)
{
    FPicture = picture;
    FEmpty = false;
    update();
}

void TPreviewImage::Clear()
{
    FPicture = TMetafile();
    FEmpty = true;
    update();
}

void TPreviewImage::paintEvent(QPaintEvent*)
{
    if (FEmpty)
        return;
    QPainter painter(this);
    painter.setClipRect(rect());
    FPicture.Play(painter);
}
