#include "gui_test_base.h"

#include "app/item_list_model.h"
#include "app/item_list_view.h"
#include "app/list_pane.h"
#include "app/preview_image.h"
#include "symbol/zint_symbol.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QStyleHints>
#include <QUrl>

#include <QTest>
#include <array>
#include <functional>
#include <initializer_list>

namespace {
const QString Add = QStringLiteral("Add");
const QString Edit = QStringLiteral("Edit");
} // namespace

class ItemListTest : public TGuiTestBase
{
protected:
    void SetUp() override
    {
        TGuiTestBase::SetUp();
        StartWith(QStringList());
    }

    // A new window, its undo history empty, whose list holds the texts added one by one.
    void StartWith(const QStringList& texts)
    {
        ShowActiveForm();
        Edit1 = Find<QLineEdit>("Edit1");
        Button3 = Find<QPushButton>("Button3");
        for (const QString& text : texts)
            AddEntry(text);
    }

    // The text the preview encoded last (Code 39 wraps it in asterisks).
    QString PreviewedText() const
    {
        const QByteArray text = Form->Symbol().text();
        return QString::fromUtf8(text.mid(1, text.size() - 2));
    }

    // Drags the local files over the target and drops them; answers whether the drag was
    // taken.
    bool DropFiles(QWidget* target, const QStringList& paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        data.setText(paths.join(u'\n')); // file managers send the paths as text too
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }

    QLineEdit* Edit1 = nullptr;
    QPushButton* Button3 = nullptr;
};

TEST_F(ItemListTest, TypingATextAndEnterAddsAndPreviewsIt)
{
    QTest::keyClicks(Edit1, QStringLiteral("ABC"));
    QTest::keyClick(Edit1, Qt::Key_Return);
    EXPECT_EQ(ListTexts(), QStringList{QStringLiteral("ABC")});
    EXPECT_EQ(Form->CurrentText(), QStringLiteral("ABC"));
    EXPECT_EQ(PreviewedText(), QStringLiteral("ABC"));
    EXPECT_TRUE(Edit1->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), Edit1);
    EXPECT_EQ(Button3->text(), Add);
    EXPECT_EQ(List().SelectedRow(), -1) << "a new entry is not selected";
    EXPECT_EQ(Dialogs.Beeps, 0);
}

TEST_F(ItemListTest, EnterOrAddWithAnEmptyBoxOnlyBeeps)
{
    Button3->setFocus();
    QTest::keyClick(Edit1, Qt::Key_Enter); // the keypad's Enter is the same character
    Button3->click();
    EXPECT_EQ(Dialogs.Beeps, 2);
    EXPECT_TRUE(ListTexts().isEmpty());
    EXPECT_EQ(Form->CurrentText(), QStringLiteral("1234567890"));
    EXPECT_EQ(QApplication::focusWidget(), Edit1);
}

TEST_F(ItemListTest, ClickLoadsAnEntryAndTheButtonThenChangesIt)
{
    AddEntry(QStringLiteral("X"));
    AddEntry(QStringLiteral("W"));
    ClickEntry(0);
    EXPECT_EQ(Edit1->text(), QStringLiteral("X"));
    EXPECT_EQ(Button3->text(), Edit);
    EXPECT_EQ(PreviewedText(), QStringLiteral("X"));

    Edit1->selectAll();
    QTest::keyClicks(Edit1, QStringLiteral("Y"));
    QTest::keyClick(Edit1, Qt::Key_Return);
    EXPECT_EQ(ListTexts(), QStringList({QStringLiteral("Y"), QStringLiteral("W")}));
    EXPECT_EQ(Form->CurrentText(), QStringLiteral("Y"));
    EXPECT_EQ(PreviewedText(), QStringLiteral("Y"));
    EXPECT_EQ(Edit1->text(), QStringLiteral("Y"));
    EXPECT_EQ(Button3->text(), Edit);
}

