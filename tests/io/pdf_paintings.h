#pragma once

#include <QByteArray>
#include <QPainterPath>

#include <vector>

enum class TPdfPaint
{
    ppStroke,
    ppFill,
    ppClip
};

// One path a page's content stream strokes, fills or clips to, in millimetres from the page's
// top left corner, y down.
struct TPdfPainting
{
    TPdfPaint Paint;
    QPainterPath Path;
};

// The paths of page `page` (from 0) of `pdf` in drawing order, read with qpdf from its content
// stream: where a PDF reader draws, whatever program wrote it.
std::vector<TPdfPainting> PdfPagePaintings(const QByteArray& pdf, int page);
