#include "io/label_sheet_writer.h"

#include "base/zint_exception.h"
#include "io/file_publisher.h"
#include "io/pdf_page_size.h"
#include "io/unique_file_name.h"
#include "render/physical_units.h"
#include "render/zint_metafile.h"

#include <QDir>
#include <QPdfWriter>

#include <algorithm>

namespace {
constexpr double CutGuideWidthMm = 0.1;
const QColor CutGuideColour(160, 160, 160);

double Offset(double room, int alignment)
{
    // Left/top, centre, right/bottom in the order of both alignment enumerations.
    return room * alignment / 2;
}
} // namespace

TLabelSheetWriter::TLabelSheetWriter(const TLabelSheet& sheet, int dpi,
                                     const TLabelPlacement& placement)
    : FSheet(sheet), FDpi(dpi), FPlacement(placement), FBuffer(&FContents)
{
    FBuffer.open(QIODevice::WriteOnly);
    FWriter = std::make_unique<QPdfWriter>(&FBuffer);
    FWriter->setCreator(QStringLiteral("Lintaro"));
    FWriter->setTitle(QStringLiteral("Labels"));
    FWriter->setResolution(dpi);
    FWriter->setPageSize(WholePointPageAround(sheet.Page * (PointsPerInch / MillimetresPerInch)));
    FWriter->setPageMargins(QMarginsF());
}

TLabelSheetWriter::~TLabelSheetWriter()
{
    if (FPainter.isActive())
        FPainter.end();
}

void TLabelSheetWriter::NextLabel()
{
    const int onPage = FNext % FSheet.LabelsPerPage();
    if (onPage == 0) {
        if (FPages == 0) {
            if (!FPainter.begin(FWriter.get()))
                throw EZintException("The label sheet cannot be written.");
        } else {
            FWriter->newPage();
        }
        ++FPages;
        if (FPlacement.CutGuides) {
            const double unitsPerMm = FDpi / MillimetresPerInch;
            FPainter.save();
            FPainter.setPen(QPen(CutGuideColour, CutGuideWidthMm * unitsPerMm));
            FPainter.setBrush(Qt::NoBrush);
            for (int i = 0; i < FSheet.LabelsPerPage(); ++i) {
                const QRectF label = FSheet.LabelRect(i);
                FPainter.drawRect(QRectF(label.topLeft() * unitsPerMm, label.size() * unitsPerMm));
            }
            FPainter.restore();
        }
    }
    ++FNext;
}

double TLabelSheetWriter::AddLabel(const TMetafile& picture)
{
    if (picture.IsEmpty() || picture.Width() < 1 || picture.Height() < 1)
        throw EZintException("There is no image to place on the label.");
    const QRectF label = FSheet.LabelRect(FNext % FSheet.LabelsPerPage());
    NextLabel();
    const double unitsPerMm = FDpi / MillimetresPerInch;
    const QSizeF room = label.size() * unitsPerMm;
    const double scale =
        std::min({1.0, room.width() / picture.Width(), room.height() / picture.Height()});
    const QSizeF drawn = QSizeF(picture.Size()) * scale;
    FPainter.save();
    FPainter.translate(
        label.left() * unitsPerMm + Offset(room.width() - drawn.width(), int(FPlacement.HAlign)),
        label.top() * unitsPerMm + Offset(room.height() - drawn.height(), int(FPlacement.VAlign)));
    FPainter.scale(scale, scale);
    picture.Play(FPainter, TPlayback::pbVector);
    FPainter.restore();
    return scale;
}

void TLabelSheetWriter::SkipLabel()
{
    NextLabel();
}

QByteArray TLabelSheetWriter::Finish()
{
    // A sheet with nothing on it still has its first page.
    if (FPages == 0 && !FPainter.begin(FWriter.get()))
        throw EZintException("The label sheet cannot be written.");
    FPainter.end();
    FWriter.reset();
    return WithExactPageSize(FContents, FSheet.Page * (PointsPerInch / MillimetresPerInch));
}

QString PublishLabelSheet(const QByteArray& pdf, const QString& folder)
{
    return PublishNewFile(pdf,
                          TNumberedFileName(QDir(folder).filePath(QStringLiteral("sheet.pdf"))));
}
