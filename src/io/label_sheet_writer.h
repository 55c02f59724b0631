#pragma once

#include "io/label_sheet.h"
#include "io/label_sheet_painter.h"

#include <QBuffer>
#include <QByteArray>
#include <QString>

#include <memory>

class QPdfWriter;

// A multi-page PDF of a label sheet, one picture per label in order, filled page by page.
// Pictures are drawn as vectors at their physical size (a pixel is 1/dpi inch), on whole dots
// of that resolution. A picture larger than its label is scaled down as a whole, quiet zones
// and text included, never cut.
class TLabelSheetWriter final
{
public:
    TLabelSheetWriter(const TLabelSheet& sheet, int dpi, const TLabelPlacement& placement);
    ~TLabelSheetWriter();
    TLabelSheetWriter(const TLabelSheetWriter&) = delete;
    TLabelSheetWriter& operator=(const TLabelSheetWriter&) = delete;

    // Where the labels are drawn.
    TLabelSheetPainter& Labels() { return *FLabels; }
    // The finished PDF. Raises EZintException when it cannot be made.
    QByteArray Finish();

private:
    TLabelSheet FSheet;
    QByteArray FContents;
    QBuffer FBuffer;
    std::unique_ptr<QPdfWriter> FWriter;
    std::unique_ptr<TLabelSheetPainter> FLabels;
};

// Writes a finished sheet as "sheet.pdf" in `folder`, or "sheet (2).pdf" and so on; never
// replaces a file. Returns the name written.
QString PublishLabelSheet(const QByteArray& pdf, const QString& folder);
