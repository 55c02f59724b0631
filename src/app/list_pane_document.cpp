// The list as a file of its own: saved as CSV, the entry's text in the first column and the
// cells of loaded tables after it, under their header; opened again in place of the list. The
// files used lately, and the question before entries not saved are lost.
#include "app/list_pane.h"

#include "app/item_list_model.h"
#include "base/zint_exception.h"
#include "i18n/translation_engine.h"
#include "io/text_table.h"
#include "io/text_table_writer.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <QUndoStack>

namespace {
constexpr int RecentListCount = 8;
const QChar ListDelimiter = QLatin1Char(',');
// The first column's name; the columns after it are the list's header.
const QString TextColumnName = QStringLiteral("Text");
} // namespace

bool TListPane::HasUnsavedEntries() const
{
    return FItems->Count() > 0 && !FItems->History().isClean();
}

bool TListPane::SaveList1Click()
{
    const std::optional<QString> path =
        FDialogs.SaveListFile(window(), FListPath.isEmpty() ? FLastTextFile.Path : FListPath);
    return path && SaveList(*path);
}

bool TListPane::SaveList(const QString& path)
{
    std::vector<QStringList> records;
    records.push_back(QStringList{TextColumnName} + FItems->ColumnHeader());
    for (const TItemListModel::TItem& item : FItems->Items())
        records.push_back(QStringList{item.Text} + item.Cells);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(WriteDelimitedText(records, ListDelimiter)) < 0 || !file.commit()) {
        FDialogs.ErrorBox(window(), Translate(QStringLiteral("Cannot save the list")),
                          Translate(QStringLiteral("The list could not be saved to \"%1\": %2. "
                                                   "Choose another folder or file name."))
                              .arg(path, file.errorString()));
        return false;
    }
    FItems->History().setClean();
    FListPath = path;
    AddRecentList(path);
    return true;
}

void TListPane::OpenList1Click()
{
    const std::optional<QString> path =
        FDialogs.OpenListFile(window(), FListPath.isEmpty() ? FLastTextFile.Path : FListPath);
    if (path)
        OpenList(*path);
}

void TListPane::OpenList(const QString& path)
{
    TTextTable table;
    try {
        table = ReadTextTable(path, TTextEncoding::teUtf8, ListDelimiter, true);
    } catch (const EZintException& error) {
        FDialogs.ErrorBox(window(), Translate(QStringLiteral("Cannot open the list")),
                          Translate(QStringLiteral("\"%1\" could not be read: %2"))
                              .arg(path, QString::fromUtf8(error.what())));
        return;
    }
    TItemListModel::TItems items;
    for (const TTableRecord& record : table.Records) {
        TItemListModel::TItem item{record.Cells.constFirst(), record.Cells.mid(1), -1};
        // Edits keep the text's own cell equal to the text, so the first equal cell is it.
        item.TextColumn = int(item.Cells.indexOf(item.Text));
        if (!item.Text.isEmpty())
            items.append(item);
    }
    FItems->ReplaceAll(table.Header.mid(1), items);
    FItems->History().setClean();
    FListPath = path;
    AddRecentList(path);
    if (FItems->Count() > 0)
        MakeCurrent(FItems->Count() - 1);
}

bool TListPane::MayLoseEntries()
{
    if (!HasUnsavedEntries())
        return true;
    switch (FDialogs.AskSaveList(window(), FItems->Count())) {
    case TDialogService::TUnsavedChoice::ucSave:
        return SaveList1Click();
    case TDialogService::TUnsavedChoice::ucDiscard:
        return true;
    case TDialogService::TUnsavedChoice::ucCancel:
        break;
    }
    return false;
}

void TListPane::SetRecentLists(const QStringList& paths)
{
    FRecentLists = paths.mid(0, RecentListCount);
}

void TListPane::AddRecentList(const QString& path)
{
    FRecentLists.removeAll(path);
    FRecentLists.prepend(path);
    SetRecentLists(FRecentLists);
}
