// The list of texts: adding and editing through the entry box, loading an entry by clicking
// it, deleting, and appending the lines of text files, the records of tables or the lines of a
// pasted text.
#include "app/app_form.h"

#include "app/item_list_model.h"
#include "app/item_list_view.h"
#include "app/list_file.h"
#include "base/zint_exception.h"
#include "io/text_import.h"

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>

#include <algorithm>
#include <vector>

namespace {
const QString AddCaption = QStringLiteral("Add");
const QString EditCaption = QStringLiteral("Edit");
} // namespace

void TAppForm::Button3Click()
{
    const QString caption = Button3->text();
    if (caption == AddCaption) {
        const QString text = Edit1->text();
        if (text.isEmpty()) {
            FEnvironment.Dialogs->Beep();
        } else {
            FItems->Append({text});
            FCurrentText = text;
            UpdateBarcode();
            Edit1->clear();
        }
        Edit1->setFocus();
    } else if (caption == EditCaption) {
        // The loaded entry, not the selected one: an import moves the selection too.
        if (!FLoadedEntry.isValid())
            return;
        FItems->Replace(FLoadedEntry.row(), Edit1->text());
        FCurrentText = Edit1->text();
        UpdateBarcode();
    }
}

bool TAppForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Edit1)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // The window's own keys, the list's undo and redo, win over the box's editing keys.
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* action : actions()) {
            if (action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
        return false;
    }
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste)) {
            // Several lines are several entries; a single line is pasted into the box.
            const QString text = QGuiApplication::clipboard()->text();
            if (SplitTextLines(text).size() < 2)
                return false;
            PasteLines(text);
            return true;
        }
        return Edit1KeyPress(key->key());
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
        // A dragged file is meant for the list, even where it lands on the box.
        event->ignore();
        dragMoveEvent(static_cast<QDragMoveEvent*>(event));
        return event->isAccepted();
    case QEvent::Drop:
        event->ignore();
        dropEvent(static_cast<QDropEvent*>(event));
        return event->isAccepted();
    default:
        return false;
    }
}

bool TAppForm::Edit1KeyPress(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    Button3->click();
    return true;
}

void TAppForm::Edit1Change(const QString& text)
{
    if (text.isEmpty())
        Button3->setText(AddCaption);
}

void TAppForm::ListView1Click()
{
    const int row = ListView1->SelectedRow();
    FLoadedEntry = row < 0 ? QPersistentModelIndex() : QPersistentModelIndex(FItems->index(row));
    if (row < 0) {
        Edit1->clear();
        Button3->setText(AddCaption);
        return;
    }
    Edit1->setText(FItems->Text(row));
    Button3->setText(EditCaption);
    FCurrentText = Edit1->text();
    UpdateBarcode();
}

void TAppForm::Delete1Click()
{
    const int row = ListView1->SelectedRow();
    if (row < 0)
        return;
    // Otherwise the view selects the neighbour, and "Edit" would change an entry never clicked.
    ListView1->selectionModel()->clear();
    FItems->removeRow(row);
}

void TAppForm::DeleteAll1Click()
{
    FItems->Clear();
}

void TAppForm::New1Click()
{
    DeleteAll1Click();
}

void TAppForm::Load1Click()
{
    const std::optional<TDialogService::TTextFileChoice> choice =
        FEnvironment.Dialogs->OpenTextFile(this, FLastTextFile);
    if (!choice)
        return;
    FLastTextFile = *choice;
    LoadTextFiles({choice->Path}, choice->Encoding);
}

void TAppForm::LoadTextFiles(const QStringList& paths, int encoding)
{
    std::vector<TListFile> files;
    try {
        for (const QString& path : paths) {
            std::optional<TListFile> file = ReadListFile(path, encoding);
            if (!file)
                return;
            files.push_back(std::move(*file));
        }
    } catch (const EZintException& error) {
        ShowDefaultError(error);
        return;
    }
    // Several files are still one load, undone at once; an empty macro would be a step that
    // does nothing.
    const auto bringsEntries = [](const TListFile& file) {
        return !file.Texts.isEmpty() || !file.Table.Records.empty();
    };
    const bool severalSteps = std::count_if(files.cbegin(), files.cend(), bringsEntries) > 1;
    QUndoStack& history = FItems->History();
    if (severalSteps)
        history.beginMacro(QStringLiteral("Load"));
    for (const TListFile& file : files) {
        if (file.TextColumn < 0)
            FItems->Append(file.Texts);
        else
            FItems->AppendRecords(file.Table.Header, file.Table.Records, file.TextColumn);
    }
    if (severalSteps)
        history.endMacro();
    if (FItems->Count() == 0)
        return;
    const int last = FItems->Count() - 1;
    ListView1->SelectRow(last);
    FCurrentText = FItems->Text(last);
    UpdateBarcode();
}

void TAppForm::PasteLines(const QString& text)
{
    const QStringList texts = SplitTextLines(text);
    if (texts.isEmpty())
        return;
    FItems->Append(texts);
    ListView1->scrollToBottom();
    FCurrentText = texts.constLast();
    UpdateBarcode();
}