// A line of megabytes is shown cut in its row, which the view could not lay out quickly, and
// kept whole everywhere else.
TEST_F(ItemListTest, AVeryLongEntryIsShownCutButKeptWhole)
{
    const QString longText = QString(40000, u'A') + QStringLiteral("\U0001F600") + u'Z';
    AddEntry(QStringLiteral("short"));
    AddEntry(longText);
    const QAbstractItemModel& model = Form->ListPane().Items();
    // Each row isolated in its own direction (U+2068 ... U+2069).
    EXPECT_EQ(model.index(0, 0).data().toString(), QStringLiteral("\u2068short\u2069"));
    const QString shown = model.index(1, 0).data().toString();
    EXPECT_LT(shown.size(), 2000);
    EXPECT_TRUE(shown.endsWith(QStringLiteral("\u2026\u2069")));
    EXPECT_TRUE(longText.startsWith(shown.mid(1).chopped(2)));
    EXPECT_EQ(model.index(1, 0).data(Qt::EditRole).toString(), longText);

    ClickEntry(1);
    EXPECT_EQ(Edit1->text(), longText);
    EXPECT_EQ(ListTexts()[1], longText);
}

TEST_F(ItemListTest, EmptyingTheBoxSwitchesBackToAdding)
{
    AddEntry(QStringLiteral("X"));
    ClickEntry(0);
    QTest::keyClick(Edit1, Qt::Key_Backspace);
    EXPECT_EQ(Button3->text(), Add);
    QTest::keyClick(Edit1, Qt::Key_Return);
    EXPECT_EQ(Dialogs.Beeps, 1);
    EXPECT_EQ(ListTexts(), QStringList{QStringLiteral("X")});

    QTest::keyClicks(Edit1, QStringLiteral("Q"));
    EXPECT_EQ(Button3->text(), Add) << "a typed text leaves the caption";
}

TEST_F(ItemListTest, ClickOnEmptySpaceDropsTheSelectionButKeepsThePreview)
{
    AddEntry(QStringLiteral("X"));
    ClickEntry(0);
    ClickList(QPoint(5, List().viewport()->height() - 5));
    EXPECT_EQ(List().SelectedRow(), -1);
    EXPECT_TRUE(Edit1->text().isEmpty());
    EXPECT_EQ(Button3->text(), Add);
    EXPECT_EQ(PreviewedText(), QStringLiteral("X"));
}

TEST_F(ItemListTest, KeyboardMoveLoadsTheEntryThatEditThenReplaces)
{
    for (const char* text : {"A", "B", "C"})
        AddEntry(QLatin1String(text));
    ClickEntry(0);
    const struct
    {
        Qt::Key Key;
        int Row;
    } moves[] = {{Qt::Key_Down, 1}, {Qt::Key_End, 2}, {Qt::Key_Up, 1}};
    for (const auto& move : moves) {
        QTest::keyClick(&List(), move.Key);
        ASSERT_EQ(List().SelectedRow(), move.Row);
        EXPECT_EQ(Edit1->text(), ListTexts().at(move.Row)) << move.Row;
        EXPECT_EQ(Button3->text(), Edit);
        EXPECT_EQ(PreviewedText(), ListTexts().at(move.Row));
    }

    Edit1->setFocus();
    Edit1->selectAll();
    QTest::keyClicks(Edit1, QStringLiteral("Y"));
    QTest::keyClick(Edit1, Qt::Key_Return);
    EXPECT_EQ(ListTexts(),
              QStringList({QStringLiteral("A"), QStringLiteral("Y"), QStringLiteral("C")}));
    EXPECT_EQ(PreviewedText(), QStringLiteral("Y"));

    // A key that drops the selection empties the box, as a click on empty space does.
    QTest::keyClick(&List(), Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(List().SelectedRow(), -1);
    EXPECT_TRUE(Edit1->text().isEmpty());
    EXPECT_EQ(Button3->text(), Add);
}

TEST_F(ItemListTest, AnImportMakesItsLastEntryTheOneEditReplaces)
{
    AddEntry(QStringLiteral("A"));
    AddEntry(QStringLiteral("B"));
    ClickEntry(0);
    Load(WriteFile("more.txt", "F\n"));
    ASSERT_EQ(List().SelectedRow(), 2);
    EXPECT_EQ(Edit1->text(), QStringLiteral("F"));
    Edit1->setText(QStringLiteral("F2"));
    Button3->click();
    EXPECT_EQ(ListTexts(),
              QStringList({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("F2")}));

    Find<QAction>("Delete1")->trigger(); // the selected "F2"
    Edit1->setText(QStringLiteral("A3"));
    Button3->click();
    EXPECT_EQ(ListTexts(),
              QStringList({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("A3")}));
}

TEST_F(ItemListTest, ClickOnTheSelectedEntryLoadsItAndRenamesNothing)
{
    // Any delayed rename is due at once, so a rename that a click started would show.
    QStyleHints* hints = QGuiApplication::styleHints();
    const int interval = hints->mouseDoubleClickInterval();
    hints->setMouseDoubleClickInterval(0);
    AddEntry(QStringLiteral("A"));
    AddEntry(QStringLiteral("B"));
    ClickEntry(0);
    Edit1->setText(QStringLiteral("typed over"));
    ClickEntry(0);
    QCoreApplication::processEvents();
    hints->setMouseDoubleClickInterval(interval);
    EXPECT_EQ(List().indexWidget(List().model()->index(0, 0)), nullptr) << "no rename editor";
    EXPECT_EQ(Edit1->text(), QStringLiteral("A"));
    EXPECT_EQ(Button3->text(), Edit);

    TItemListView& list = List();
    ClickEntry(1);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                       list.visualRect(list.model()->index(1, 0)).center());
    EXPECT_NE(list.indexWidget(list.model()->index(1, 0)), nullptr) << "a double click renames";
}

