#pragma once

#include <QAbstractListModel>
#include <QStringList>

class QUndoStack;

// The texts of the list in the order they were added, one column, no limit. Every change,
// an in-place rename included, is one step of the list's undo history.
class TItemListModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit TItemListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    int Count() const { return int(FTexts.size()); }
    const QString& Text(int row) const { return FTexts.at(row); }
    // One insertion for the whole batch, so a large import costs one view update.
    void Append(const QStringList& texts);
    // Changes the text in place: the row keeps its selection and persistent indexes.
    void Replace(int row, const QString& text);
    void Clear();
    QUndoStack& History() const { return *FHistory; }

private:
    class TChange;
    // Records one change and makes it.
    void Change(int row, const QStringList& before, const QStringList& after);
    // Puts after where before stands at row: the one place the texts change.
    void Splice(int row, const QStringList& before, const QStringList& after);

    QStringList FTexts;
    QUndoStack* FHistory;
};
