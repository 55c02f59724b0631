#include "app/item_list_model.h"

#include <QUndoStack>

#include <algorithm>

class TItemListModel::TChange final : public QUndoCommand
{
public:
    TChange(TItemListModel& model, int row, const QStringList& before, const QStringList& after)
        : FModel(model), FRow(row), FBefore(before), FAfter(after)
    {}

    void redo() override { FModel.Splice(FRow, FBefore, FAfter); }
    void undo() override { FModel.Splice(FRow, FAfter, FBefore); }

private:
    TItemListModel& FModel;
    const int FRow;
    const QStringList FBefore;
    const QStringList FAfter;
};

TItemListModel::TItemListModel(QObject* parent)
    : QAbstractListModel(parent), FHistory(new QUndoStack(this))
{}

int TItemListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

QVariant TItemListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return FTexts.at(index.row());
    return QVariant();
}

bool TItemListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    Replace(index.row(), value.toString());
    return true;
}

Qt::ItemFlags TItemListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

bool TItemListModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || count <= 0 || row + count > Count())
        return false;
    Change(row, FTexts.mid(row, count), QStringList());
    return true;
}

void TItemListModel::Append(const QStringList& texts)
{
    Change(Count(), QStringList(), texts);
}

void TItemListModel::Replace(int row, const QString& text)
{
    Change(row, {FTexts.at(row)}, {text});
}

void TItemListModel::Clear()
{
    Change(0, FTexts, QStringList());
}

void TItemListModel::Change(int row, const QStringList& before, const QStringList& after)
{
    // A step that changes nothing would only make the user undo twice.
    if (before == after)
        return;
    FHistory->push(new TChange(*this, row, before, after));
}

void TItemListModel::Splice(int row, const QStringList& before, const QStringList& after)
{
    const int removed = int(before.size());
    const int inserted = int(after.size());
    if (removed == inserted) {
        std::copy(after.cbegin(), after.cend(), FTexts.begin() + row);
        emit dataChanged(index(row), index(row + inserted - 1), {Qt::DisplayRole, Qt::EditRole});
        return;
    }
    if (removed > 0) {
        beginRemoveRows(QModelIndex(), row, row + removed - 1);
        FTexts.remove(row, removed);
        endRemoveRows();
    }
    if (inserted > 0) {
        beginInsertRows(QModelIndex(), row, row + inserted - 1);
        if (row == Count()) {
            FTexts.append(after);
        } else {
            for (int i = 0; i < inserted; ++i)
                FTexts.insert(row + i, after.at(i));
        }
        endInsertRows();
    }
}
