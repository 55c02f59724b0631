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

void DrawPicture(QPainter& painter, const TPlacedPicture& placed, const TMetafile& picture)
{
    painter.save();
    painter.translate(placed.TopLeft);
    painter.scale(placed.Scale, placed.Scale);
    picture.Play(painter, TPlayback::pbVector);
    painter.restore();
}

double DrawOnLabel(QPainter& painter, const QRect& label, const TMetafile& picture,
                   const TLabelPlacement& placement)
{
    const TPlacedPicture placed = PlacePicture(label, picture.Size(), placement);
    DrawPicture(painter, placed, picture);
    return placed.Scale;
}

TLabelSheetPainter::TLabelSheetPainter(QPagedPaintDevice& device, const TLabelSheet& sheet, int dpi,
                                       const TLabelPlacement& placement)
    : FDevice(&device), FSheet(sheet), FDpi(dpi), FPlacement(placement),
      FArranger(FPlacement.Text, dpi), FPainter(FOwnPainter)
{}

TLabelSheetPainter::TLabelSheetPainter(QPainter& painter, const TLabelSheet& sheet, int dpi,
                                       const TLabelPlacement& placement)
    : FDevice(nullptr), FSheet(sheet), FDpi(dpi), FPlacement(placement),
      FArranger(FPlacement.Text, dpi), FPainter(painter)
{}

TLabelSheetPainter::~TLabelSheetPainter()
{
    if (FOwnPainter.isActive())
        FOwnPainter.end();
}

void TLabelSheetPainter::Begin()
{
    if (FDevice && !FOwnPainter.begin(FDevice))
        throw EZintException("The label sheet cannot be written.");
}

void TLabelSheetPainter::NextLabel()
{
    const int onPage = FNext % FSheet.LabelsPerPage();
    if (onPage == 0) {
        if (FPages == 0)
            Begin();
        else if (!FDevice)
            throw EZintException("Only the first page of the label sheet is drawn here.");
        else
            FDevice->newPage();
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

QRect TLabelSheetPainter::NextLabelInDots() const
{
    return LabelContentInDots(FSheet, FNext % FSheet.LabelsPerPage(), FDpi);
}

bool TLabelSheetPainter::NearPaperEdge(const QRectF& drawn) const
{
    const double edge = UnprintableEdge * FDpi / MillimetresPerInch;
    const QSizeF page = FSheet.Page * (FDpi / MillimetresPerInch);
    return drawn.left() < edge || drawn.top() < edge || page.width() - drawn.right() < edge ||
           page.height() - drawn.bottom() < edge;
}

double TLabelSheetPainter::AddLabel(const TMetafile& picture)
{
    return AddLabel(picture, {}).Scale;
}

QSize TLabelSheetPainter::NextSymbolRoom(const QStringList& texts) const
{
    return FArranger.SymbolRoom(FArranger.Content(NextLabelInDots()), texts);
}

TLabelDrawn TLabelSheetPainter::AddLabel(const TMetafile& picture, const QStringList& texts)
{
    if (picture.IsEmpty() || picture.Width() < 1 || picture.Height() < 1)
        throw EZintException("There is no image to place on the label.");
    const int index = FNext % FSheet.LabelsPerPage();
    const QRect label = NextLabelInDots();
    // Drawn at no size, the label would be left blank without a word.
    if (label.isEmpty())
        throw EZintException("The labels are smaller than one dot at this resolution.");
    NextLabel();
    // A round or CD label is cut to its shape; plain rectangles are drawn as before.
    if (FSheet.Outline.IsPlainRectangle())
        return DrawLabel(label, picture, texts);
    FPainter.save();
    FPainter.setClipPath(LabelOutlineInDots(FSheet, index, FDpi));
    const TLabelDrawn drawn = DrawLabel(label, picture, texts);
    FPainter.restore();
    return drawn;
}

TLabelDrawn TLabelSheetPainter::DrawLabel(const QRect& label, const TMetafile& picture,
                                          const QStringList& texts)
{
    TLabelDrawn drawn;
    if (FPlacement.Text.Lines.empty() && !FPlacement.SizeSymbolForLabel) {
        const TPlacedPicture placed = PlacePicture(label, picture.Size(), FPlacement);
        DrawPicture(FPainter, placed, picture);
        drawn.Scale = placed.Scale;
        drawn.NearPaperEdge =
            NearPaperEdge(QRectF(placed.TopLeft, QSizeF(picture.Size()) * placed.Scale));
        return drawn;
    }
    const TLabelArrangement arranged = FArranger.Arrange(
        FArranger.Content(label), picture.Size(), texts, FPlacement.HAlign, FPlacement.VAlign);
    DrawPicture(FPainter, {arranged.SymbolTopLeft, arranged.SymbolScale}, picture);
    QRectF inked(arranged.SymbolTopLeft, QSizeF(picture.Size()) * arranged.SymbolScale);
    FPainter.save();
    FPainter.setPen(Qt::black);
    for (const TPlacedLine& line : arranged.Lines) {
        if (line.Line.Shown.isEmpty())
            continue;
        FPainter.setFont(LabelTextFont(FPlacement.Text.Font, line.Line.PixelSize));
        const int flags = Qt::TextSingleLine | Qt::AlignVCenter |
                          (line.Align == TZintHAlign::haLeft    ? Qt::AlignLeft
                           : line.Align == TZintHAlign::haRight ? Qt::AlignRight
                                                                : Qt::AlignHCenter);
        QRectF bounds;
        FPainter.drawText(line.Box, flags, line.Line.Shown, &bounds);
        inked |= bounds;
    }
    FPainter.restore();
    drawn.Scale = arranged.SymbolScale;
    drawn.Notes = arranged.Notes;
    drawn.TextShrunk = arranged.TextShrunk;
    drawn.TextCut = arranged.TextCut;
    drawn.NearPaperEdge = NearPaperEdge(inked);
    return drawn;
}

void TLabelSheetPainter::SkipLabel()
{
    // Paper with one label a page is not wasted on a blank page.
    if (FSheet.LabelsPerPage() > 1)
        NextLabel();
}

void TLabelSheetPainter::End()
{
    if (!FDevice)
        return;
    if (FPages == 0)
        Begin();
    FOwnPainter.end();
}
