#include "io/label_sheet_painter.h"

#include "base/zint_exception.h"
#include "render/physical_units.h"
#include "render/zint_metafile.h"

#include <QPagedPaintDevice>

#include <algorithm>
#include <cmath>

namespace {
constexpr double CutGuideWidthMm = 0.1;
const QColor CutGuideColour(160, 160, 160);

double Offset(double room, int alignment)
{
    // Left/top, centre, right/bottom in the order of both alignment enumerations.
    return room * alignment / 2;
}
} // namespace

QRect LabelInDots(const TLabelSheet& sheet, int index, int dpi)
{
    const double dotsPerMm = dpi / MillimetresPerInch;
    const QRectF label = sheet.LabelRect(index);
    const QPoint topLeft(int(std::lround(label.left() * dotsPerMm)),
                         int(std::lround(label.top() * dotsPerMm)));
    const QPoint after(int(std::lround(label.right() * dotsPerMm)),
                       int(std::lround(label.bottom() * dotsPerMm)));
    return {topLeft, QSize(after.x() - topLeft.x(), after.y() - topLeft.y())};
}

QRect LabelContentInDots(const TLabelSheet& sheet, int index, int dpi)
{
    const QRect label = LabelInDots(sheet, index, dpi);
    if (sheet.Outline.IsPlainRectangle())
        return label;
    const QRectF content =
        LabelContentRect(sheet.Outline.Scaled(dpi / MillimetresPerInch), QRectF(label));
    // Inwards to whole dots, so that nothing drawn there is cut by the outline.
    const QPoint topLeft(int(std::ceil(content.left())), int(std::ceil(content.top())));
    const QPoint after(int(std::floor(content.right())), int(std::floor(content.bottom())));
    return {topLeft,
            QSize(std::max(0, after.x() - topLeft.x()), std::max(0, after.y() - topLeft.y()))};
}

QPainterPath LabelOutlineInDots(const TLabelSheet& sheet, int index, int dpi)
{
    return LabelOutlinePath(sheet.Outline.Scaled(dpi / MillimetresPerInch),
                            QRectF(LabelInDots(sheet, index, dpi)));
}

TPlacedPicture PlacePicture(const QRect& label, QSize picture, const TLabelPlacement& placement)
{
    const double scale = std::min(
        {1.0, double(label.width()) / picture.width(), double(label.height()) / picture.height()});
    const QSizeF drawn = QSizeF(picture) * scale;
    return {QPointF(label.left() +
                        std::floor(Offset(label.width() - drawn.width(), int(placement.HAlign))),
                    label.top() +
                        std::floor(Offset(label.height() - drawn.height(), int(placement.VAlign)))),
            scale};
}

double DrawOnLabel(QPainter& painter, const QRect& label, const TMetafile& picture,
                   const TLabelPlacement& placement)
{
    const TPlacedPicture placed = PlacePicture(label, picture.Size(), placement);
    painter.save();
    painter.translate(placed.TopLeft);
    painter.scale(placed.Scale, placed.Scale);
    picture.Play(painter, TPlayback::pbVector);
    painter.restore();
    return placed.Scale;
}

TLabelSheetPainter::TLabelSheetPainter(QPagedPaintDevice& device, const TLabelSheet& sheet, int dpi,
                                       const TLabelPlacement& placement)
    : FDevice(device), FSheet(sheet), FDpi(dpi), FPlacement(placement)
{}

TLabelSheetPainter::~TLabelSheetPainter()
{
    if (FPainter.isActive())
        FPainter.end();
}

void TLabelSheetPainter::Begin()
{
    if (!FPainter.begin(&FDevice))
        throw EZintException("The label sheet cannot be written.");
}

void TLabelSheetPainter::NextLabel()
{
    const int onPage = FNext % FSheet.LabelsPerPage();
    if (onPage == 0) {
        if (FPages == 0)
            Begin();
        else
            FDevice.newPage();
        ++FPages;
        if (FPlacement.CutGuides) {
            FPainter.save();
            FPainter.setPen(QPen(CutGuideColour, CutGuideWidthMm * FDpi / MillimetresPerInch));
            FPainter.setBrush(Qt::NoBrush);
            for (int i = 0; i < FSheet.LabelsPerPage(); ++i)
                FPainter.drawPath(LabelOutlineInDots(FSheet, i, FDpi));
            FPainter.restore();
        }
    }
    ++FNext;
}

double TLabelSheetPainter::AddLabel(const TMetafile& picture)
{
    if (picture.IsEmpty() || picture.Width() < 1 || picture.Height() < 1)
        throw EZintException("There is no image to place on the label.");
    const int index = FNext % FSheet.LabelsPerPage();
    const QRect label = LabelContentInDots(FSheet, index, FDpi);
    // Drawn at no size, the label would be left blank without a word.
    if (label.isEmpty())
        throw EZintException("The labels are smaller than one dot at this resolution.");
    NextLabel();
    if (FSheet.Outline.IsPlainRectangle())
        return DrawOnLabel(FPainter, label, picture, FPlacement);
    FPainter.save();
    FPainter.setClipPath(LabelOutlineInDots(FSheet, index, FDpi));
    const double scale = DrawOnLabel(FPainter, label, picture, FPlacement);
    FPainter.restore();
    return scale;
}

void TLabelSheetPainter::SkipLabel()
{
    // Paper with one label a page is not wasted on a blank page.
    if (FSheet.LabelsPerPage() > 1)
        NextLabel();
}

void TLabelSheetPainter::End()
{
    if (FPages == 0)
        Begin();
    FPainter.end();
}
