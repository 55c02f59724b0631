#include "io/label_shape.h"

#include <algorithm>
#include <cmath>

namespace {
const double HalfSqrt2 = std::sqrt(0.5);

double CornerRadiusIn(const TLabelOutline& outline, const QRectF& box)
{
    return std::clamp(outline.CornerRadius, 0.0, std::min(box.width(), box.height()) / 2);
}

QRectF CentredRect(QPointF centre, double width, double height)
{
    return {centre.x() - width / 2, centre.y() - height / 2, width, height};
}

// The widest-by-tallest band above the hole: at a distance t above the centre its top edge is
// 2 * sqrt(R^2 - t^2) wide, narrowed to the box when the box cuts the disc; t - hole high.
QRectF CdBand(const TLabelOutline& outline, const QRectF& box)
{
    const double radius = outline.Radius;
    const double hole = outline.HoleRadius;
    const double halfWidth = box.width() / 2;
    const double top = std::min(radius, box.height() / 2);
    // Where 2 sqrt(R^2 - t^2) (t - hole) peaks, for a band the disc alone bounds.
    const double peak = (hole + std::sqrt(hole * hole + 8 * radius * radius)) / 4;
    // Below this the box's sides bound the band, and a taller band is a larger one.
    const double sidesBound = std::sqrt(std::max(0.0, radius * radius - halfWidth * halfWidth));
    const double t = std::clamp(std::max(peak, sidesBound), hole, std::max(top, hole));
    const double half = std::min(std::sqrt(std::max(0.0, radius * radius - t * t)), halfWidth);
    const QPointF centre = box.center();
    return QRectF(QPointF(centre.x() - half, centre.y() - t),
                  QPointF(centre.x() + half, centre.y() - hole));
}
} // namespace

TLabelOutline TLabelOutline::Scaled(double factor) const
{
    return {Shape, CornerRadius * factor, Radius * factor, HoleRadius * factor};
}

QPainterPath LabelOutlinePath(const TLabelOutline& outline, const QRectF& box)
{
    QPainterPath path;
    switch (outline.Shape) {
    case TLabelShape::lsRectangle: {
        const double radius = CornerRadiusIn(outline, box);
        if (radius > 0)
            path.addRoundedRect(box, radius, radius);
        else
            path.addRect(box);
        break;
    }
    case TLabelShape::lsRound:
    case TLabelShape::lsEllipse:
        path.addEllipse(box);
        break;
    case TLabelShape::lsCd: {
        const QPointF centre = box.center();
        path.addEllipse(centre, outline.Radius, outline.Radius);
        if (box.width() < 2 * outline.Radius || box.height() < 2 * outline.Radius) {
            QPainterPath cut;
            cut.addRect(box);
            path = path.intersected(cut);
        }
        QPainterPath hole;
        hole.addEllipse(centre, outline.HoleRadius, outline.HoleRadius);
        path = path.subtracted(hole);
        break;
    }
    }
    return path;
}

QRectF LabelContentRect(const TLabelOutline& outline, const QRectF& box)
{
    switch (outline.Shape) {
    case TLabelShape::lsRectangle: {
        // Each corner of the content on the middle of its rounded corner's arc.
        const double inset = CornerRadiusIn(outline, box) * (1 - HalfSqrt2);
        return box.adjusted(inset, inset, -inset, -inset);
    }
    case TLabelShape::lsRound:
    case TLabelShape::lsEllipse:
        return CentredRect(box.center(), box.width() * HalfSqrt2, box.height() * HalfSqrt2);
    case TLabelShape::lsCd:
        return CdBand(outline, box);
    }
    return box;
}
