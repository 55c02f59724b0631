// "Load..." on CSV and TSV files: the column the user picks, remembered for the next start,
// and the cells every entry keeps.
#include "gui_test_base.h"

#include "app/item_list_model.h"
#include "app/item_list_view.h"
#include "io/text_table.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUndoStack>

class TableLoadTest : public TGuiTestBase
{
protected:
    TItemListModel& Items() const { return *qobject_cast<TItemListModel*>(List().model()); }
};

TEST_F(TableLoadTest, AsksForTheColumnAndProposesTheLastOneAtTheNextStart)
{
    ShowForm();
    AddEntry(QStringLiteral("TYPED"));
    // A byte-order mark, a quoted delimiter, an empty name and a record that ends early.
    const QString products = WriteFile("products.csv", "\xEF\xBB\xBFSKU,Name,Price\r\n"
                                                       "A-1,\"Bolt, M4\",5\r\n"
                                                       "A-2,,7\r\n"
                                                       "A-3\r\n"
                                                       "A-4,Nut,9\r\n");
    Dialogs.ColumnReplies.push_back(1);
    Load(products);
    ASSERT_EQ(Dialogs.ColumnRequests.size(), 1u);
    EXPECT_EQ(Dialogs.ColumnRequests[0].Columns, Texts({"SKU", "Name", "Price"}));
    EXPECT_EQ(Dialogs.ColumnRequests[0].Proposed, 0);
    EXPECT_EQ(ListTexts(), Texts({"TYPED", "Bolt, M4", "Nut"}));
    EXPECT_EQ(Form->CurrentText(), QStringLiteral("Nut"));
    EXPECT_EQ(Items().ColumnHeader(), Texts({"SKU", "Name", "Price"}));
    EXPECT_TRUE(Items().ItemCells(0).isEmpty());
    EXPECT_EQ(Items().ItemCells(1), Texts({"A-1", "Bolt, M4", "5"}));
    Dialogs.UnsavedReplies.push_back(TDialogService::TUnsavedChoice::ucDiscard);
    Form->close();
    Form.reset();

    // The same name in another place, written in another case, is proposed.
    ShowForm();
    const QString stock = WriteFile("stock.tsv", "Shelf\tCount\tNAME\nB2\t4\tWasher\n");
    Dialogs.ColumnReplies.push_back(2);
    Load(stock);
    ASSERT_EQ(Dialogs.ColumnRequests.size(), 2u);
    EXPECT_EQ(Dialogs.ColumnRequests[1].Proposed, 2);
    EXPECT_EQ(ListTexts(), Texts({"Washer"}));
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
}

// The list and the preview stay as they were on a cancel and on every kind of bad file.
TEST_F(TableLoadTest, CancelOrAnInvalidFileChangesNothing)
{
    ShowForm();
    AddEntry(QStringLiteral("KEEP"));
    const QString good = WriteFile("good.csv", "SKU,Name\nA-1,x\n");
    Load(good); // no column reply queued: the user cancels
    const struct
    {
        const char* Name;
        QByteArray Bytes;
        const char* Message;
    } bad[] = {
        {"open.csv", "SKU,Name\nA-1,\"x\nA-2,y\n",
         "line 2: unclosed quote; the quoted field that starts here never ends. Close it."},
        {"stray.tsv", "SKU\tName\nA\"1\tx\n",
         "line 2: quote inside an unquoted field; put the whole field in quotes and write the "
         "quote twice."},
        {"bytes.csv", "SKU,Name\nA-1,x\nA-2,\xFF\n",
         "byte 19 on line 3 is not valid UTF-8 text. Choose the encoding the file was saved in."},
    };
    QStringList paths;
    for (const auto& file : bad) {
        paths << WriteFile(file.Name, file.Bytes);
        Load(paths.last());
    }
    EXPECT_EQ(ListTexts(), Texts({"KEEP"}));
    EXPECT_EQ(Form->CurrentText(), QStringLiteral("KEEP"));
    EXPECT_TRUE(Items().ColumnHeader().isEmpty());
    ASSERT_EQ(Dialogs.ErrorBoxes.size(), std::size(bad));
    for (std::size_t i = 0; i < std::size(bad); ++i)
        EXPECT_EQ(Dialogs.ErrorBoxes[i].Text,
                  QStringLiteral("Cannot read \"%1\": ").arg(paths.at(qsizetype(i))) +
                      QString::fromUtf8(bad[i].Message));
}

