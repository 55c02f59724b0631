#pragma once

#include "render/zint_metafile.h"

#include <QImage>
#include <QWidget>

class QAction;

// The preview picture: the output image itself, never cut — at the largest whole-number
// zoom that fits the widget, or scaled down smoothly when it is larger than the widget. A text
// that cannot be drawn shows its error in place of the picture, so that no box interrupts the
// user's typing or walking through the list.
// The user may zoom (Ctrl+wheel, Zoom in/out, 100 %) and drag a picture larger than the widget
// around; "Fit" returns to the fitted picture. Ctrl+C copies the image as exports write it.
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
    // Screen pixels per image pixel.
    double Zoom() const;
    // The user's zoom; 0 while the picture is fitted to the widget.
    double ChosenZoom() const { return FChosenZoom; }

    // Copy image, Zoom in, Zoom out, 100 %, Fit: for the preview's menu and the window's.
    QList<QAction*> Actions() const;
    void CopyImage();
    void ZoomIn();
    void ZoomOut();
    void ActualSize();
    void FitToWindow();

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    double FittedZoom() const;
    // Zooms to `zoom`, keeping the image point under `anchor` (widget coordinates) in place.
    void SetZoom(double zoom, QPointF anchor);
    // The next zoom step up (direction > 0) or down.
    void StepZoom(int direction, QPointF anchor);
    // Keeps as much of the image in view as the widget can show.
    void KeepInView();
    void UpdateActions();

    TMetafile FPicture;
    QImage FImage;
    QString FError;
    bool FEmpty = true;
    double FChosenZoom = 0;
    QPointF FOrigin; // where the image's top-left corner is drawn while zoomed by the user
    QPoint FDragStart;
    QAction* FCopy = nullptr;
    QAction* FZoomIn = nullptr;
    QAction* FZoomOut = nullptr;
    QAction* FActualSize = nullptr;
    QAction* FFit = nullptr;
};
