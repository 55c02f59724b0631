// Entries that will fail are marked in the list, with the reason as the tooltip, checked again
// whenever the list or the settings change.
#include "gui_test_base.h"

#include "app/entry_checker.h"
#include "app/item_list_model.h"
#include "app/list_pane.h"
#include "app/preview_image.h"

#include <QIcon>
#include <QSignalSpy>

class EntryMarksTest : public TGuiTestBase
{
protected:
    void SetUp() override
    {
        TGuiTestBase::SetUp();
        ShowForm();
    }

    TItemListModel& Items() const { return Form->ListPane().Items(); }

    void WaitForChecks()
    {
        TEntryChecker& checker = Form->EntryChecker();
        QSignalSpy finished(&checker, &TEntryChecker::Finished);
        if (checker.Busy()) {
            ASSERT_TRUE(finished.wait(120000));
        }
    }

    // The rows that carry a mark, each with its tooltip.
    std::vector<std::pair<int, QString>> Marked() const
    {
        std::vector<std::pair<int, QString>> marked;
        for (int row = 0; row < Items().rowCount(); ++row) {
            const QModelIndex index = Items().index(row);
            const bool hasIcon = !index.data(Qt::DecorationRole).value<QIcon>().isNull();
            const QString tip = index.data(Qt::ToolTipRole).toString();
            EXPECT_EQ(hasIcon, !tip.isEmpty()) << row << ": a mark comes with its reason";
            if (hasIcon)
                marked.emplace_back(row, tip);
        }
        return marked;
    }
};

TEST_F(EntryMarksTest, AnEntryThatCannotBeEncodedIsMarkedWithItsError)
{
    AddEntry(QStringLiteral("590123412345"));
    AddEntry(QStringLiteral("59012341234A"));
    ChooseSymbology(TZintSymbology::zsEANX);
    WaitForChecks();
    const auto marked = Marked();
    ASSERT_EQ(marked.size(), 1u);
    EXPECT_EQ(marked[0].first, 1);

    // The mark says what the preview pane says of the entry.
    ClickEntry(1);
    EXPECT_EQ(Preview().ErrorText(), QStringLiteral("Entry 2: %1").arg(marked[0].second));

    // Added, changed or undone entries are checked again.
    Form->ListPane().PasteLines(QStringLiteral("ABC"));
    WaitForChecks();
    EXPECT_EQ(Marked().size(), 2u);
    Items().Replace(1, QStringLiteral("590123412345"));
    WaitForChecks();
    ASSERT_EQ(Marked().size(), 1u);
    EXPECT_EQ(Marked()[0].first, 2);

    // Settings change what fails.
    ChooseSymbology(TZintSymbology::zsCODE128);
    WaitForChecks();
    EXPECT_TRUE(Marked().empty());
}

TEST_F(EntryMarksTest, ALongListIsCheckedWhileTheWindowGoesOn)
{
    QStringList texts;
    for (int i = 0; i < 400; ++i)
        texts << (i % 100 == 7 ? QStringLiteral("X%1").arg(i) : QString::number(100000 + i));
    ChooseSymbology(TZintSymbology::zsEANX);
    Form->ListPane().PasteLines(texts.join(u'\n'));
    // A change while the check runs starts it over; the marks then are those of the new list.
    Form->ListPane().PasteLines(QStringLiteral("Y"));
    WaitForChecks();
    std::vector<int> rows;
    for (const auto& [row, tip] : Marked())
        rows.push_back(row);
    EXPECT_EQ(rows, std::vector<int>({7, 107, 207, 307, 400}));
}