TEST_F(ItemListTest, DeletingTheClickedEntryLeavesTheBoxReadyToAdd)
{
    for (const char* text : {"A", "B", "C"})
        AddEntry(QLatin1String(text));
    ClickEntry(1);
    Find<QAction>("Delete1")->trigger();
    EXPECT_EQ(ListTexts(), QStringList({QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_EQ(List().SelectedRow(), -1) << "no neighbour takes over the selection";
    EXPECT_EQ(Button3->text(), Add);
    EXPECT_TRUE(Edit1->text().isEmpty());
    EXPECT_EQ(PreviewedText(), QStringLiteral("B"));

    Find<QAction>("Delete1")->trigger(); // nothing selected: nothing happens
    EXPECT_EQ(ListTexts().size(), 2);
}

TEST_F(ItemListTest, DeleteAllAndClearEmptyOnlyTheList)
{
    for (const char* action : {"DeleteAll1", "New1"}) {
        AddEntry(QStringLiteral("A"));
        AddEntry(QStringLiteral("B"));
        ClickEntry(1);
        Find<QAction>(action)->trigger();
        EXPECT_TRUE(ListTexts().isEmpty()) << action;
        EXPECT_TRUE(Edit1->text().isEmpty()) << action;
        EXPECT_EQ(Button3->text(), Add) << action;
        EXPECT_EQ(Form->CurrentText(), QStringLiteral("B")) << action;
        EXPECT_FALSE(Preview().IsEmpty()) << action;
    }
}

TEST_F(ItemListTest, RenamingInPlaceChangesOnlyTheEntry)
{
    AddEntry(QStringLiteral("A"));
    AddEntry(QStringLiteral("B"));
    ClickEntry(0);
    QTest::keyClick(&List(), Qt::Key_F2);
    auto* editor = List().viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr) << "F2 opens the in-place editor";
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("RENAMED"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the delegate commits from the event loop
    EXPECT_EQ(ListTexts(), QStringList({QStringLiteral("RENAMED"), QStringLiteral("B")}));
    EXPECT_EQ(Edit1->text(), QStringLiteral("RENAMED")) << "the box follows the current entry";
    EXPECT_EQ(Form->CurrentText(), QStringLiteral("RENAMED"));
    EXPECT_EQ(PreviewedText(), QStringLiteral("RENAMED"));

    ClickEntry(1);
    ClickEntry(0);
    EXPECT_EQ(Edit1->text(), QStringLiteral("RENAMED"));
    EXPECT_EQ(PreviewedText(), QStringLiteral("RENAMED"));
}

TEST_F(ItemListTest, LoadAppendsTheNonEmptyLinesAndPreviewsTheLastEntry)
{
    AddEntry(QStringLiteral("Z"));
    Edit1->setText(QStringLiteral("KEEP"));
    Load(WriteFile("example.txt", "A\r\n\r\nB\r\n \r\nA\r\n"));
    EXPECT_EQ(ListTexts(),
              QStringList({QStringLiteral("Z"), QStringLiteral("A"), QStringLiteral("B"),
                           QStringLiteral(" "), QStringLiteral("A")}));
    EXPECT_EQ(List().SelectedRow(), 4);
    EXPECT_EQ(Form->CurrentText(), QStringLiteral("A"));
    EXPECT_EQ(PreviewedText(), QStringLiteral("A"));
    EXPECT_EQ(Edit1->text(), QStringLiteral("A")) << "the box shows the current entry";
    EXPECT_EQ(Button3->text(), Edit);
}

TEST_F(ItemListTest, LoadReadsLineEndsAndByteOrderMarks)
{
    const struct
    {
        const char* Name;
        QByteArray Bytes;
        int Encoding;
    } cases[] = {
        {"utf16le-bom.txt",
         QByteArray("\xFF\xFE"
                    "A\0B\0\r\0\n\0C\0",
                    12),
         Utf8Choice},
        {"utf16be-bom.txt", QByteArray("\xFE\xFF\0A\0B\0\n\0C", 10), Utf8Choice},
        {"utf8-bom.txt",
         QByteArray("\xEF\xBB\xBF"
                    "AB\nC\n"),
         0},
        {"mac.txt", QByteArray("AB\rC\r"), Utf8Choice},
        {"no-final-end.txt", QByteArray("AB\n\n\nC"), Utf8Choice},
    };
    for (const auto& entry : cases) {
        Find<QAction>("New1")->trigger();
        Load(WriteFile(entry.Name, entry.Bytes), entry.Encoding);
        EXPECT_EQ(ListTexts(), QStringList({QStringLiteral("AB"), QStringLiteral("C")}))
            << entry.Name;
        EXPECT_EQ(PreviewedText(), QStringLiteral("C")) << entry.Name;
    }
}

// It says so: a load that adds nothing without a word looks like a load that did not happen.
TEST_F(ItemListTest, FileOfEmptyLinesIntoAnEmptyListChangesNothing)
{
    const QString path = WriteFile("empty-lines.txt", "\r\n\n\r");
    Load(path);
    ASSERT_EQ(Dialogs.ErrorBoxes.size(), 1u);
    EXPECT_EQ(Dialogs.ErrorBoxes[0].Text,
              QStringLiteral("The file \"%1\" holds no texts: it is empty or has only empty lines. "
                             "Load a file with one text on each line.")
                  .arg(path));
    EXPECT_TRUE(ListTexts().isEmpty());
    EXPECT_EQ(Form->CurrentText(), QStringLiteral("1234567890"));
    EXPECT_EQ(List().SelectedRow(), -1);
}

TEST_F(ItemListTest, UnreadableFileIsReportedAndTheListStaysAsItWas)
{
    const QString missing = WriteFile("x", "") + QStringLiteral("-missing.txt");
    const QString invalid = WriteFile("invalid.txt", "GOOD\nBAD\xC3\x28\n");
    const struct
    {
        QString Path;
        QString Message;
    } cases[] = {
        {invalid, QStringLiteral("Cannot read \"%1\": byte 8 on line 2 is not valid UTF-8 text. "
                                 "Choose the encoding the file was saved in.")
                      .arg(invalid)},
        {missing,
         QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(missing)},
    };
    AddEntry(QStringLiteral("Z"));
    for (const auto& entry : cases) {
        Dialogs.ErrorBoxes.clear();
        Load(entry.Path);
        ASSERT_EQ(Dialogs.ErrorBoxes.size(), 1u);
        EXPECT_EQ(Dialogs.ErrorBoxes[0].Caption, QStringLiteral("Lintaro"));
        EXPECT_EQ(Dialogs.ErrorBoxes[0].Text, entry.Message);
        EXPECT_EQ(ListTexts(), QStringList{QStringLiteral("Z")});
        EXPECT_EQ(PreviewedText(), QStringLiteral("Z"));
    }
}

TEST_F(ItemListTest, ImportDialogReopensWithTheLastFileAndEncoding)
{
    Find<QAction>("Load1")->trigger(); // cancelled
    const QString path = WriteFile("ansi.txt", "AB\n");
    Load(path, 3);
    Load(path, 0);
    ASSERT_EQ(Dialogs.TextFileRequests.size(), 3u);
    EXPECT_TRUE(Dialogs.TextFileRequests[0].Path.isEmpty());
    EXPECT_EQ(Dialogs.TextFileRequests[0].Encoding, Utf8Choice);
    EXPECT_TRUE(Dialogs.TextFileRequests[1].Path.isEmpty()) << "a cancel remembers nothing";
    EXPECT_EQ(Dialogs.TextFileRequests[2].Path, path);
    EXPECT_EQ(Dialogs.TextFileRequests[2].Encoding, 3);
    EXPECT_EQ(Dialogs.ErrorBoxes.size(), 1u) << "odd byte count is no UTF-16 BE";
    EXPECT_EQ(ListTexts(), QStringList{QStringLiteral("AB")});
}

TEST_F(ItemListTest, EveryListChangeIsOneUndoStep)
{
    const QString loadFile = WriteFile("load.txt", "L1\nL2\n");
    const QString dropFile = WriteFile("drop.txt", "D1\n");
    const struct
    {
        const char* Name;
        std::function<void()> Change;
        QStringList After;
    } cases[] = {
        {"add", [&] { AddEntry(QStringLiteral("C")); }, Texts({"A", "B", "C"})},
        {"edit",
         [&] {
             ClickEntry(1);
             Edit1->setText(QStringLiteral("E"));
             Button3->click();
         },
         Texts({"A", "E"})},
        {"rename",
         [&] {
             List().edit(List().model()->index(0, 0));
             auto* editor = List().viewport()->findChild<QLineEdit*>();
             ASSERT_NE(editor, nullptr);
             editor->setText(QStringLiteral("R"));
             QTest::keyClick(editor, Qt::Key_Return);
             QCoreApplication::processEvents();
         },
         Texts({"R", "B"})},
        {"delete",
         [&] {
             ClickEntry(0);
             Find<QAction>("Delete1")->trigger();
         },
         Texts({"B"})},
        {"delete all", [&] { Find<QAction>("DeleteAll1")->trigger(); }, QStringList()},
        {"clear", [&] { Find<QAction>("New1")->trigger(); }, QStringList()},
        {"load", [&] { Load(loadFile); }, Texts({"A", "B", "L1", "L2"})},
        {"paste", [&] { Form->ListPane().PasteLines(QStringLiteral("P1\nP2")); },
         Texts({"A", "B", "P1", "P2"})},
        {"drop", [&] { ASSERT_TRUE(DropFiles(Form.get(), {dropFile})); }, Texts({"A", "B", "D1"})},
    };
    const QStringList before = Texts({"A", "B"});
    for (const auto& entry : cases) {
        StartWith(before);
        entry.Change();
        ASSERT_EQ(ListTexts(), entry.After) << entry.Name;

        // Undo from the entry box, where the focus stays after adding; redo from the list.
        Edit1->setFocus();
        QTest::keyClick(Edit1, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(ListTexts(), before) << entry.Name;
        List().setFocus();
        QTest::keyClick(&List(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(ListTexts(), entry.After) << entry.Name;

        QTest::keyClick(&List(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&List(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(ListTexts(), QStringList{QStringLiteral("A")})
            << entry.Name << ": the change and the second add are one step each";
    }
}

TEST_F(ItemListTest, PastingSeveralLinesAddsOneEntryPerLine)
{
    AddEntry(QStringLiteral("A"));
    QGuiApplication::clipboard()->setText(QStringLiteral("P1\r\nP2\n\n \rP3\n"));
    List().setFocus();
    QTest::keyClick(&List(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ListTexts(), Texts({"A", "P1", "P2", " ", "P3"}));
    EXPECT_EQ(PreviewedText(), QStringLiteral("P3"));

    // Into the entry box: lines become entries, the last of them the current one.
    Edit1->setFocus();
    Edit1->setText(QStringLiteral("typed"));
    QGuiApplication::clipboard()->setText(QStringLiteral("Q1\nQ2"));
    QTest::keyClick(Edit1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ListTexts(), Texts({"A", "P1", "P2", " ", "P3", "Q1", "Q2"}));
    EXPECT_EQ(Edit1->text(), QStringLiteral("Q2"));
    EXPECT_EQ(PreviewedText(), QStringLiteral("Q2"));

    // A single line is pasted into the box as text.
    Edit1->setText(QStringLiteral("typed"));
    QGuiApplication::clipboard()->setText(QStringLiteral("S\n"));
    QTest::keyClick(Edit1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ListTexts().size(), 7);
    EXPECT_TRUE(Edit1->text().startsWith(QStringLiteral("typedS")));
}

TEST_F(ItemListTest, DroppedFileLoadsWithTheEncodingChosenLast)
{
    AddEntry(QStringLiteral("Z"));
    Load(WriteFile("first.txt", QByteArray("A\0", 2)), 2); // "Unicode", no byte-order mark
    const QString second = WriteFile("second.txt", QByteArray("B\0\n\0C\0", 6));
    ASSERT_TRUE(DropFiles(Form.get(), {second}));
    EXPECT_EQ(ListTexts(), Texts({"Z", "A", "B", "C"}));
    EXPECT_EQ(List().SelectedRow(), 3);
    EXPECT_EQ(PreviewedText(), QStringLiteral("C"));

    ASSERT_TRUE(DropFiles(Edit1, {second})) << "the entry box passes files to the list";
    EXPECT_EQ(ListTexts(), Texts({"Z", "A", "B", "C", "B", "C"}));
    EXPECT_EQ(Edit1->text(), QStringLiteral("C"));
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
}

TEST_F(ItemListTest, FilesNamedAtStartLoadAsDroppedFilesDo)
{
    Load(WriteFile("first.txt", QByteArray("A\0", 2)), 2); // "Unicode", no byte-order mark
    Form->ListPane().OpenFiles({WriteFile("second.txt", QByteArray("B\0\n\0C\0", 6))});
    EXPECT_EQ(ListTexts(), Texts({"A", "B", "C"}));
    EXPECT_EQ(PreviewedText(), QStringLiteral("C"));
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());

    const QString missing = WriteFile("gone.txt", {});
    ASSERT_TRUE(QFile::remove(missing));
    Form->ListPane().OpenFiles({WriteFile("third.txt", QByteArray("D\0", 2)), missing});
    EXPECT_EQ(Dialogs.ErrorBoxes.size(), 1u);
    EXPECT_EQ(ListTexts(), Texts({"A", "B", "C"}));
}

TEST_F(ItemListTest, UndecodableFileIsReportedAndAddsNothing)
{
    AddEntry(QStringLiteral("Z"));
    const QString good = WriteFile("good.txt", "G\n");
    const QString bad = WriteFile("bad.txt", "GOOD\nBAD\xC3\x28\n");
    ASSERT_TRUE(DropFiles(Form.get(), {good, bad}));
    ASSERT_EQ(Dialogs.ErrorBoxes.size(), 1u);
    EXPECT_EQ(Dialogs.ErrorBoxes[0].Text,
              QStringLiteral("Cannot read \"%1\": byte 8 on line 2 is not valid UTF-8 text. "
                             "Choose the encoding the file was saved in.")
                  .arg(bad));
    EXPECT_EQ(ListTexts(), Texts({"Z"}));
    EXPECT_EQ(PreviewedText(), QStringLiteral("Z"));
}

TEST_F(ItemListTest, OnlyLocalFilesAreTaken)
{
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://example.com/list.txt"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Form.get(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

TEST_F(ItemListTest, MenuShortcutsTriggerTheirItems)
{
    AddEntry(QStringLiteral("A"));
    // How often each dialog was opened: the open-text, the save-image and the folder dialog.
    const auto opened = [this] {
        return std::array<std::size_t, 3>{Dialogs.TextFileRequests.size(),
                                          Dialogs.SaveImageRequests.size(),
                                          Dialogs.FolderRequests.size()};
    };
    const struct
    {
        QKeyCombination Keys;
        std::size_t Dialog;
    } cases[] = {
        {Qt::CTRL | Qt::Key_O, 0},
        {Qt::CTRL | Qt::Key_S, 1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_S, 2},
    };
    for (const auto& entry : cases) {
        for (QWidget* focus : {static_cast<QWidget*>(Edit1), static_cast<QWidget*>(&List())}) {
            auto expected = opened();
            ++expected[entry.Dialog];
            focus->setFocus();
            QTest::keyClick(focus, entry.Keys.key(), entry.Keys.keyboardModifiers());
            EXPECT_EQ(opened(), expected) << qPrintable(QKeySequence(entry.Keys).toString())
                                          << " in " << qPrintable(focus->objectName());
        }
    }
}

TEST_F(ItemListTest, RowsAreAsTallAsTheFontDrawsAccentedCapitals)
{
    AddEntry(QStringLiteral("abc"));
    AddEntry(QStringLiteral("ÄÅÉ"));
    const QFontMetrics metrics(List().font());
    const int accented = metrics.boundingRect(QStringLiteral("ÄÅÉ")).height();
    for (int row = 0; row < 2; ++row) {
        const int height = List().visualRect(List().model()->index(row, 0)).height();
        EXPECT_GE(height, accented) << row;
        EXPECT_GE(height, metrics.height()) << row;
    }
}
