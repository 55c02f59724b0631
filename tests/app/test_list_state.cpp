// The entry box and the list in step after every change of the list, the Edit menu's keys,
// and the list's own files: saved, opened again, remembered, and asked for before closing.
#include "gui_test_base.h"

#include "app/item_list_model.h"
#include "app/item_list_view.h"
#include "app/list_pane.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {
const QString Add = QStringLiteral("Add");
const QString Edit = QStringLiteral("Edit");
} // namespace

class ListStateTest : public TGuiTestBase
{
protected:
    void SetUp() override
    {
        TGuiTestBase::SetUp();
        ShowActiveForm();
        Edit1 = Find<QLineEdit>("Edit1");
        Button3 = Find<QPushButton>("Button3");
    }

    TItemListModel& Items() const { return Form->ListPane().Items(); }

    // The box shows the selected entry with "Edit", or is empty with "Add" when none is.
    void ExpectBoxShowsTheCurrentEntry(const char* step) const
    {
        const int row = List().SelectedRow();
        if (row < 0) {
            EXPECT_TRUE(Edit1->text().isEmpty()) << step;
            EXPECT_EQ(Button3->text(), Add) << step;
        } else {
            EXPECT_EQ(Edit1->text(), ListTexts().at(row)) << step;
            EXPECT_EQ(Button3->text(), Edit) << step;
            EXPECT_EQ(Form->CurrentText(), ListTexts().at(row)) << step;
        }
    }

    void Rename(int row, const QString& text)
    {
        ClickEntry(row);
        List().setFocus();
        QTest::keyClick(&List(), Qt::Key_F2);
        // Not findChild: the editor of an earlier rename may still be waiting to be deleted.
        auto* editor = qobject_cast<QLineEdit*>(List().indexWidget(Items().index(row)));
        ASSERT_NE(editor, nullptr) << "F2 opens the in-place editor";
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the delegate commits from the event loop
    }

    void KeyOnList(QKeyCombination keys)
    {
        List().setFocus();
        QTest::keyClick(&List(), keys.key(), keys.keyboardModifiers());
    }

    QLineEdit* Edit1 = nullptr;
    QPushButton* Button3 = nullptr;
};

