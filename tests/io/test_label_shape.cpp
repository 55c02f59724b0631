#include "io/label_shape.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
// The area of `rect` outside `outline`, as a share of the rectangle's; curves are flattened
// on the way.
double ShareOutside(const QRectF& rect, const QPainterPath& outline)
{
    QPainterPath inside;
    inside.addRect(rect);
    double area = 0;
    for (const QPolygonF& polygon : inside.subtracted(outline).toFillPolygons())
        for (int i = 0; i + 1 < polygon.size(); ++i)
            area += (polygon[i].x() * polygon[i + 1].y() - polygon[i + 1].x() * polygon[i].y()) / 2;
    return std::abs(area) / (rect.width() * rect.height());
}

QRectF Grown(const QRectF& rect, double factor)
{
    const QSizeF size = rect.size() * factor;
    return {rect.center() - QPointF(size.width(), size.height()) / 2, size};
}

struct TCase
{
    const char* Name;
    TLabelOutline Outline;
    QRectF Box;
};
const TCase Cases[] = {
    {"square corners", {TLabelShape::lsRectangle}, {10, 20, 60, 30}},
    {"rounded corners", {TLabelShape::lsRectangle, 6}, {10, 20, 60, 30}},
    {"corners rounder than the label", {TLabelShape::lsRectangle, 40}, {0, 0, 60, 30}},
    {"round", {TLabelShape::lsRound}, {5, 5, 40, 40}},
    {"oval", {TLabelShape::lsEllipse}, {0, 0, 80, 40}},
    {"CD", {TLabelShape::lsCd, 0, 58.5, 20.5}, {10, 10, 117, 117}},
    {"CD of a small hole", {TLabelShape::lsCd, 0, 58.5, 7.5}, {0, 0, 117, 117}},
    {"CD cut at the sides", {TLabelShape::lsCd, 0, 40, 10}, {0, 0, 60, 80}},
    {"CD cut narrow", {TLabelShape::lsCd, 0, 40, 10}, {0, 0, 30, 80}},
    {"CD cut at the ends", {TLabelShape::lsCd, 0, 40, 10}, {0, 0, 80, 50}},
};
} // namespace

// The content lies inside the outline (off a CD's hole) and fills it: grown by 2 % it would
// not.
TEST(LabelShape, ContentFillsTheOutline)
{
    for (const TCase& c : Cases) {
        SCOPED_TRACE(c.Name);
        const QPainterPath outline = LabelOutlinePath(c.Outline, c.Box);
        const QRectF content = LabelContentRect(c.Outline, c.Box);
        ASSERT_FALSE(content.isEmpty());
        // Flattened, a curve passes a hair inside the corner it touches.
        EXPECT_LT(ShareOutside(content, outline), 5e-5);
        EXPECT_GT(ShareOutside(Grown(content, 1.02), outline), 4e-4);
        EXPECT_TRUE(c.Box.contains(content));
        // The same outline in dots has the same content in dots.
        const QRectF scaled =
            LabelContentRect(c.Outline.Scaled(10), QRectF(c.Box.topLeft() * 10, c.Box.size() * 10));
        EXPECT_NEAR(scaled.left(), content.left() * 10, 1e-6);
        EXPECT_NEAR(scaled.bottom(), content.bottom() * 10, 1e-6);
    }
}

// Where the content goes in each shape: a square-cornered label is its own content; a round
// label's content is square and centred; a CD's is the largest band above the hole, touching
// it.
TEST(LabelShape, ContentSitsWhereTheShapeLeavesRoom)
{
    const TCase& square = Cases[0];
    EXPECT_EQ(LabelContentRect(square.Outline, square.Box), square.Box);
    EXPECT_TRUE(square.Outline.IsPlainRectangle());
    EXPECT_FALSE(Cases[1].Outline.IsPlainRectangle());
    for (const TCase& c : Cases) {
        SCOPED_TRACE(c.Name);
        const QRectF content = LabelContentRect(c.Outline, c.Box);
        EXPECT_NEAR(content.center().x(), c.Box.center().x(), 1e-9);
        if (c.Outline.Shape == TLabelShape::lsRound) {
            EXPECT_NEAR(content.width(), content.height(), 1e-9);
        }
        if (c.Outline.Shape != TLabelShape::lsCd) {
            EXPECT_NEAR(content.center().y(), c.Box.center().y(), 1e-9);
            continue;
        }
        const double radius = c.Outline.Radius;
        const double hole = c.Outline.HoleRadius;
        EXPECT_NEAR(content.bottom(), c.Box.center().y() - hole, 1e-9);
        // No other band above the hole within the disc and the box is larger.
        const auto band = [&](double top) {
            const double half = std::min(std::sqrt(radius * radius - top * top), c.Box.width() / 2);
            return 2 * half * (top - hole);
        };
        const double area = content.width() * content.height();
        for (double top = hole; top <= std::min(radius, c.Box.height() / 2); top += 0.25)
            EXPECT_LE(band(top), area + 1e-9) << top;
    }
}

// The outline is the label's shape: a CD has its hole, and a cut disc ends at its box.
TEST(LabelShape, OutlineIsTheLabelsShape)
{
    for (const TCase& c : Cases) {
        SCOPED_TRACE(c.Name);
        const QPainterPath outline = LabelOutlinePath(c.Outline, c.Box);
        const QPointF centre = c.Box.center();
        EXPECT_EQ(outline.contains(centre), c.Outline.Shape != TLabelShape::lsCd);
        EXPECT_FALSE(outline.contains(c.Box.topLeft() + QPointF(0.5, 0.5)) &&
                     !c.Outline.IsPlainRectangle());
        EXPECT_LT(std::abs(outline.boundingRect().width() - c.Box.width()), 1e-5);
        EXPECT_LT(std::abs(outline.boundingRect().height() - c.Box.height()), 1e-5);
        if (c.Outline.Shape == TLabelShape::lsCd) {
            EXPECT_TRUE(outline.contains(
                centre - QPointF(0, (c.Outline.HoleRadius + c.Box.height() / 2) / 2)));
        }
    }
}
