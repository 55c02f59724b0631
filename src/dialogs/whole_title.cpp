#include "dialogs/whole_title.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace {
// The title bar's icon and buttons beside the title; window managers draw about this much.
constexpr int TitleBarDecoration = 130;
} // namespace

void KeepTitleWhole(QMessageBox& box)
{
    // A message box sets its own minimum size; a spacer in its grid is what widens it.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    const int width =
        QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + TitleBarDecoration;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}
