#pragma once

#include "io/label_text.h"

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QStringList>

#include <vector>

// A text line's place on a label and what of it is drawn there.
struct TPlacedLine
{
    QRectF Box; // the line's height at its asked size, the width its alignment works in
    TFittedLine Line;
    TZintHAlign Align = TZintHAlign::haCenter;
};

// Where a label's symbol and text lines go, in dots from the page's top left corner.
struct TLabelArrangement
{
    QPointF SymbolTopLeft;  // on a whole dot
    double SymbolScale = 1; // below 1 when the symbol is larger than the room the text leaves
    std::vector<TPlacedLine> Lines;
    QStringList Notes; // lines shrunk, cut or left out, as the report tells them
    bool TextShrunk = false;
    bool TextCut = false; // cut with an ellipsis, or left out
};

// Lays out labels: the symbol and, below it or right of it, the text lines, inside the label
// less a narrow padding, never overlapping one another.
class TLabelArranger final
{
public:
    TLabelArranger(const TLabelText& text, int dpi);

    // What of `label` (in dots) is drawn on: it less the padding cutters and printers need.
    QRect Content(const QRect& label) const;
    // The room the lines `texts` leave the symbol in `content`.
    QSize SymbolRoom(const QRect& content, const QStringList& texts) const;
    // The places of a picture of `picture` dots and the lines `texts` in `content`, the
    // group of them aligned in it as asked.
    TLabelArrangement Arrange(const QRect& content, QSize picture, const QStringList& texts,
                              TZintHAlign hAlign, TZintVAlign vAlign) const;

private:
    // The lines' sizes in dots and heights once they fit the height they may take; lines past
    // `Kept` find no room at all.
    struct TLineSizes
    {
        std::vector<int> Pixels;
        std::vector<double> Heights;
        std::size_t Kept = 0;
        double Height = 0; // of the lines kept
    };
    TLineSizes SizeLines(const QRect& content) const;
    double TextColumnWidth(const QRect& content, const QStringList& texts,
                           const TLineSizes& sizes) const;
    int Gap(const TLineSizes& sizes) const { return sizes.Kept > 0 ? FGap : 0; }

    const TLabelText& FText;
    int FDpi;
    int FPadding;
    int FGap;
};
