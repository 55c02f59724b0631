#include "io/label_sheet_writer.h"

#include "io/file_publisher.h"
#include "io/pdf_page_size.h"
#include "io/unique_file_name.h"
#include "render/physical_units.h"

#include <QDir>
#include <QPdfWriter>

TLabelSheetWriter::TLabelSheetWriter(const TLabelSheet& sheet, int dpi,
                                     const TLabelPlacement& placement)
    : FSheet(sheet), FBuffer(&FContents)
{
    FBuffer.open(QIODevice::WriteOnly);
    FWriter = std::make_unique<QPdfWriter>(&FBuffer);
    FWriter->setCreator(QStringLiteral("Lintaro"));
    FWriter->setTitle(QStringLiteral("Labels"));
    FWriter->setResolution(dpi);
    FWriter->setPageSize(WholePointPageAround(sheet.Page * (PointsPerInch / MillimetresPerInch)));
    FWriter->setPageMargins(QMarginsF());
    FLabels = std::make_unique<TLabelSheetPainter>(*FWriter, sheet, dpi, placement);
}

TLabelSheetWriter::~TLabelSheetWriter() = default;

QByteArray TLabelSheetWriter::Finish()
{
    FLabels->End();
    FWriter.reset();
    return WithExactPageSize(FContents, FSheet.Page * (PointsPerInch / MillimetresPerInch));
}

QString PublishLabelSheet(const QByteArray& pdf, const QString& folder)
{
    return PublishNewFile(pdf,
                          TNumberedFileName(QDir(folder).filePath(QStringLiteral("sheet.pdf"))));
}
