#include "gui_test_base.h"

#include "app/color_box.h"
#include "app/qt_dialog_service.h"
#include "dialogs/without_desktop_opener.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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

// "Open Folder" of the export summary on a system with no file manager once did nothing.
TEST_F(DialogParentsTest, AFolderNoProgramCanOpenIsReportedOverTheWindow)
{
    const TWithoutDesktopOpener bare;
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    QString shown;
    QWidget* parent = nullptr;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            parent = box->parentWidget();
            box->accept();
        }
    });
    poll.start(10);
    TQtDialogService().OpenFolder(DataHome());
    EXPECT_EQ(shown, QStringLiteral("No program on this system could open %1.").arg(DataHome()));
    EXPECT_EQ(parent, Form.get());
}
