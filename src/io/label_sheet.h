#pragma once

#include "io/label_shape.h"

#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// A further grid of a sheet's labels, as some products mix two on one page.
struct TLabelGrid
{
    int Columns = 1;
    int Rows = 1;
    QPointF TopLeft; // of its first label
    QSizeF Pitch;    // from one label's top left corner to the next one's, across and down
};

// A sheet of equal labels in rows and columns, every length in millimetres.
struct TLabelSheet
{
    QSizeF Page;
    int Columns = 1;
    int Rows = 1;
    QSizeF Label;
    QMarginsF Margins;                 // from the page's edges to the outer labels
    QSizeF Gap;                        // width: between columns, height: between rows
    std::vector<TLabelGrid> MoreGrids; // filled after the grid above, in order
    TLabelOutline Outline;             // of every label, within its rectangle

    int LabelsPerPage() const;
    // Label `index` of a page (grid by grid, each along its rows from the top left) on its
    // page, from the page's top left corner: the rectangle its outline is drawn in.
    QRectF LabelRect(int index) const;
};

struct TLabelSheetPreset
{
    const char* Name;
    TLabelSheet Sheet;
};
// "a4-3x8": 3 x 8 labels of 70x37 mm on A4; "letter-3x10": 3 x 10 labels of 2.625 x 1 in on
// US Letter.
extern const std::array<TLabelSheetPreset, 2> LabelSheetPresets;

struct TLabelSheetReading
{
    std::optional<TLabelSheet> Sheet;
    QString Error; // what is wrong with the text, when there is no sheet
};

// Why the labels and margins of `sheet` do not fit its page, or the labels of a grid overlap;
// empty when they fit.
QString LabelSheetMisfit(const TLabelSheet& sheet);

// A preset name, a label product of the installed database ("Avery 5160", "L7160"), or
// "PAGE,COLSxROWS,LABELWxH,MARGINS,GAPS" in millimetres: PAGE is a4, letter or WxH; MARGINS one
// length or TOP:RIGHT:BOTTOM:LEFT; GAPS one length or BETWEEN-COLUMNSxBETWEEN-ROWS. Letter case and
// blanks do not count. The labels must fit on the page.
TLabelSheetReading ReadLabelSheet(const QString& text);

// The custom form of a sheet's first grid, as ReadLabelSheet reads it back; it holds neither
// further grids nor the labels' outline.
QString LabelSheetText(const TLabelSheet& sheet);

// Most printers leave this much of the paper's edge blank, in millimetres.
constexpr double UnprintableEdge = 4;
// Whether a label reaches into that edge, where part of a symbol may not be printed.
bool LabelsNearPaperEdge(const TLabelSheet& sheet);
