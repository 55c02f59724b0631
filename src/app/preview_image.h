#pragma once

#include "render/zint_metafile.h"

#include <QImage>
#include <QWidget>

// The preview picture: the output image itself, never cut — at the largest whole-number
// zoom that fits the widget, or scaled down smoothly when it is larger than the widget.
class TPreviewImage final : public QWidget
{
    Q_OBJECT

public:
    explicit TPreviewImage(QWidget* parent = nullptr);

    const TMetafile& Picture() const { return FPicture; }
    // The picture as exports write it, with its resolution.
    const QImage& Image() const { return FImage; }
    bool IsEmpty() const { return FEmpty; }
    void SetPicture(const TMetafile& picture, const QImage& image);
    void Clear();

    // The rectangle the image is shown in, in widget coordinates.
    QRect ImageRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TMetafile FPicture;
    QImage FImage;
    bool FEmpty = true;
};
