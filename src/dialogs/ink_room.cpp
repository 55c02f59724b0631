#include "dialogs/ink_room.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

void KeepInkInside(QLabel* label)
{
    const QFontMetrics metrics(label->font());
    // Relative to the baseline: the top is negative above it.
    const QRect ink = metrics.tightBoundingRect(label->text());
    // One pixel more: anti-aliasing spreads the ink beyond the outline it is measured by.
    const int above = std::max(0, -ink.top() - metrics.ascent() + 1);
    const int below = std::max(0, ink.bottom() - metrics.descent() + 1);
    const QMargins margins = label->contentsMargins();
    label->setContentsMargins(margins.left(), above, margins.right(), below);
}
