#include "dialogs/mirrored_placement.h"

#include <QLayout>
#include <QWidget>

void MirrorPlacements(QWidget* window)
{
    if (window->layout())
        return;
    const int width = window->width();
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        const QRect place = child->geometry();
        child->move(width - place.right() - 1, place.top());
        MirrorPlacements(child);
    }
}
