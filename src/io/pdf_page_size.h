#pragma once

#include <QByteArray>
#include <QSizeF>

class QPageSize;

// Qt's PDF writer rounds every page to whole points; a picture of 101 pixels at 300 dpi would
// come out 0.08 mm short. This sets each page of a written PDF to the exact size, keeping the
// drawing where it is measured from the top left corner. Raises EZintException when the bytes
// are not a PDF it can read.
QByteArray WithExactPageSize(const QByteArray& pdf, QSizeF pagePoints);

// The page to give Qt's PDF writer for a page of `pagePoints`: rounded up to whole points, so
// it holds the whole drawing until WithExactPageSize cuts it.
QPageSize WholePointPageAround(QSizeF pagePoints);
