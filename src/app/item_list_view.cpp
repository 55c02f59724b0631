#include "app/item_list_view.h"

#include <algorithm>

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSize>
#include <QStyledItemDelegate>

namespace {
// Rows as tall as the font draws, accents above capitals included: some fonts (Tahoma among
// them) draw those above the line height the style would give a row.
class TRowHeightDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QFontMetrics metrics(option.font);
        const int inked = metrics.boundingRect(QStringLiteral("ÅÄÉÖÜÇgjpqy")).height();
        size.setHeight(std::max({size.height(), metrics.height() + 4, inked + 4}));
        return size;
    }
};
} // namespace

TItemListView::TItemListView(QWidget* parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    // Every row has the same height, so long lists need no per-row measuring.
    setUniformItemSizes(true);
    setItemDelegate(new TRowHeightDelegate(this));
}

int TItemListView::SelectedRow() const
{
    if (!selectionModel())
        return -1;
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

void TItemListView::SelectRow(int row)
{
    const QModelIndex index = model()->index(row, 0);
    setCurrentIndex(index);
    scrollTo(index);
}

void TItemListView::keyPressEvent(QKeyEvent* event)
{
    const int before = SelectedRow();
    QListView::keyPressEvent(event);
    if (SelectedRow() != before)
        emit Clicked();
}

void TItemListView::mousePressEvent(QMouseEvent* event)
{
    // Qt keeps the selection when the press misses every entry; this list drops it.
    if (!indexAt(event->position().toPoint()).isValid())
        selectionModel()->clear();
    QListView::mousePressEvent(event);
}

void TItemListView::mouseReleaseEvent(QMouseEvent* event)
{
    QListView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit Clicked();
}
