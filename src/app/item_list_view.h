#pragma once

#include <QListView>

// The list control: one selected entry at most, a click on empty space selects nothing, and
// a click anywhere is reported once the button is released, after the selection has settled.
class TItemListView final : public QListView
{
    Q_OBJECT

public:
    explicit TItemListView(QWidget* parent = nullptr);

    // The selected row, or -1.
    int SelectedRow() const;
    void SelectRow(int row);

signals:
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
