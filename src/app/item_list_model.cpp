#include "app/item_list_model.h"

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
    FTexts[index.row()] = value.toString();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
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
    beginRemoveRows(parent, row, row + count - 1);
    FTexts.remove(row, count);
    endRemoveRows();
    return true;
}

void TItemListModel::Append(const QStringList& texts)
{
    if (texts.isEmpty())
        return;
    beginInsertRows(QModelIndex(), Count(), Count() + int(texts.size()) - 1);
    FTexts.append(texts);
    endInsertRows();
}

void TItemListModel::Clear()
{
    if (FTexts.isEmpty())
        return;
    beginResetModel();
    FTexts.clear();
    endResetModel();
}
