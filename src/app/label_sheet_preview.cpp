#include "app/label_sheet_preview.h"

#include "render/physical_units.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {
// Pictures beyond this many labels are left out: a preview of tiny labels shows the grid.
constexpr int MaxPreviewPictures = 120;
constexpr int PaperInset = 8; // room around the paper for its shadow
const QColor EdgeBandColour(255, 200, 200, 110);
const QColor LabelColour(120, 140, 180);
} // namespace

TLabelSheetPreview::TLabelSheetPreview(const TLabelPictures& pictures, QWidget* parent)
    : QWidget(parent), FPictures(pictures)
{
    setObjectName(QStringLiteral("SheetPreview"));
    setMinimumSize(180, 220);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize TLabelSheetPreview::sizeHint() const
{
    return {300, 400};
}

void TLabelSheetPreview::Show(const std::optional<TLabelSheet>& sheet,
                              const TLabelPlacement& placement)
{
    FSheet = sheet;
    FPlacement = placement;
    FDrawn = QImage();
    update();
}

void TLabelSheetPreview::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (FDrawn.size() != pixels) {
        FDrawn = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        FDrawn.setDevicePixelRatio(ratio);
        QPainter page(&FDrawn);
        DrawPage(page);
    }
    QPainter(this).drawImage(0, 0, FDrawn);
}

void TLabelSheetPreview::DrawPage(QPainter& painter) const
{
    painter.fillRect(rect(), palette().window());
    if (!FSheet)
        return;
    const TLabelSheet& sheet = *FSheet;
    const QRectF room = QRectF(rect()).adjusted(PaperInset, PaperInset, -PaperInset, -PaperInset);
    const double pixelsPerMm =
        std::min(room.width() / sheet.Page.width(), room.height() / sheet.Page.height());
    const QSizeF paper = sheet.Page * pixelsPerMm;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(room.center() - QPointF(paper.width(), paper.height()) / 2);
    painter.fillRect(QRectF(QPointF(3, 3), paper), QColor(0, 0, 0, 60));
    painter.fillRect(QRectF(QPointF(), paper), Qt::white);

    QPainterPath edge;
    edge.addRect(QRectF(QPointF(), paper));
    const double band = UnprintableEdge * pixelsPerMm;
    edge.addRect(QRectF(QPointF(band, band), paper - QSizeF(2 * band, 2 * band)));
    painter.fillPath(edge, EdgeBandColour);

    // Labels and their contents are drawn in dots, as the sheet draws them.
    const double dotsPerMm = FPictures.Dpi / MillimetresPerInch;
    painter.scale(pixelsPerMm / dotsPerMm, pixelsPerMm / dotsPerMm);
    for (int i = 0; i < sheet.LabelsPerPage(); ++i) {
        painter.setPen(QPen(LabelColour, 0));
        painter.drawPath(LabelOutlineInDots(sheet, i, FPictures.Dpi));
        // Round and CD labels take their symbols and lines in the rectangle inside the shape.
        if (!sheet.Outline.IsPlainRectangle()) {
            painter.setPen(QPen(LabelColour, 0, Qt::DotLine));
            painter.drawRect(LabelContentInDots(sheet, i, FPictures.Dpi));
        }
    }
    const int count = std::min({FPictures.Count, sheet.LabelsPerPage(), MaxPreviewPictures});
    if (count < 1 || !FPictures.Paint)
        return;
    TLabelPlacement placement = FPlacement;
    // The preview outlines every label already.
    placement.CutGuides = false;
    TLabelSheetPainter labels(painter, sheet, FPictures.Dpi, placement);
    FPictures.Paint(labels, count);
}
