#pragma once

#include <Qt>

class QColor;
class QFont;
class QPainter;
class QPoint;
class QRect;
class QString;

// Device-level drawing shared by the canvas back-end and the metafile's playback, so that a
// played metafile covers exactly the pixels the canvas draws. Antialiasing stays as the
// painter has it.

// Right and bottom edges exclusive.
void PaintFills(QPainter& painter, const QColor& colour, const QRect* rects, int count);
// The same area as one outline without inner edges, for devices that antialias.
void PaintFillsAsOneShape(QPainter& painter, const QColor& colour, const QRect* rects, int count);
void PaintPolygon(QPainter& painter, const QColor& colour, const QPoint* points, int count);
// An ellipse outline of the given pen width centred on the rectangle's edge.
void PaintRing(QPainter& painter, const QColor& colour, int penWidth, const QRect& rect);
void PaintCircle(QPainter& painter, const QColor& colour, const QRect& rect);
void PaintText(QPainter& painter, const QRect& rect, int flags, const QString& text,
               const QFont& font, const QColor& colour);
