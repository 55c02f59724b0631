#include "gui_test_base.h"

#include "app/color_box.h"

#include <QAction>
#include <QPushButton>

#include <functional>

// Every dialog the window asks for belongs to the window: with a window manager, a dialog
// without a parent may open behind it and wait there for a key.
class DialogParentsTest : public TGuiTestBase
{
protected:
    void SetUp() override
    {
        TGuiTestBase::SetUp();
        ShowForm();
    }
};

TEST_F(DialogParentsTest, EveryDialogTheWindowAsksForBelongsToTheWindow)
{
    const struct
    {
        const char* Name;
        std::function<void()> Open;
    } cases[] = {
        {"load", [this] { Find<QAction>("Load1")->trigger(); }},
        {"table column", [this] { Load(WriteFile("table.csv", "SKU,Name\nA-1,Bolt\n")); }},
        {"save single image", [this] { Find<QAction>("Savesingleimage1")->trigger(); }},
        {"nothing to save",
         [this] {
             Form->UpdateBarcodeYeni(QString());
             Find<QAction>("Savesingleimage1")->trigger();
             Form->UpdateBarcode();
         }},
        {"folder", [this] { Find<QAction>("Savealltofolder1")->trigger(); }},
        {"folder export summary",
         [this] {
             AddEntry(QStringLiteral("A!"));
             Dialogs.FolderReplies.push_back(DataHome());
             Find<QAction>("Savealltofolder1")->trigger();
         }},
        {"label sheet", [this] { Find<QAction>("Saveallaslabelsheet1")->trigger(); }},
        {"font", [this] { Find<QPushButton>("ButtonFont")->click(); }},
        {"colour",
         [this] {
             auto* bars = Find<TColorBox>("ColorBox1");
             const int custom = bars->count() - 1;
             bars->setCurrentIndex(custom);
             emit bars->activated(custom);
         }},
    };
    for (const auto& c : cases) {
        Dialogs.Asked.clear();
        Dialogs.Parents.clear();
        c.Open();
        ASSERT_FALSE(Dialogs.Asked.isEmpty()) << c.Name;
        ASSERT_EQ(Dialogs.Parents.size(), Dialogs.Asked.size()) << c.Name;
        for (qsizetype i = 0; i < Dialogs.Parents.size(); ++i) {
            ASSERT_NE(Dialogs.Parents[i], nullptr)
                << c.Name << ": " << Dialogs.Asked[i].toStdString();
            EXPECT_EQ(Dialogs.Parents[i]->window(), Form.get())
                << c.Name << ": " << Dialogs.Asked[i].toStdString();
        }
    }
}
