#include "app/item_list_model.h"

#include "io/text_table.h"

#include <QApplication>
#include <QStyle>
#include <QUndoStack>

#include <algorithm>

namespace {
// Laying out a line of megabytes takes the list view a good part of a second at every paint;
// no one reads that far into a row anyway. The entry itself keeps every character.
constexpr qsizetype ShownCharacters = 1000;

// Isolated, an entry reads in its own direction: "bad~{}" stays so in a right-to-left window.
QString ShownText(const QString& text)
{
    const QChar firstStrongIsolate(0x2068);
    const QChar popIsolate(0x2069);
    if (text.size() <= ShownCharacters)
        return firstStrongIsolate + text + popIsolate;
    const qsizetype cut =
        text.at(ShownCharacters - 1).isHighSurrogate() ? ShownCharacters - 1 : ShownCharacters;
    return firstStrongIsolate + text.left(cut) + QChar(0x2026) + popIsolate;
}

// Where each column of `header` stands in `listHeader`, after adding the names it lacks. A name
// the table repeats takes the next column of that name, or a new one.
QList<int> MergeHeader(QStringList& listHeader, const QStringList& header)
{
    QList<int> places;
    for (const QString& name : header) {
        const QList<int> named = ColumnsNamed(listHeader, name);
        const auto free = std::find_if(named.cbegin(), named.cend(),
                                       [&places](int column) { return !places.contains(column); });
        if (free != named.cend()) {
            places << *free;
        } else {
            places << int(listHeader.size());
            listHeader << name;
        }
    }
    return places;
}

bool IsInPlace(const QList<int>& places)
{
    for (qsizetype i = 0; i < places.size(); ++i)
        if (places.at(i) != i)
            return false;
    return true;
}

// The cells of a record moved to the list's columns; cells beyond the table's header have no
// name to be found by and stay behind.
QStringList PlaceCells(const QStringList& cells, const QList<int>& places)
{
    QStringList placed;
    for (qsizetype i = 0; i < std::min(cells.size(), places.size()); ++i) {
        if (placed.size() <= places.at(i))
            placed.resize(places.at(i) + 1);
        placed[places.at(i)] = cells.at(i);
    }
    return placed;
}
} // namespace

class TItemListModel::TChange final : public QUndoCommand
{
public:
    TChange(TItemListModel& model, int row, const TItems& before, const TItems& after,
            const QStringList& headerAfter)
        : FModel(model), FRow(row), FBefore(before), FAfter(after), FHeaderBefore(model.FHeader),
          FHeaderAfter(headerAfter)
    {}

    void redo() override
    {
        FModel.FHeader = FHeaderAfter;
        FModel.Splice(FRow, FBefore, FAfter);
    }
    void undo() override
    {
        FModel.FHeader = FHeaderBefore;
        FModel.Splice(FRow, FAfter, FBefore);
    }

private:
    TItemListModel& FModel;
    const int FRow;
    const TItems FBefore;
    const TItems FAfter;
    const QStringList FHeaderBefore;
    const QStringList FHeaderAfter;
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
    if (role == Qt::EditRole)
        return Text(index.row());
    if (role == Qt::DisplayRole)
        return ShownText(Text(index.row()));
    const auto failure = FFailures.constFind(index.row());
    if (failure == FFailures.cend())
        return QVariant();
    if (role == Qt::ToolTipRole)
        return *failure;
    if (role == Qt::DecorationRole)
        return ErrorMark();
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
    Change(row, FItems.mid(row, count), TItems(), FHeader);
    return true;
}

TItemListModel::TItems TItemListModel::PlainItems(const QStringList& texts)
{
    TItems items;
    items.reserve(texts.size());
    for (const QString& text : texts)
        items.append({text, {}, -1});
    return items;
}

void TItemListModel::Append(const QStringList& texts)
{
    Change(Count(), TItems(), PlainItems(texts), FHeader);
}

void TItemListModel::AppendRecords(const QStringList& header,
                                   const std::vector<TTableRecord>& records, int textColumn)
{
    // Without records the header would be a step that changes nothing one can see.
    if (records.empty())
        return;
    QStringList merged = FHeader;
    const QList<int> places = MergeHeader(merged, header);
    const bool inPlace = IsInPlace(places);
    TItems items;
    items.reserve(qsizetype(records.size()));
    for (const TTableRecord& record : records) {
        const QString& text = record.Cells.at(textColumn);
        if (inPlace)
            items.append({text, record.Cells, textColumn});
        else
            items.append({text, PlaceCells(record.Cells, places), places.value(textColumn, -1)});
    }
    Change(Count(), TItems(), items, merged);
}

void TItemListModel::Replace(int row, const QString& text)
{
    TItem item = FItems.at(row);
    item.Text = text;
    if (item.TextColumn >= 0 && item.TextColumn < item.Cells.size())
        item.Cells[item.TextColumn] = text;
    Change(row, {FItems.at(row)}, {item}, FHeader);
}

void TItemListModel::Clear()
{
    Change(0, FItems, TItems(), QStringList());
}

void TItemListModel::ReplaceAll(const QStringList& header, const TItems& items)
{
    Change(0, FItems, items, header);
}

void TItemListModel::SetFailure(int row, const QString& message)
{
    if (row < 0 || row >= Count() || FFailures.value(row) == message)
        return;
    if (message.isEmpty())
        FFailures.remove(row);
    else
        FFailures.insert(row, message);
    emit dataChanged(index(row), index(row), {Qt::DecorationRole, Qt::ToolTipRole});
}

QIcon TItemListModel::ErrorMark()
{
    return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
}

void TItemListModel::Change(int row, const TItems& before, const TItems& after,
                            const QStringList& header)
{
    // A step that changes nothing would only make the user undo twice.
    if (before == after && header == FHeader)
        return;
    FHistory->push(new TChange(*this, row, before, after, header));
}

void TItemListModel::Splice(int row, const TItems& before, const TItems& after)
{
    const int removed = int(before.size());
    const int inserted = int(after.size());
    if (!FFailures.isEmpty()) {
        FFailures.clear();
        emit dataChanged(index(0), index(Count() - 1), {Qt::DecorationRole, Qt::ToolTipRole});
    }
    if (removed == inserted) {
        std::copy(after.cbegin(), after.cend(), FItems.begin() + row);
        emit dataChanged(index(row), index(row + inserted - 1), {Qt::DisplayRole, Qt::EditRole});
        emit ItemsChanged();
        return;
    }
    if (removed > 0) {
        beginRemoveRows(QModelIndex(), row, row + removed - 1);
        FItems.remove(row, removed);
        endRemoveRows();
    }
    if (inserted > 0) {
        beginInsertRows(QModelIndex(), row, row + inserted - 1);
        if (row == Count()) {
            FItems.append(after);
        } else {
            for (int i = 0; i < inserted; ++i)
                FItems.insert(row + i, after.at(i));
        }
        endInsertRows();
    }
    emit ItemsChanged();
}
