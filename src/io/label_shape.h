#pragma once

#include <QPainterPath>
#include <QRectF>

enum class TLabelShape
{
    lsRectangle,
    lsRound,
    lsEllipse,
    lsCd
};

// The outline of a label within its box (the rectangle the sheet places it by).
struct TLabelOutline
{
    TLabelShape Shape = TLabelShape::lsRectangle;
    double CornerRadius = 0; // a rectangle's corners
    double Radius = 0;       // a CD's outer edge; its box may cut it straight at the sides or ends
    double HoleRadius = 0;   // a CD's hole, in the middle of the box

    // Square corners: the label is its box.
    bool IsPlainRectangle() const { return Shape == TLabelShape::lsRectangle && CornerRadius <= 0; }
    // The same outline with every length multiplied by `factor` (millimetres to dots).
    TLabelOutline Scaled(double factor) const;
};

// The label's outline around `box`, in the box's units.
QPainterPath LabelOutlinePath(const TLabelOutline& outline, const QRectF& box);

// The upright rectangle inside the outline that a label's picture goes in: the box of a
// square-cornered label; a rounded one's box inset until its corners touch the rounding; the
// largest rectangle inside a round or oval label; and on a CD the largest band between the
// hole and the outer edge above it, where it reads the right way up.
QRectF LabelContentRect(const TLabelOutline& outline, const QRectF& box);
