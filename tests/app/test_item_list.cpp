#include "gui_test_base.h"

#include "app/item_list_view.h"
#include "app/preview_image.h"
#include "symbol/zint_symbol.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QString Add = QStringLiteral("Add");
const QString Edit = QStringLiteral("Edit");
constexpr int Utf8Choice = 4;
} // namespace

class ItemListTest : public TGuiTestBase
{
protected:
    void SetUp() override
    {
        TGuiTestBase::SetUp();
        ShowForm();
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        Edit1 = Find<QLineEdit>("Edit1");
        Button3 = Find<QPushButton>("Button3");
    }

    // The text the preview encoded last (Code 39 wraps it in asterisks).
    QString PreviewedText() const
    {
        const QByteArray text = Form->Symbol().text();
        return QString::fromUtf8(text.mid(1, text.size() - 2));
    }

    QString WriteFile(const char* name, const QByteArray& bytes)
    {
        const QString path = FFiles.filePath(QLatin1String(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    void Load(const QString& path, int encoding = Utf8Choice)
    {
        Dialogs.TextFileReplies.push_back({path, encoding});
        Find<QAction>("Load1")->trigger();
    }

    QLineEdit* Edit1 = nullptr;
    QPushButton* Button3 = nullptr;

private:
    QTemporaryDir FFiles;
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

TEST_F(ItemListTest, KeyboardSelectionLoadsNothing)
{
    AddEntry(QStringLiteral("X"));
    AddEntry(QStringLiteral("W"));
    ClickEntry(0);
    QTest::keyClick(&List(), Qt::Key_Down);
    EXPECT_EQ(List().SelectedRow(), 1);
    EXPECT_EQ(Edit1->text(), QStringLiteral("X"));
    EXPECT_EQ(PreviewedText(), QStringLiteral("X"));
}

TEST_F(ItemListTest, DeletingTheClickedEntryLeavesEditWithNothingToEdit)
{
    for (const char* text : {"A", "B", "C"})
        AddEntry(QLatin1String(text));
    ClickEntry(1);
    Find<QAction>("Delete1")->trigger();
    EXPECT_EQ(ListTexts(), QStringList({QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_EQ(List().SelectedRow(), -1) << "no neighbour takes over the selection";
    EXPECT_EQ(Button3->text(), Edit);

    Edit1->setText(QStringLiteral("Z"));
    Button3->click();
    EXPECT_EQ(ListTexts(), QStringList({QStringLiteral("A"), QStringLiteral("C")}));
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
        EXPECT_EQ(Edit1->text(), QStringLiteral("B")) << action;
        EXPECT_EQ(Button3->text(), Edit) << action;
        EXPECT_EQ(Form->CurrentText(), QStringLiteral("B")) << action;
        EXPECT_FALSE(Preview().IsEmpty()) << action;
        Edit1->clear();
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
    EXPECT_EQ(Edit1->text(), QStringLiteral("A"));
    EXPECT_EQ(Form->CurrentText(), QStringLiteral("A"));
    EXPECT_EQ(PreviewedText(), QStringLiteral("A"));

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
    EXPECT_EQ(Edit1->text(), QStringLiteral("KEEP"));
    EXPECT_EQ(Button3->text(), Add);
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

TEST_F(ItemListTest, FileOfEmptyLinesIntoAnEmptyListChangesNothing)
{
    Load(WriteFile("empty-lines.txt", "\r\n\n\r"));
    EXPECT_TRUE(ListTexts().isEmpty());
    EXPECT_EQ(Form->CurrentText(), QStringLiteral("1234567890"));
    EXPECT_EQ(List().SelectedRow(), -1);
}

TEST_F(ItemListTest, UnreadableFileIsReportedAndTheListStaysAsItWas)
{
    const QString missing = WriteFile("x", "") + QStringLiteral("-missing.txt");
    const struct
    {
        QString Path;
        QString Message;
    } cases[] = {
        {WriteFile("invalid.txt", "GOOD\nBAD\xC3\x28\n"),
         QStringLiteral("No mapping for the Unicode character exists in the target multi-byte "
                        "code page")},
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
