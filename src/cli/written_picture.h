#pragma once

#include <QImage>
#include <QString>

// The picture a written file shows, as a reader of that file sees it: raster files as they
// stand, SVG drawn by Qt SVG at its view box (one unit a pixel), the first page of a PDF drawn
// by Poppler at `dpi`. A null image when the file cannot be read.
QImage LoadWrittenPicture(const QString& path, int dpi);
