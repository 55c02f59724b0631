#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>

#include <vector>

// Each page's media box, in points, as qpdf reads it.
std::vector<QRectF> PdfPageBoxes(const QByteArray& pdf);

enum class TPdfRasteriser
{
    prPdftoppm,
    // Cairo draws every edge where it falls, without snapping shapes to whole pixels as
    // pdftoppm does: a shape between pixels shows as grey.
    prPdftocairo
};

// Pages `first` to `last` (every page from `first` on when `last` is 0) as poppler draws them
// at `dpi`: a reader of its own, as a print shop's would be.
std::vector<QImage> PdfPagesDrawn(const QByteArray& pdf, int dpi, int first = 1, int last = 0,
                                  TPdfRasteriser rasteriser = TPdfRasteriser::prPdftoppm);
