#pragma once

#include "io/label_arrangement.h"
#include "io/label_sheet.h"
#include "io/label_text.h"
#include "render/zint_render_types.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRect>
#include <QSize>

class QPagedPaintDevice;
class TMetafile;

// Where a picture goes on its label.
struct TLabelPlacement
{
    TZintHAlign HAlign = TZintHAlign::haCenter;
    TZintVAlign VAlign = TZintVAlign::vaCenter;
    bool CutGuides = false; // a thin grey outline around every label
    TLabelText Text;        // lines beside the symbol; none by default
    // The symbol drawn with the largest whole-dot module its label takes (TLabelSymbolSizer)
    // rather than the module its settings give.
    bool SizeSymbolForLabel = false;
};

// What became of one label.
struct TLabelDrawn
{
    double Scale = 1;  // below 1 when the picture was drawn smaller to fit
    QStringList Notes; // text lines shrunk, cut or left out
    bool TextShrunk = false;
    bool TextCut = false;
    bool NearPaperEdge = false; // something is drawn within UnprintableEdge of the paper's edge
};

// A picture's place on a label, in whole dots from the page's top left corner.
struct TPlacedPicture
{
    QPointF TopLeft;
    double Scale = 1; // below 1 when the picture is larger than its label
};

// Label `index` of a page in dots at `dpi`, its edges on the nearest dot: a module drawn from
// there covers whole printer dots instead of greying the dots it half covers.
QRect LabelInDots(const TLabelSheet& sheet, int index, int dpi);

// The part of label `index` that its picture goes in (see LabelContentRect), in whole dots
// within LabelInDots and the label's outline.
QRect LabelContentInDots(const TLabelSheet& sheet, int index, int dpi);

// The outline of label `index` around LabelInDots, in dots.
QPainterPath LabelOutlineInDots(const TLabelSheet& sheet, int index, int dpi);

// Where a picture of `picture` dots goes on `label`: aligned by the placement, starting on a
// whole dot, and scaled down as a whole when it is larger than the label.
TPlacedPicture PlacePicture(const QRect& label, QSize picture, const TLabelPlacement& placement);

// Draws the picture where `placed` says, as vectors.
void DrawPicture(QPainter& painter, const TPlacedPicture& placed, const TMetafile& picture);

// Draws the picture on `label` where PlacePicture puts it, as vectors; returns its scale.
double DrawOnLabel(QPainter& painter, const QRect& label, const TMetafile& picture,
                   const TLabelPlacement& placement);

// Draws pictures onto the labels of a sheet, one per label in order, a new page of the device
// when a page is full. The device measures in dots of 1/dpi inch from the paper's top left
// corner; pictures are drawn as vectors, one picture pixel to one dot.
class TLabelSheetPainter final
{
public:
    TLabelSheetPainter(QPagedPaintDevice& device, const TLabelSheet& sheet, int dpi,
                       const TLabelPlacement& placement);
    // The first page alone, drawn with `painter`, which measures in dots as the device would
    // (a preview); a label past that page raises EZintException.
    TLabelSheetPainter(QPainter& painter, const TLabelSheet& sheet, int dpi,
                       const TLabelPlacement& placement);
    ~TLabelSheetPainter();
    TLabelSheetPainter(const TLabelSheetPainter&) = delete;
    TLabelSheetPainter& operator=(const TLabelSheetPainter&) = delete;

    // Fills the next label with the picture and returns the scale it was drawn at (1 when it
    // fits). Raises EZintException for an empty picture or a device that cannot be painted.
    double AddLabel(const TMetafile& picture);
    // The same with the placement's text lines, `texts` their expanded texts.
    TLabelDrawn AddLabel(const TMetafile& picture, const QStringList& texts);
    // The room the next label leaves its symbol beside `texts`, in dots.
    QSize NextSymbolRoom(const QStringList& texts) const;
    const TLabelPlacement& Placement() const { return FPlacement; }
    // Leaves the next label empty (an entry that could not be rendered); a sheet of one label
    // a page goes on with the same page instead.
    void SkipLabel();
    int Pages() const { return FPages; }
    // Ends the painting; a sheet with nothing on it still has its first page.
    void End();

private:
    void NextLabel();
    void Begin();
    // Where the next label's picture and lines go: its content, inside any shape.
    QRect NextLabelInDots() const;
    TLabelDrawn DrawLabel(const QRect& label, const TMetafile& picture, const QStringList& texts);
    bool NearPaperEdge(const QRectF& drawn) const;

    QPagedPaintDevice* FDevice; // none: the first page only, on a painter given
    TLabelSheet FSheet;
    int FDpi;
    TLabelPlacement FPlacement;
    TLabelArranger FArranger;
    QPainter FOwnPainter;
    QPainter& FPainter;
    int FNext = 0; // labels placed or skipped so far
    int FPages = 0;
};
