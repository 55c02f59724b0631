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
    update();
}

const TMetafile& TLabelSheetPreview::Picture(int index)
{
    auto found = FDrawn.find(index);
    if (found == FDrawn.end())
        found = FDrawn.emplace(index, FPictures.Picture(index)).first;
    return found->second;
}

void TLabelSheetPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
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

    // Labels and pictures are placed in the pictures' dots, as the sheet places them.
    const double dotsPerMm = FPictures.Dpi / MillimetresPerInch;
    painter.scale(pixelsPerMm / dotsPerMm, pixelsPerMm / dotsPerMm);
    painter.setPen(QPen(LabelColour, 0));
    for (int i = 0; i < sheet.LabelsPerPage(); ++i) {
        const QRect label = LabelInDots(sheet, i, FPictures.Dpi);
        painter.drawRect(QRectF(label));
        if (i >= FPictures.Count || i >= MaxPreviewPictures || !FPictures.Picture)
            continue;
        const TMetafile& picture = Picture(i);
        if (picture.IsEmpty() || picture.Width() < 1 || picture.Height() < 1)
            continue;
        DrawOnLabel(painter, label, picture, FPlacement);
    }
}
