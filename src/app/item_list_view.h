#pragma once

#include <QListView>

// The list control: one selected entry at most, a click on empty space selects nothing, and
// a click anywhere is reported once the button is released, after the selection has settled.
// A key that moves the selection picks the entry as a click does, so it is reported too.
// Renaming in place starts with F2 or a double click, never with a click on the selection.
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
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
