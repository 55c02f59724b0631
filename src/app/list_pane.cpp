// The list pane's controls and their keys: adding and editing through the entry box, loading an
// entry by clicking it, renaming, deleting, undo and redo, pasting lines and dropping files.
// The selected entry is the current one: after every change the box shows it, or is empty.
#include "app/list_pane.h"
#include "i18n/translation_engine.h"

#include "app/item_list_model.h"
#include "app/item_list_view.h"
#include "io/text_import.h"

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QUndoStack>
#include <QUrl>
#include <QVBoxLayout>

#include <limits>

namespace {
// Functions: the language is chosen after static start-up.
QString AddCaption()
{
    return Translate(QStringLiteral("Add"));
}
QString EditCaption()
{
    return Translate(QStringLiteral("Edit"));
}

// The local files a drag carries; empty when it carries anything else as well.
QStringList DraggedFiles(const QMimeData* data)
{
    QStringList paths;
    if (!data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            return QStringList();
        paths << url.toLocalFile();
    }
    return paths;
}
} // namespace

TListPane::TListPane(TDialogService& dialogs, QWidget* parent)
    : QWidget(parent), FDialogs(dialogs), FLastTextFile{QString(), int(TTextEncoding::teUtf8)}
{
    setObjectName(QStringLiteral("Panel3"));
    Panel4 = new QWidget;
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setFixedHeight(30);
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    // Qt's default of 32,767 characters would cut a longer entry loaded for editing, and the
    // cut text would replace it.
    Edit1->setMaxLength(std::numeric_limits<int>::max());
    // The window opens ready for typing: focus given to the pane goes to its entry box.
    setFocusProxy(Edit1);
    Edit1->setFont(QFont(QStringLiteral("Tahoma"), 10));
    Button3 = new QPushButton(AddCaption());
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setFixedWidth(75);
    Edit1->installEventFilter(this);
    connect(Edit1, &QLineEdit::textChanged, this, &TListPane::Edit1Change);
    connect(Button3, &QPushButton::clicked, this, &TListPane::Button3Click);
    auto* entryRow = new QHBoxLayout(Panel4);
    entryRow->setContentsMargins(0, 0, 0, 0);
    entryRow->setSpacing(0);
    entryRow->addWidget(Edit1, 1);
    entryRow->addWidget(Button3);

    ListView1 = new TItemListView;
    ListView1->setObjectName(QStringLiteral("ListView1"));
    FItems = new TItemListModel(ListView1);
    ListView1->setModel(FItems);
    connect(ListView1, &TItemListView::Clicked, this, &TListPane::ListView1Click);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Rename1 = PopupMenu1->addAction(Translate(QStringLiteral("Re&name")));
    Rename1->setObjectName(QStringLiteral("Rename1"));
    Delete1 = PopupMenu1->addAction(Translate(QStringLiteral("&Delete")));
    Delete1->setObjectName(QStringLiteral("Delete1"));
    DeleteAll1 = PopupMenu1->addAction(Translate(QStringLiteral("Delete &All")));
    DeleteAll1->setObjectName(QStringLiteral("DeleteAll1"));
    connect(Rename1, &QAction::triggered, this, &TListPane::Rename1Click);
    connect(Delete1, &QAction::triggered, this, &TListPane::Delete1Click);
    connect(DeleteAll1, &QAction::triggered, this, &TListPane::DeleteAll1Click);
    // Undo, redo and every other change: the box follows the list.
    connect(&FItems->History(), &QUndoStack::indexChanged, this, &TListPane::ListChanged);
    connect(ListView1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        PopupMenu1->popup(ListView1->viewport()->mapToGlobal(pos));
    });

    FLayout = new QVBoxLayout(this);
    FLayout->setContentsMargins(0, 0, 0, 0);
    FLayout->setSpacing(0);
    FLayout->addWidget(Panel4);
    FLayout->addWidget(ListView1, 1);
    CreateShortcuts();
}

TListPane::~TListPane()
{
    // The history empties itself as it goes, after this pane is gone.
    disconnect(&FItems->History(), nullptr, this, nullptr);
}

void TListPane::AddBelowList(QWidget* widget)
{
    FLayout->addWidget(widget);
}

QList<QAction*> TListPane::HistoryActions() const
{
    return {Undo1, Redo1};
}

QList<QAction*> TListPane::EditActions() const
{
    return {Rename1, Delete1, DeleteAll1, Paste1};
}

