#include "app/app_form.h"
#include "app/export_controller.h"
#include "app/lintaro_application.h"
#include "app/list_pane.h"
#include "app/qt_dialog_service.h"
#include "base/zint_exception.h"
#include "dialog_stacking_watch.h"
#include "failing_receiver.h"
#include "symbol/zint_symbology.h"
#include "x_window_stack.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

TQtDialogService& WindowDialogs();

// The real window and its real dialogs under a window manager: a dialog that is not a
// transient of the window it belongs to can open behind it, and a modal one then waits there
// for a key the user cannot see to press.
class WindowStackingTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::link(QStringLiteral(LINTARO_EXECUTABLE),
                                FProgramDir.filePath(QStringLiteral("lintaro"))));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, FDataHome.path());
        qputenv("LINTARO_SERVICE_HOST", "127.0.0.1:1");
        Form = std::make_unique<TAppForm>(TAppEnvironment{
            FProgramDir.filePath(QStringLiteral("lintaro")), FDataHome.path(), &WindowDialogs()});
        Application().SetMainWindow(Form.get());
        Form->show();
        ASSERT_TRUE(QTest::qWaitFor([this] { return ManagedStacking().contains(Form->winId()); }))
            << "the window manager never took the window in";
        Watch = std::make_unique<TDialogStackingWatch>(Form.get());
    }

    void TearDown() override
    {
        Watch.reset();
        Application().SetMainWindow(nullptr);
        Form.reset();
    }

    static TLintaroApplication& Application()
    {
        return *qobject_cast<TLintaroApplication*>(QCoreApplication::instance());
    }

    template <typename TWidget> TWidget* Find(const char* name) const
    {
        auto* widget = Form->findChild<TWidget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void ChooseSymbology(TZintSymbology symbology)
    {
        auto* comType = Find<QComboBox>("comType");
        const int index = comType->findData(int(symbology));
        comType->setCurrentIndex(index);
        emit comType->activated(index);
    }

    // The lines as the list's entries, loaded as a file named on the command line.
    void LoadEntries(const QByteArray& lines)
    {
        const QString path = FFiles.filePath(QStringLiteral("entries.txt"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(lines);
        file.close();
        Form->ListPane().OpenFiles({path});
    }

    QString ExportFolder() const { return FFiles.filePath(QStringLiteral("out")); }

    // Every window shown was managed, belongs to a window of the program, is a transient of
    // that window for the window manager, opened on top and stayed above it when the main
    // window was raised.
    void ExpectAllAboveTheirParents(const char* what) const
    {
        for (const TDialogStackingWatch::TShownWindow& shown : Watch->Shown) {
            const std::string name = std::string(what) + ": " + shown.Name.toStdString();
            EXPECT_TRUE(shown.Managed) << name;
            EXPECT_FALSE(shown.ParentName.isEmpty()) << name;
            EXPECT_EQ(shown.TransientFor, std::optional<WId>(shown.ParentId)) << name;
            EXPECT_TRUE(shown.AboveParent) << name;
            EXPECT_TRUE(shown.OnTop) << name;
            EXPECT_TRUE(shown.AboveRaisedParent) << name;
        }
    }

    QStringList ShownNames() const
    {
        QStringList names;
        for (const TDialogStackingWatch::TShownWindow& shown : Watch->Shown)
            names << shown.Name;
        return names;
    }

    std::unique_ptr<TAppForm> Form;
    std::unique_ptr<TDialogStackingWatch> Watch;

private:
    QTemporaryDir FProgramDir;
    QTemporaryDir FDataHome;
    QTemporaryDir FFiles;
};

struct TFailingExportCase
{
    const char* Name;
    TZintSymbology Symbology;
    QByteArray Entries;
    const char* FileNames;
    QStringList Written;
    const char* Title;
};

class FailingFolderExportTest : public WindowStackingTest,
                                public testing::WithParamInterface<TFailingExportCase>
{};

// A failing entry once opened its error box behind the window, and the export waited there.
TEST_P(FailingFolderExportTest, EndsAtItsSummaryAboveTheWindow)
{
    const TFailingExportCase& c = GetParam();
    ChooseSymbology(c.Symbology);
    LoadEntries(c.Entries);
    Find<QLineEdit>("edFileNames")->setText(QLatin1String(c.FileNames));
    ASSERT_TRUE(QDir().mkpath(ExportFolder()));
    Form->Export().AddMyFolder(ExportFolder());

    EXPECT_EQ(ShownNames(), QStringList{QStringLiteral("FolderExportSummary")});
    ASSERT_FALSE(Watch->Shown.empty());
    EXPECT_EQ(Watch->Shown[0].Title, QLatin1String(c.Title));
    ExpectAllAboveTheirParents(c.Name);
    EXPECT_EQ(QDir(ExportFolder()).entryList(QDir::Files), c.Written);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, FailingFolderExportTest,
    testing::Values(TFailingExportCase{"EanWithLetters", TZintSymbology::zsEANX,
                                       "590123412345\n59012341234A\n", "{n}",
                                       QStringList{QStringLiteral("1.png")},
                                       "Export finished with 1 error"},
                    TFailingExportCase{"ColumnTemplateWithoutTable", TZintSymbology::zsQRCODE,
                                       "A\nB\n", "{col:SKU}", QStringList{},
                                       "Export finished with 2 errors"}),
    [](const testing::TestParamInfo<TFailingExportCase>& info) {
        return std::string(info.param.Name);
    });

TEST_F(WindowStackingTest, ProgressOfALongExportAndItsSummaryStayAboveTheWindow)
{
    LoadEntries(QByteArray("12345\n").repeated(30000));
    ASSERT_TRUE(QDir().mkpath(ExportFolder()));
    // The progress shows once the export has run for a while; the watch then cancels it.
    Form->Export().AddMyFolder(ExportFolder());

    EXPECT_EQ(ShownNames(), (QStringList{QStringLiteral("ExportProgress"),
                                         QStringLiteral("FolderExportSummary")}));
    ExpectAllAboveTheirParents("long export");
}

TEST_F(WindowStackingTest, EveryDialogOfTheWindowOpensAboveTheWindowItBelongsTo)
{
    TFailingReceiver failing;
    const struct
    {
        const char* Name;
        std::function<void()> Open;
    } cases[] = {
        {"load", [this] { Find<QAction>("Load1")->trigger(); }},
        {"save single image", [this] { Find<QAction>("Savesingleimage1")->trigger(); }},
        {"nothing to save",
         [this] {
             Form->UpdateBarcodeYeni(QString());
             Find<QAction>("Savesingleimage1")->trigger();
             Form->UpdateBarcode();
         }},
        {"folder", [this] { Find<QAction>("Savealltofolder1")->trigger(); }},
        {"label sheet", [this] { Find<QAction>("Saveallaslabelsheet1")->trigger(); }},
        {"font", [this] { Find<QPushButton>("ButtonFont")->click(); }},
        {"about", [this] { Find<QAction>("About1")->trigger(); }},
        {"language", [this] { Find<QAction>("Language1")->trigger(); }},
        {"feedback", [this] { Find<QAction>("SendFeedback1")->trigger(); }},
        {"application error",
         [&failing] {
             QEvent event(QEvent::User);
             QCoreApplication::sendEvent(&failing, &event);
         }},
    };
    for (const auto& c : cases) {
        Watch->Shown.clear();
        c.Open();
        EXPECT_EQ(Watch->Shown.size(), 1u) << c.Name;
        ExpectAllAboveTheirParents(c.Name);
    }
}
