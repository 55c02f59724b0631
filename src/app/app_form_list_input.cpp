// The list's keys beyond the entry box: undo and redo of every list change, pasting lines
// into the list, and text files dropped on the window.
#include "app/app_form.h"

#include "app/item_list_model.h"
#include "app/item_list_view.h"

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QUndoStack>
#include <QUrl>

namespace {
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

void TAppForm::CreateListShortcuts()
{
    QUndoStack& history = FItems->History();
    QAction* undo = history.createUndoAction(this);
    undo->setObjectName(QStringLiteral("Undo1"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = history.createRedoAction(this);
    redo->setObjectName(QStringLiteral("Redo1"));
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    addActions({undo, redo});

    // The list has no text of its own to paste into: every line becomes an entry.
    auto* paste = new QAction(ListView1);
    paste->setObjectName(QStringLiteral("PasteLines1"));
    paste->setShortcuts(QKeySequence::Paste);
    paste->setShortcutContext(Qt::WidgetShortcut);
    ListView1->addAction(paste);
    connect(paste, &QAction::triggered, this,
            [this] { PasteLines(QGuiApplication::clipboard()->text()); });

    setAcceptDrops(true);
}

void TAppForm::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void TAppForm::dragMoveEvent(QDragMoveEvent* event)
{
    if (!DraggedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TAppForm::dropEvent(QDropEvent* event)
{
    const QStringList paths = DraggedFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    OpenFiles(paths);
}

void TAppForm::OpenFiles(const QStringList& paths)
{
    // Read as "Load..." reads, with the encoding chosen there last.
    LoadTextFiles(paths, FLastTextFile.Encoding);
}