void TListPane::CreateShortcuts()
{
    QUndoStack& history = FItems->History();
    Undo1 = history.createUndoAction(this, Translate(QStringLiteral("&Undo")));
    Undo1->setObjectName(QStringLiteral("Undo1"));
    Undo1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Redo1 = history.createRedoAction(this, Translate(QStringLiteral("&Redo")));
    Redo1->setObjectName(QStringLiteral("Redo1"));
    Redo1->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    // These keys mean something else in the entry box: they act on the list only while it has
    // the focus (or from a menu).
    Rename1->setShortcut(QKeySequence(Qt::Key_F2));
    Delete1->setShortcut(QKeySequence(Qt::Key_Delete));
    // The list has no text of its own to paste into: every line becomes an entry.
    Paste1 = new QAction(Translate(QStringLiteral("&Paste Lines")), ListView1);
    Paste1->setObjectName(QStringLiteral("PasteLines1"));
    Paste1->setShortcuts(QKeySequence::Paste);
    connect(Paste1, &QAction::triggered, this,
            [this] { PasteLines(QGuiApplication::clipboard()->text()); });
    for (QAction* action : {Rename1, Delete1, Paste1}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        ListView1->addAction(action);
    }
}

void TListPane::Button3Click()
{
    const QString caption = Button3->text();
    if (caption == AddCaption()) {
        const QString text = Edit1->text();
        if (text.isEmpty()) {
            FDialogs.Beep();
        } else {
            // A new entry is not the selected one; the box is about to be emptied for the next.
            ListView1->selectionModel()->clear();
            FItems->Append({text});
            emit TextChosen(text, FItems->Count());
            Edit1->clear();
        }
        Edit1->setFocus();
    } else if (caption == EditCaption()) {
        const int row = ListView1->SelectedRow();
        if (row < 0)
            return;
        const QString text = Edit1->text();
        FItems->Replace(row, text);
        emit TextChosen(text, row + 1);
    }
}

bool TListPane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Edit1)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // The window's own keys, the list's undo and redo, win over the box's editing keys.
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* action : window()->actions()) {
            if (action->shortcuts().contains(pressed)) {
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
        DragMove(static_cast<QDragMoveEvent*>(event));
        return event->isAccepted();
    case QEvent::Drop:
        event->ignore();
        Drop(static_cast<QDropEvent*>(event));
        return event->isAccepted();
    default:
        return false;
    }
}

bool TListPane::Edit1KeyPress(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    Button3->click();
    return true;
}

void TListPane::Edit1Change(const QString& text)
{
    if (text.isEmpty())
        Button3->setText(AddCaption());
}

void TListPane::ListView1Click()
{
    ShowCurrentEntry();
    const int row = ListView1->SelectedRow();
    if (row >= 0)
        emit TextChosen(FItems->Text(row), row + 1);
}

void TListPane::ShowCurrentEntry()
{
    const int row = ListView1->SelectedRow();
    if (row < 0) {
        // A text being typed for a new entry stays; one loaded from an entry is gone with it.
        if (Button3->text() == EditCaption())
            Edit1->clear();
        Button3->setText(AddCaption());
        return;
    }
    Edit1->setText(FItems->Text(row));
    Button3->setText(EditCaption());
}

void TListPane::ListChanged()
{
    const int row = ListView1->SelectedRow();
    const bool renamed = row >= 0 && Edit1->text() != FItems->Text(row);
    ShowCurrentEntry();
    // An undo or a rename of the current entry: the preview follows it.
    if (renamed)
        emit TextChosen(FItems->Text(row), row + 1);
}

void TListPane::MakeCurrent(int row)
{
    ListView1->SelectRow(row);
    ShowCurrentEntry();
    emit TextChosen(FItems->Text(row), row + 1);
}

void TListPane::Rename1Click()
{
    const int row = ListView1->SelectedRow();
    if (row < 0)
        return;
    ListView1->setFocus();
    ListView1->edit(FItems->index(row));
}

void TListPane::Delete1Click()
{
    const int row = ListView1->SelectedRow();
    if (row < 0)
        return;
    // Otherwise the view selects the neighbour: an entry the user never chose.
    ListView1->selectionModel()->clear();
    FItems->removeRow(row);
}

void TListPane::DeleteAll1Click()
{
    FItems->Clear();
}

void TListPane::DragMove(QDragMoveEvent* event)
{
    if (!DraggedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TListPane::Drop(QDropEvent* event)
{
    const QStringList paths = DraggedFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    OpenFiles(paths);
}
