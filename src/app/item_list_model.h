#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QIcon>
#include <QStringList>

#include <vector>

class QUndoStack;
struct TTableRecord;

// The texts of the list in the order they were added, one column, no limit. Every change,
// an in-place rename included, is one step of the list's undo history. Texts loaded from a
// table keep their record's cells, laid out by the list's column header, for names made of
// columns. An entry known to fail carries a mark and the reason as its tooltip; any change of
// the list drops the marks, which were found for the list as it was.
class TItemListModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    struct TItem
    {
        QString Text;
        QStringList Cells;
        int TextColumn = -1; // the cell that holds the text, -1 for none

        bool operator==(const TItem& other) const
        {
            return Text == other.Text && Cells == other.Cells && TextColumn == other.TextColumn;
        }
    };
    using TItems = QList<TItem>;

    explicit TItemListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    int Count() const { return int(FItems.size()); }
    const QString& Text(int row) const { return FItems.at(row).Text; }
    // One insertion for the whole batch, so a large import costs one view update.
    void Append(const QStringList& texts);
    // Appends the text in `textColumn` of each record with the record's cells. Names of `header`
    // the list's header lacks are added to its end (letter case and blanks around a name do not
    // count), so cells of earlier tables keep their meaning.
    void AppendRecords(const QStringList& header, const std::vector<TTableRecord>& records,
                       int textColumn);
    // The names of the columns of every table loaded since the list was last emptied.
    QStringList ColumnHeader() const { return FHeader; }
    // The cells of a row in the order of ColumnHeader, fewer when the row's table had fewer;
    // none for a typed or plain-text entry. Editing the text changes its own cell too.
    QStringList ItemCells(int row) const { return FItems.at(row).Cells; }
    // Changes the text in place: the row keeps its selection and persistent indexes.
    void Replace(int row, const QString& text);
    void Clear();
    QUndoStack& History() const { return *FHistory; }

    const TItems& Items() const { return FItems; }
    // Puts the items and their header in place of the whole list, as one step.
    void ReplaceAll(const QStringList& header, const TItems& items);

    // The reason the entry fails, empty when it is not known to; ErrorMark is its mark.
    void SetFailure(int row, const QString& message);
    QString Failure(int row) const { return FFailures.value(row); }
    static QIcon ErrorMark();

signals:
    // After every change of the texts or their cells, undo and redo included.
    void ItemsChanged();

private:
    class TChange;

    static TItems PlainItems(const QStringList& texts);
    // Records one change and makes it; `header` is the list's header after it.
    void Change(int row, const TItems& before, const TItems& after, const QStringList& header);
    // Puts after where before stands at row: the one place the items change.
    void Splice(int row, const TItems& before, const TItems& after);

    TItems FItems;
    QStringList FHeader;
    QHash<int, QString> FFailures;
    QUndoStack* FHistory;
};