TEST_F(ListStateTest, TheBoxShowsTheCurrentEntryAfterEveryListOperation)
{
    const QString textFile = WriteFile("more.txt", "L1\nL2\n");
    const QString tableFile = WriteFile("table.csv", "SKU,Name\nS1,N1\nS2,N2\n");
    const struct
    {
        const char* Name;
        std::function<void()> Operation;
        QStringList After;
    } cases[] = {
        {"load text", [&] { Load(textFile); }, Texts({"A", "B", "C", "L1", "L2"})},
        {"load table",
         [&] {
             Dialogs.ColumnReplies.push_back(1);
             Load(tableFile);
         },
         Texts({"A", "B", "C", "N1", "N2"})},
        {"rename the selected", [&] { Rename(1, QStringLiteral("R")); }, Texts({"A", "R", "C"})},
        {"undo", [&] { KeyOnList(Qt::CTRL | Qt::Key_Z); }, Texts({"A", "B"})},
        {"undo a rename",
         [&] {
             Rename(1, QStringLiteral("R"));
             KeyOnList(Qt::CTRL | Qt::Key_Z);
         },
         Texts({"A", "B", "C"})},
        {"redo with Ctrl+Y",
         [&] {
             Rename(1, QStringLiteral("R"));
             KeyOnList(Qt::CTRL | Qt::Key_Z);
             KeyOnList(Qt::CTRL | Qt::Key_Y);
         },
         Texts({"A", "R", "C"})},
        {"redo with Ctrl+Shift+Z",
         [&] {
             KeyOnList(Qt::CTRL | Qt::Key_Z);
             KeyOnList(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
         },
         Texts({"A", "B", "C"})},
        {"delete the selected with Del",
         [&] {
             ClickEntry(1);
             KeyOnList(QKeyCombination(Qt::Key_Delete));
         },
         Texts({"A", "C"})},
        {"delete all", [&] { Find<QAction>("DeleteAll1")->trigger(); }, QStringList()},
        {"clear", [&] { Find<QAction>("New1")->trigger(); }, QStringList()},
        {"paste",
         [&] {
             QGuiApplication::clipboard()->setText(QStringLiteral("P1\nP2"));
             KeyOnList(Qt::CTRL | Qt::Key_V);
         },
         Texts({"A", "B", "C", "P1", "P2"})},
        {"paste from the Edit menu",
         [&] {
             QGuiApplication::clipboard()->setText(QStringLiteral("P1\nP2"));
             Find<QAction>("PasteLines1")->trigger();
         },
         Texts({"A", "B", "C", "P1", "P2"})},
    };
    for (const auto& entry : cases) {
        Find<QAction>("New1")->trigger();
        for (const char* text : {"A", "B", "C"})
            AddEntry(QLatin1String(text));
        ClickEntry(1); // "B" is the current entry before each operation
        entry.Operation();
        ASSERT_EQ(ListTexts(), entry.After) << entry.Name;
        ExpectBoxShowsTheCurrentEntry(entry.Name);

        // Whatever the box shows, its button does what it says.
        Edit1->setFocus();
        Edit1->setText(QStringLiteral("TYPED"));
        QTest::keyClick(Edit1, Qt::Key_Return);
        EXPECT_TRUE(ListTexts().contains(QStringLiteral("TYPED")))
            << entry.Name << ": the typed text is kept";
        EXPECT_EQ(Form->CurrentText(), QStringLiteral("TYPED")) << entry.Name;
    }
}

TEST_F(ListStateTest, AfterDeletingTheSelectedEntryTypingAddsANewOne)
{
    for (const char* text : {"A", "B", "C"})
        AddEntry(QLatin1String(text));
    ClickEntry(1);
    Find<QAction>("Delete1")->trigger();
    EXPECT_EQ(List().SelectedRow(), -1) << "no neighbour takes over the selection";
    EXPECT_TRUE(Edit1->text().isEmpty());
    EXPECT_EQ(Button3->text(), Add);

    QTest::keyClicks(Edit1, QStringLiteral("Z"));
    QTest::keyClick(Edit1, Qt::Key_Return);
    EXPECT_EQ(ListTexts(), Texts({"A", "C", "Z"}));
    EXPECT_EQ(Form->CurrentText(), QStringLiteral("Z"));
}

TEST_F(ListStateTest, TheEntryBoxKeepsItsOwnKeys)
{
    AddEntry(QStringLiteral("A"));
    ClickEntry(0);
    Edit1->setFocus();
    Edit1->setCursorPosition(0);
    QTest::keyClick(Edit1, Qt::Key_Delete);
    EXPECT_EQ(ListTexts(), Texts({"A"})) << "Del in the box deletes a character";
    EXPECT_TRUE(Edit1->text().isEmpty());
    QTest::keyClick(Edit1, Qt::Key_F2);
    EXPECT_EQ(List().viewport()->findChild<QLineEdit*>(), nullptr);
}

TEST_F(ListStateTest, TheEditMenuHoldsTheListsActionsWithTheirKeys)
{
    auto* menu = Find<QMenu>("Edit1Menu");
    ASSERT_NE(menu, nullptr);
    const struct
    {
        const char* Name;
        QList<QKeySequence> Keys;
    } cases[] = {
        {"Undo1", {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
        {"Redo1",
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}},
        {"Rename1", {QKeySequence(Qt::Key_F2)}},
        {"Delete1", {QKeySequence(Qt::Key_Delete)}},
        {"DeleteAll1", {}},
        {"PasteLines1", QKeySequence::keyBindings(QKeySequence::Paste)},
    };
    for (const auto& entry : cases) {
        auto* action = Find<QAction>(entry.Name);
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(menu->actions().contains(action)) << entry.Name;
        EXPECT_EQ(action->shortcuts(), entry.Keys) << entry.Name;
    }
    for (const char* name : {"File1", "Edit1Menu", "View1", "Help1"})
        EXPECT_TRUE(Find<QMenu>(name)->title().startsWith(u'&')) << name << " has its key";
}

TEST_F(ListStateTest, CtrlQClosesTheWindow)
{
    QTest::keyClick(Edit1, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(Form->isVisible());
}

TEST_F(ListStateTest, ASavedListOpensWithTheSameEntriesAndCells)
{
    AddEntry(QStringLiteral("typed, with \"quotes\""));
    Dialogs.ColumnReplies.push_back(1);
    Load(WriteFile("table.csv", "SKU,Name,Note\nS1,\"N1\nsecond line\",x\nS2, N2 \nS3,N3,,\n"));
    Rename(2, QStringLiteral("N2 renamed"));
    const TItemListModel::TItems items = Items().Items();
    const QStringList header = Items().ColumnHeader();
    ASSERT_EQ(items.size(), 4);

    const QString path = WriteFile("x", "") + QStringLiteral("-list.csv");
    Dialogs.SaveListReplies.push_back(path);
    Find<QAction>("SaveList1")->trigger();
    EXPECT_FALSE(Form->ListPane().HasUnsavedEntries());
    Find<QAction>("New1")->trigger();
    AddEntry(QStringLiteral("replaced by the opened list"));

    Dialogs.OpenListReplies.push_back(path);
    Find<QAction>("OpenList1")->trigger();
    EXPECT_EQ(Items().ColumnHeader(), header);
    ASSERT_EQ(Items().Items().size(), items.size());
    for (qsizetype row = 0; row < items.size(); ++row)
        EXPECT_EQ(Items().Items().at(row), items.at(row)) << row;
    EXPECT_FALSE(Form->ListPane().HasUnsavedEntries());
    ExpectBoxShowsTheCurrentEntry("open");
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());

    KeyOnList(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(ListTexts(), Texts({"replaced by the opened list"})) << "opening is one step";
}

TEST_F(ListStateTest, RecentListsAreRememberedAndReopened)
{
    AddEntry(QStringLiteral("A"));
    const QString first = WriteFile("x", "") + QStringLiteral("-first.csv");
    const QString second = WriteFile("y", "") + QStringLiteral("-second.csv");
    for (const QString& path : {first, second}) {
        Dialogs.SaveListReplies.push_back(path);
        Find<QAction>("SaveList1")->trigger();
    }
    AddEntry(QStringLiteral("B")); // not saved: the close asks, and is told to discard
    Dialogs.UnsavedReplies.push_back(TDialogService::TUnsavedChoice::ucDiscard);
    Form->close();
    Form.reset();

    ShowForm();
    EXPECT_EQ(Form->ListPane().RecentLists(), QStringList({second, first}));
    auto* recent = Find<QMenu>("RecentLists1");
    emit recent->aboutToShow();
    ASSERT_EQ(recent->actions().size(), 2);
    recent->actions().at(1)->trigger();
    EXPECT_EQ(ListTexts(), Texts({"A"}));
    EXPECT_EQ(Form->ListPane().RecentLists(), QStringList({first, second}));
}

TEST_F(ListStateTest, ClosingWithUnsavedEntriesAsks)
{
    Form->close();
    EXPECT_TRUE(Dialogs.UnsavedRequests.empty()) << "an empty list is not asked about";

    ShowForm();
    AddEntry(QStringLiteral("A"));
    AddEntry(QStringLiteral("B"));
    Form->close(); // nothing queued: cancelled
    EXPECT_EQ(Dialogs.UnsavedRequests, std::vector<int>{2});
    EXPECT_TRUE(Form->isVisible());
    EXPECT_EQ(Dialogs.Parents.constLast(), Form.get());

    // Save, but the file dialog is cancelled: the window stays.
    Dialogs.UnsavedReplies.push_back(TDialogService::TUnsavedChoice::ucSave);
    Form->close();
    EXPECT_TRUE(Form->isVisible());

    const QString path = WriteFile("x", "") + QStringLiteral("-saved.csv");
    Dialogs.UnsavedReplies.push_back(TDialogService::TUnsavedChoice::ucSave);
    Dialogs.SaveListReplies.push_back(path);
    Form->close();
    EXPECT_FALSE(Form->isVisible());
    EXPECT_TRUE(QFile::exists(path));

    // Saved, then changed again: asked again; discarding closes.
    ShowForm();
    Dialogs.OpenListReplies.push_back(path);
    Find<QAction>("OpenList1")->trigger();
    Form->close();
    EXPECT_FALSE(Form->isVisible()) << "an opened list unchanged is saved";
    ShowForm();
    Dialogs.OpenListReplies.push_back(path);
    Find<QAction>("OpenList1")->trigger();
    Find<QAction>("Delete1")->trigger();
    Dialogs.UnsavedReplies.push_back(TDialogService::TUnsavedChoice::ucDiscard);
    Form->close();
    EXPECT_FALSE(Form->isVisible());
    EXPECT_EQ(Dialogs.UnsavedRequests.size(), 4u);
}

TEST_F(ListStateTest, AListThatCannotBeSavedOrOpenedIsReported)
{
    AddEntry(QStringLiteral("A"));
    const QString folder = WriteFile("x", "") + QStringLiteral("-missing");
    Dialogs.SaveListReplies.push_back(folder + QStringLiteral("/list.csv"));
    Find<QAction>("SaveList1")->trigger();
    ASSERT_EQ(Dialogs.ErrorBoxes.size(), 1u);
    EXPECT_TRUE(Dialogs.ErrorBoxes[0].Text.contains(folder))
        << Dialogs.ErrorBoxes[0].Text.toStdString();
    EXPECT_TRUE(Form->ListPane().HasUnsavedEntries());

    Dialogs.OpenListReplies.push_back(WriteFile("broken.csv", "Text\n\"open quote\n"));
    Find<QAction>("OpenList1")->trigger();
    ASSERT_EQ(Dialogs.ErrorBoxes.size(), 2u);
    EXPECT_TRUE(Dialogs.ErrorBoxes[1].Text.contains(QStringLiteral("broken.csv")));
    EXPECT_EQ(ListTexts(), Texts({"A"}));
}