// One column needs no question; its first record names it and is no entry.
TEST_F(TableLoadTest, ASingleColumnIsTakenWithoutAsking)
{
    ShowForm();
    Load(WriteFile("codes.tab", "Code\n\"A\"\"1\"\n\nB-2\n"));
    EXPECT_TRUE(Dialogs.ColumnRequests.empty());
    EXPECT_EQ(ListTexts(), Texts({"A\"1", "B-2"}));
    EXPECT_EQ(Items().ItemCells(1), Texts({"B-2"}));
}

// Tables of other column orders share the list's header; each entry's cells keep their names.
TEST_F(TableLoadTest, CellsFollowTheListsHeaderThroughEditsAndUndo)
{
    ShowForm();
    TItemListModel& items = Items();
    items.AppendRecords(Texts({"SKU", "Name"}), {{Texts({"A-1", "Bolt"}), 2}}, 0);
    items.AppendRecords(Texts({" name", "Colour", "sku"}), {{Texts({"Nut", "red", "B-2"}), 2}}, 2);
    items.Append(Texts({"typed"}));
    EXPECT_EQ(items.ColumnHeader(), Texts({"SKU", "Name", "Colour"}));
    EXPECT_EQ(items.ItemCells(0), Texts({"A-1", "Bolt"}));
    EXPECT_EQ(items.ItemCells(1), Texts({"B-2", "Nut", "red"}));
    EXPECT_TRUE(items.ItemCells(2).isEmpty());

    // The text is one of the cells, so an edit changes that cell as well.
    items.Replace(1, QStringLiteral("B-3"));
    EXPECT_EQ(items.ItemCells(1), Texts({"B-3", "Nut", "red"}));
    items.History().undo();
    EXPECT_EQ(items.ItemCells(1), Texts({"B-2", "Nut", "red"}));

    items.Clear();
    EXPECT_TRUE(items.ColumnHeader().isEmpty());
    items.History().undo();
    EXPECT_EQ(items.ColumnHeader(), Texts({"SKU", "Name", "Colour"}));
    EXPECT_EQ(items.ItemCells(1), Texts({"B-2", "Nut", "red"}));
    items.History().undo(); // the plain text
    items.History().undo(); // the second table
    EXPECT_EQ(items.ColumnHeader(), Texts({"SKU", "Name"}));
    EXPECT_EQ(items.Count(), 1);
}

// The folder export names files from the cells a loaded record keeps; a typed entry has none,
// so a name that needs a column fails for it alone.
TEST_F(TableLoadTest, FolderExportNamesFilesFromTheLoadedCells)
{
    ShowForm();
    AddEntry(QStringLiteral("TYPED"));
    Dialogs.ColumnReplies.push_back(1);
    Load(WriteFile("products.csv", "SKU,Name\nA-1,Bolt\nA-4,Nut\n"));
    Find<QLineEdit>("edFileNames")->setText(QStringLiteral("{col:SKU}"));
    QTemporaryDir folder;
    Dialogs.FolderReplies.push_back(folder.path());
    Find<QPushButton>("Button2")->click();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files, QDir::Name),
              Texts({"A-1.png", "A-4.png"}));
    ASSERT_EQ(Dialogs.Summaries.size(), 1u);
    ASSERT_EQ(Dialogs.Summaries[0].Failures.size(), 1u);
    EXPECT_EQ(Dialogs.Summaries[0].Failures[0].Number, 1);
    EXPECT_TRUE(Dialogs.Summaries[0].Failures[0].Message.contains(QStringLiteral("SKU")))
        << Dialogs.Summaries[0].Failures[0].Message.toStdString();
}
