#include "app/preview_image.h"

#include "i18n/translation_engine.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cmath>

namespace {
// Whole numbers above 1 keep every module the same number of screen pixels wide.
constexpr std::array<double, 13> ZoomSteps{1.0 / 8, 1.0 / 4, 1.0 / 3, 1.0 / 2, 1,  2, 3,
                                           4,       6,       8,       12,      16, 24};

QAction* NewAction(QWidget* owner, const char* name, const QString& caption,
                   const QKeySequence& shortcut)
{
    auto* action = new QAction(caption, owner);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    // Only while the preview has the focus: elsewhere the keys belong to the list and the boxes.
    action->setShortcutContext(Qt::WidgetShortcut);
    owner->addAction(action);
    return action;
}
} // namespace

TPreviewImage::TPreviewImage(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::ClickFocus);
    FCopy =
        NewAction(this, "CopyImage", Translate(QStringLiteral("&Copy Image")), QKeySequence::Copy);
    connect(FCopy, &QAction::triggered, this, &TPreviewImage::CopyImage);
    FZoomIn =
        NewAction(this, "ZoomIn", Translate(QStringLiteral("Zoom &In")), QKeySequence::ZoomIn);
    connect(FZoomIn, &QAction::triggered, this, &TPreviewImage::ZoomIn);
    FZoomOut =
        NewAction(this, "ZoomOut", Translate(QStringLiteral("Zoom &Out")), QKeySequence::ZoomOut);
    connect(FZoomOut, &QAction::triggered, this, &TPreviewImage::ZoomOut);
    FActualSize = NewAction(this, "ActualSize", Translate(QStringLiteral("&100 %")),
                            QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(FActualSize, &QAction::triggered, this, &TPreviewImage::ActualSize);
    FFit = NewAction(this, "FitToWindow", Translate(QStringLiteral("&Fit")),
                     QKeySequence(Qt::CTRL | Qt::Key_9));
    connect(FFit, &QAction::triggered, this, &TPreviewImage::FitToWindow);
    UpdateActions();
}

QList<QAction*> TPreviewImage::Actions() const
{
    return {FCopy, FZoomIn, FZoomOut, FActualSize, FFit};
}

void TPreviewImage::SetPicture(const TMetafile& picture, const QImage& image)
{
    FPicture = picture;
    FImage = image;
    FError.clear();
    FEmpty = false;
    KeepInView();
    UpdateActions();
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
    UpdateActions();
    update();
}

void TPreviewImage::UpdateActions()
{
    const bool shown = !FEmpty && !FImage.isNull();
    for (QAction* action : Actions())
        action->setEnabled(shown);
}

double TPreviewImage::FittedZoom() const
{
    const double fit =
        std::min(double(width()) / FImage.width(), double(height()) / FImage.height());
    return fit >= 1 ? std::floor(fit) : fit;
}

double TPreviewImage::Zoom() const
{
    if (FEmpty || FImage.isNull())
        return 1;
    return FChosenZoom > 0 ? FChosenZoom : FittedZoom();
}

QRect TPreviewImage::ImageRect() const
{
    if (FEmpty || FImage.isNull())
        return {};
    const double zoom = Zoom();
    const QSize size(std::max(1, int(FImage.width() * zoom)),
                     std::max(1, int(FImage.height() * zoom)));
    return QRect(FChosenZoom > 0 ? FOrigin.toPoint() : QPoint(0, 0), size);
}

void TPreviewImage::SetZoom(double zoom, QPointF anchor)
{
    if (FEmpty || FImage.isNull())
        return;
    const QRectF before = ImageRect();
    const QPointF imagePoint = (anchor - before.topLeft()) / Zoom();
    FChosenZoom = zoom;
    FOrigin = anchor - imagePoint * zoom;
    KeepInView();
    update();
}

void TPreviewImage::KeepInView()
{
    if (FChosenZoom <= 0 || FImage.isNull())
        return;
    const QSizeF shown = QSizeF(FImage.size()) * FChosenZoom;
    // A picture smaller than the widget sits in its top-left corner, as the fitted one does;
    // a larger one never leaves a gap at its far edge.
    const auto place = [](double origin, double extent, double room) {
        return extent <= room ? 0.0 : std::clamp(origin, room - extent, 0.0);
    };
    FOrigin = QPointF(place(FOrigin.x(), shown.width(), width()),
                      place(FOrigin.y(), shown.height(), height()));
}

void TPreviewImage::StepZoom(int direction, QPointF anchor)
{
    const double zoom = Zoom();
    if (direction > 0) {
        const auto larger = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom + 1e-9);
        if (larger != ZoomSteps.end())
            SetZoom(*larger, anchor);
    } else {
        const auto smaller = std::lower_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom - 1e-9);
        if (smaller != ZoomSteps.begin())
            SetZoom(*std::prev(smaller), anchor);
    }
}

void TPreviewImage::ZoomIn()
{
    StepZoom(1, QPointF(0, 0));
}

void TPreviewImage::ZoomOut()
{
    StepZoom(-1, QPointF(0, 0));
}

void TPreviewImage::ActualSize()
{
    SetZoom(1, QPointF(0, 0));
}

void TPreviewImage::FitToWindow()
{
    FChosenZoom = 0;
    update();
}

void TPreviewImage::CopyImage()
{
    if (!FEmpty && !FImage.isNull())
        QGuiApplication::clipboard()->setImage(FImage);
}

void TPreviewImage::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier) || FEmpty || FImage.isNull()) {
        event->ignore();
        return;
    }
    if (const int steps = event->angleDelta().y())
        StepZoom(steps, event->position());
    event->accept();
}

void TPreviewImage::mousePressEvent(QMouseEvent* event)
{
    FDragStart = event->position().toPoint();
    QWidget::mousePressEvent(event);
}

void TPreviewImage::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || FChosenZoom <= 0)
        return;
    const QPoint at = event->position().toPoint();
    FOrigin += at - FDragStart;
    FDragStart = at;
    KeepInView();
    update();
}

void TPreviewImage::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addActions(Actions());
    menu.exec(event->globalPos());
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
