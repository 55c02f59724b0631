#pragma once

#include "io/label_sheet.h"
#include "render/zint_render_types.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QString>

#include <memory>

class QPdfWriter;
class TMetafile;

// Where a picture goes on its label.
struct TLabelPlacement
{
    TZintHAlign HAlign = TZintHAlign::haLeft;
    TZintVAlign VAlign = TZintVAlign::vaTop;
    bool CutGuides = false; // a thin grey outline around every label
};

// A multi-page PDF of a label sheet, one picture per label in order, filled page by page.
// Pictures are drawn as vectors at their physical size (a pixel is 1/dpi inch). A picture
// larger than its label is scaled down as a whole, quiet zones and text included, never cut.
class TLabelSheetWriter final
{
public:
    TLabelSheetWriter(const TLabelSheet& sheet, int dpi, const TLabelPlacement& placement);
    ~TLabelSheetWriter();
    TLabelSheetWriter(const TLabelSheetWriter&) = delete;
    TLabelSheetWriter& operator=(const TLabelSheetWriter&) = delete;

    // Fills the next label with the picture and returns the scale it was drawn at (1 when it
    // fits). Raises EZintException for an empty picture.
    double AddLabel(const TMetafile& picture);
    // Leaves the next label empty (an entry that could not be rendered).
    void SkipLabel();
    int Pages() const { return FPages; }
    // The finished PDF. Raises EZintException when it cannot be made.
    QByteArray Finish();

private:
    void NextLabel();

    TLabelSheet FSheet;
    int FDpi;
    TLabelPlacement FPlacement;
    QByteArray FContents;
    QBuffer FBuffer;
    std::unique_ptr<QPdfWriter> FWriter;
    QPainter FPainter;
    int FNext = 0; // labels placed or skipped so far
    int FPages = 0;
};

// Writes a finished sheet as "sheet.pdf" in `folder`, or "sheet (2).pdf" and so on; never
// replaces a file. Returns the name written.
QString PublishLabelSheet(const QByteArray& pdf, const QString& folder);
