#pragma once

#include "render/zint_metafile.h"

#include <QImage>
#include <QWidget>

// The preview picture: the output image itself, never cut — at the largest whole-number
// zoom that fits the widget, or scaled down smoothly when it is larger than the widget. A text
// that cannot be drawn shows its error in place of the picture, so that no box interrupts the
// user's typing or walking through the list.
class TPreviewImage final : public QWidget
{
    Q_OBJECT

public:
    explicit TPreviewImage(QWidget* parent = nullptr);

    const TMetafile& Picture() const { return FPicture; }
    // The picture as exports write it, with its resolution.
    const QImage& Image() const { return FImage; }
    bool IsEmpty() const { return FEmpty; }
    // The error shown in place of the picture; empty while a picture or nothing is shown.
    const QString& ErrorText() const { return FError; }
    void SetPicture(const TMetafile& picture, const QImage& image);
    void ShowError(const QString& text);
    void Clear();

    // The rectangle the image is shown in, in widget coordinates.
    QRect ImageRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TMetafile FPicture;
    QImage FImage;
    QString FError;
    bool FEmpty = true;
};
