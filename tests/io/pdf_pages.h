#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>

#include <vector>

// Each page's media box, in points, as qpdf reads it.
std::vector<QRectF> PdfPageBoxes(const QByteArray& pdf);

// Pages `first` to `last` (every page from `first` on when `last` is 0) as pdftoppm draws them
// at `dpi`: a reader of its own, as a print shop's would be.
std::vector<QImage> PdfPagesDrawn(const QByteArray& pdf, int dpi, int first = 1, int last = 0);
