#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The texts of the list in the order they were added, one column, no limit; an in-place edit
// changes the text and nothing else.
class TItemListModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    int Count() const { return int(FTexts.size()); }
    const QString& Text(int row) const { return FTexts.at(row); }
    // One insertion for the whole batch, so a large import costs one view update.
    void Append(const QStringList& texts);
    void Clear();

private:
    QStringList FTexts;
};
