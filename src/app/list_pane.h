#pragma once

#include "app/dialog_service.h"

#include <QWidget>

#include <optional>

class QAction;
class QDragMoveEvent;
class QDropEvent;
class QLineEdit;
class QMenu;
class QPushButton;
class QVBoxLayout;
class TItemListModel;
class TItemListView;
class TUserStore;
struct TListFile;

// The list of texts: the entry box and its Add/Edit button, the list with its undo history and
// context menu, and what loads into it (text and table files, pasted lines, dropped files).
class TListPane final : public QWidget
{
    Q_OBJECT

public:
    TListPane(TDialogService& dialogs, QWidget* parent = nullptr);
    ~TListPane() override;

    TItemListModel& Items() const { return *FItems; }
    TItemListView& View() const { return *ListView1; }
    // Room under the list for the window's own controls.
    void AddBelowList(QWidget* widget);
    // The list's undo and redo, for the window to hold: they act wherever the focus is.
    QList<QAction*> HistoryActions() const;
    // Rename, delete, delete all and paste lines, for the window's Edit menu.
    QList<QAction*> EditActions() const;

    void Button3Click();
    bool Edit1KeyPress(int key);
    void Edit1Change(const QString& text);
    void ListView1Click();
    // Opens the selected entry's in-place editor.
    void Rename1Click();
    void Delete1Click();
    void DeleteAll1Click();
    void Load1Click();
    // Appends the texts of the files read with the encoding: all of them, or none on an error
    // or when the user cancels a column choice.
    void LoadTextFiles(const QStringList& paths, int encoding);
    // One file for the list; a CSV or TSV file with several columns asks which holds the texts.
    // Empty when the user cancels. Raises EZintException.
    std::optional<TListFile> ReadListFile(const QString& path, int encoding);
    // Adds one entry per line of a pasted text.
    void PasteLines(const QString& text);
    // Files named on the command line (the desktop's "Open With") load as dropped files do.
    void OpenFiles(const QStringList& paths);
    // Local files dragged over the window or dropped on it.
    void DragMove(QDragMoveEvent* event);
    void Drop(QDropEvent* event);

    // The list as a file of its own (list_pane_document.cpp). The save asks for the file and
    // answers whether the list was saved; an error is reported.
    bool SaveList1Click();
    bool SaveList(const QString& path);
    void OpenList1Click();
    // Replaces the list, as one step, with the entries of a saved list.
    void OpenList(const QString& path);
    // Entries changed since the list was last saved or opened.
    bool HasUnsavedEntries() const;
    // Before the list is lost: asks whether to save unsaved entries; false when the user keeps
    // them (a cancel, or a save that did not happen).
    bool MayLoseEntries();
    // The lists saved or opened lately, the latest first.
    const QStringList& RecentLists() const { return FRecentLists; }
    void SetRecentLists(const QStringList& paths);

    // Where the texts were loaded from last, and the column chosen, from one start to the next.
    void RememberWork(TUserStore& store) const;
    void RestoreWork(const TUserStore& store);

signals:
    // The text the user added, edited, clicked or loaded last: the one to preview, with its
    // 1-based place in the list.
    void TextChosen(const QString& text, int entry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateShortcuts();
    // The box shows the selected entry with "Edit", or is empty with "Add" when none is.
    void ShowCurrentEntry();
    void ListChanged();
    // Selects the entry, shows it in the box and previews it.
    void MakeCurrent(int row);
    void AddRecentList(const QString& path);

    TDialogService& FDialogs;
    TDialogService::TTextFileChoice FLastTextFile;
    QString FLastTextColumn; // the name of the table column chosen last
    QString FListPath;       // the list file saved or opened last
    QStringList FRecentLists;
    QWidget* Panel4 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button3 = nullptr;
    TItemListView* ListView1 = nullptr;
    TItemListModel* FItems = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Rename1 = nullptr;
    QAction* Delete1 = nullptr;
    QAction* DeleteAll1 = nullptr;
    QAction* Undo1 = nullptr;
    QAction* Redo1 = nullptr;
    QAction* Paste1 = nullptr;
    QVBoxLayout* FLayout = nullptr;
};
