#include "render/device_painting.h"

#include <QPainter>
#include <QPainterPath>

void PaintFills(QPainter& painter, const QColor& colour, const QRect* rects, int count)
{
    // One call for a whole run of fills: the raster engine fills each rectangle directly
    // (normalised, so a flipped one still covers its span) without a path per rectangle.
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRects(rects, count);
}

void PaintFillsAsOneShape(QPainter& painter, const QColor& colour, const QRect* rects, int count)
{
    QPainterPath area;
    area.setFillRule(Qt::WindingFill);
    for (int i = 0; i < count; ++i)
        area.addRect(QRectF(rects[i]).normalized());
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(area.simplified());
}

void PaintPolygon(QPainter& painter, const QColor& colour, const QPoint* points, int count)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(points, count);
}

void PaintRing(QPainter& painter, const QColor& colour, int penWidth, const QRect& rect)
{
    QPen pen(colour);
    pen.setWidth(penWidth);
    pen.setStyle(Qt::SolidLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(rect);
}

void PaintCircle(QPainter& painter, const QColor& colour, const QRect& rect)
{
    // A cosmetic outline would add a pixel right and below the box; the fill alone covers it.
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(rect);
}

void PaintText(QPainter& painter, const QRect& rect, int flags, const QString& text,
               const QFont& font, const QColor& colour)
{
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
}
