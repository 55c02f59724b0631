#include "render/device_painting.h"

#include <QPainter>

void PaintFill(QPainter& painter, const QColor& colour, const QRect& rect)
{
    // fillRect covers the same pixels as a polygon through the four corners, for a fraction
    // of the work; normalised so that a flipped rectangle still covers its span.
    painter.fillRect(rect.normalized(), colour);
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
