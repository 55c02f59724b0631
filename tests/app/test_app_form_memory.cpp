#include "gui_test_base.h"

#include "app/color_box.h"
#include "platform/user_store.h"
#include "render/render_settings.h"
#include "symbol/property_registry.h"
#include "symbol/zint_symbol.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTemporaryDir>

namespace {
const QString QrLevel = QStringLiteral("QRCodeOptions.ECCLevel");
const QString DataMatrixSquare = QStringLiteral("DatamatrixOptions.ForceSquare");

QVariant Option(TAppForm& form, const QString& path)
{
    return ReadPropertyPath(&form.Symbol(), path, QLatin1Char('.'));
}
} // namespace

class AppFormMemoryTest : public TGuiTestBase
{
protected:
    void SetEdit(const char* name, const char* text)
    {
        auto* edit = Find<QLineEdit>(name);
        edit->setText(QLatin1String(text));
        emit edit->editingFinished();
    }
    QLineEdit* BandSide(const char* band, const char* side) const
    {
        return Find<QWidget>(band)->findChild<QLineEdit*>(QLatin1String(side));
    }
};

TEST_F(AppFormMemoryTest, TheUsersWorkComesBackAtTheNextStartButTheListDoesNot)
{
    QTemporaryDir folders;
    const QString loadFolder = folders.filePath(QStringLiteral("lists"));
    const QString exportFolder = folders.filePath(QStringLiteral("labels"));
    ASSERT_TRUE(QDir().mkpath(loadFolder) && QDir().mkpath(exportFolder));
    const QString listFile = loadFolder + QStringLiteral("/list.txt");
    {
        QFile file(listFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("A1\nB2\n");
    }

    ShowForm();
    Dialogs.TextFileReplies.push_back({listFile, 1});
    Find<QAction>("Load1")->trigger();
    ASSERT_EQ(ListTexts().size(), 2);
    ChooseSymbology(TZintSymbology::zsQRCODE);
    Find<QComboBox>("cbRAM")->setCurrentIndex(1);
    SetEdit("edMHS", "0.5");
    Find<QComboBox>("comHAlign")->setCurrentIndex(2);
    Find<QComboBox>("comVAlign")->setCurrentIndex(1);
    SetEdit("edMiMW", "3");
    SetEdit("edMaMW", "7");
    Find<QCheckBox>("cbHRT")->setChecked(false);
    Find<TColorBox>("ColorBox1")->SetSelected(Qt::red);
    Find<TColorBox>("ColorBox2")->SetSelected(QColor(1, 2, 3));
    Dialogs.FontReplies.push_back(QFont(QStringLiteral("Sans"), 17));
    Find<QPushButton>("ButtonFont")->click();
    Find<QWidget>("fboMargin")
        ->findChild<QComboBox*>(QStringLiteral("cbUnits"))
        ->setCurrentIndex(0);
    BandSide("fboMargin", "edTop")->setText(QStringLiteral("4"));
    BandSide("fboBorder", "edTop")->setText(QStringLiteral("2"));
    Find<QWidget>("fboBorder")
        ->findChild<QCheckBox*>(QStringLiteral("cbAllSame"))
        ->setChecked(true);
    Find<QComboBox>("comImageSize")->setCurrentIndex(int(TImageSizeMode::ismFixed));
    SetEdit("edImageWidth", "500");
    Find<QCheckBox>("cbExactFit")->setChecked(true);
    SetEdit("edPrimary", "999");
    Find<QComboBox>("ComboBox1")->setCurrentIndex(2);
    SetEdit("edFileNames", "{text}-{n:04}");
    WritePropertyPath(&Form->Symbol(), QrLevel, 3, QLatin1Char('.'));
    WritePropertyPath(&Form->Symbol(), DataMatrixSquare, true, QLatin1Char('.'));
    // Wider than the window's least width beside the settings panel.
    const QSize chosen(Form->minimumSizeHint().width() + 40, 700);
    Form->resize(chosen);
    auto* splitter = Find<QSplitter>("Splitter1");
    splitter->setSizes({300, splitter->width() - 300 - splitter->handleWidth()});
    const QList<int> splitterSizes = splitter->sizes();
    Dialogs.FolderReplies.push_back(exportFolder);
    Find<QPushButton>("Button2")->click();
    RunPendingRender();
    const TRenderSettings before = Form->CurrentRenderSettings();
    Dialogs.UnsavedReplies.push_back(TDialogService::TUnsavedChoice::ucDiscard);
    Form->close();
    Form.reset();

    ShowForm();
    EXPECT_TRUE(ListTexts().isEmpty()) << "a new start is a new job";
    EXPECT_EQ(Find<QComboBox>("comType")->currentData().toInt(), int(TZintSymbology::zsQRCODE));
    const TRenderSettings after = Form->CurrentRenderSettings();
    EXPECT_EQ(after.AdjustMode, TZintRenderAdjustMode::ramInflate);
    EXPECT_EQ(after.HexagonScale, 0.5f);
    EXPECT_EQ(after.HAlign, before.HAlign);
    EXPECT_EQ(after.VAlign, before.VAlign);
    EXPECT_EQ(after.MinModuleWidth, 3.0f);
    EXPECT_EQ(after.MaxModuleWidth, 7.0f);
    EXPECT_FALSE(after.ShowText);
    EXPECT_EQ(after.Foreground, QColor(Qt::red));
    EXPECT_EQ(after.Background, QColor(1, 2, 3));
    EXPECT_EQ(after.Font.family(), before.Font.family());
    EXPECT_EQ(after.Font.pointSize(), 17);
    EXPECT_EQ(after.Margin.Top.Modules, 4.0f);
    EXPECT_EQ(after.Margin.Top.TargetUnits, 0.0f);
    for (const TRenderSide& side :
         {after.Border.Top, after.Border.Left, after.Border.Right, after.Border.Bottom})
        EXPECT_EQ(side.TargetUnits, 2.0f);
    EXPECT_FALSE(BandSide("fboBorder", "edLeft")->isEnabled()) << "all the same, as left";
    EXPECT_EQ(after.ImageSize, TImageSizeMode::ismFixed);
    EXPECT_EQ(after.FixedImageSize.width(), 500);
    EXPECT_TRUE(after.ExactFit);
    EXPECT_EQ(after.PrimaryMessage, QStringLiteral("999"));
    EXPECT_EQ(Find<QComboBox>("ComboBox1")->currentIndex(), 2);
    EXPECT_EQ(Find<QLineEdit>("edFileNames")->text(), QStringLiteral("{text}-{n:04}"));
    EXPECT_EQ(Option(*Form, QrLevel).toInt(), 3);
    EXPECT_TRUE(Option(*Form, DataMatrixSquare).toBool());
    EXPECT_EQ(Form->size(), chosen);
    EXPECT_EQ(Find<QSplitter>("Splitter1")->sizes(), splitterSizes);

    // Each dialog opens in its own folder.
    Find<QAction>("Load1")->trigger();
    ASSERT_EQ(Dialogs.TextFileRequests.size(), 2u);
    EXPECT_EQ(QDir(Dialogs.TextFileRequests.back().Path), QDir(loadFolder));
    EXPECT_EQ(Dialogs.TextFileRequests.back().Encoding, 1);
    Find<QPushButton>("Button2")->click();
    EXPECT_EQ(Dialogs.FolderRequests.back().StartFolder, exportFolder);
    Find<QPushButton>("Button1")->click();
    ASSERT_FALSE(Dialogs.SaveImageRequests.empty());
    EXPECT_EQ(QFileInfo(Dialogs.SaveImageRequests.back().LastPath).path(), exportFolder)
        << "proposed under the entry's name in the folder";
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
}

// The sheet chosen for "Save all as label sheet..." is offered again after a restart, a
// product's name as it was chosen.
TEST_F(AppFormMemoryTest, TheLabelSheetComesBackAtTheNextStart)
{
    const QString product = QStringLiteral("Avery 5160");
    ShowForm();
    AddEntry(QStringLiteral("A1"));
    Dialogs.LabelSheetReplies.push_back({product, true});
    Find<QAction>("Saveallaslabelsheet1")->trigger();
    Dialogs.UnsavedReplies.push_back(TDialogService::TUnsavedChoice::ucDiscard);
    Form->close();
    Form.reset();

    ShowForm();
    AddEntry(QStringLiteral("A1"));
    Find<QAction>("Saveallaslabelsheet1")->trigger();
    ASSERT_EQ(Dialogs.LabelSheetRequests.size(), 2u);
    EXPECT_TRUE(Dialogs.LabelSheetRequests.front().Sheet.isEmpty()) << "nothing chosen before";
    EXPECT_EQ(Dialogs.LabelSheetRequests.back().Sheet, product);
}

TEST_F(AppFormMemoryTest, DamagedOrForeignValuesFallBackToTheDefaultsSilently)
{
    // The defaults: a window that never closed has written nothing.
    ShowForm();
    const TRenderSettings defaults = Form->CurrentRenderSettings();
    const QSize size = Form->size();
    const QList<int> splitterSizes = Find<QSplitter>("Splitter1")->sizes();
    const QVariant level = Option(*Form, QrLevel);
    Find<QAction>("Load1")->trigger();
    ASSERT_EQ(Dialogs.TextFileRequests.size(), 1u);
    const int encoding = Dialogs.TextFileRequests[0].Encoding;
    Form.reset();

    QTemporaryDir folders;
    const QString aFile = folders.filePath(QStringLiteral("file"));
    QFile(aFile).open(QIODevice::WriteOnly);
    {
        TUserStore store(QStringLiteral("Window"));
        const QString damaged[][2] = {
            {QStringLiteral("Symbology"), QStringLiteral("999")},
            {QStringLiteral("cbRAM"), QStringLiteral("7")},
            {QStringLiteral("comHAlign"), QStringLiteral("left")},
            {QStringLiteral("cbHRT"), QStringLiteral("yes")},
            {QStringLiteral("ColorBox1"), QStringLiteral("#nocolor")},
            {QStringLiteral("ButtonFont"), QStringLiteral(",,,")},
            {QStringLiteral("comImageSize"), QStringLiteral("-1")},
            {QStringLiteral("fboMargin.cbUnits"), QStringLiteral("9")},
            {QStringLiteral("ComboBox1"), QStringLiteral("x")},
            {QStringLiteral("Geometry"), QStringLiteral("@@@")},
            {QStringLiteral("Splitter"), QStringLiteral("AAAA")},
            {QStringLiteral("Options/") + QrLevel, QStringLiteral("99")},
            {QStringLiteral("Options/") + DataMatrixSquare, QStringLiteral("perhaps")},
            {QStringLiteral("LoadFolder"), QStringLiteral("/no/such")},
            {QStringLiteral("LoadEncoding"), QStringLiteral("99")},
            {QStringLiteral("ExportFolder"), aFile}};
        for (const auto& [name, value] : damaged)
            store.WriteString(name, value);
    }

    ShowForm();
    EXPECT_EQ(Find<QComboBox>("comType")->currentData().toInt(), int(TZintSymbology::zsCODE39));
    const TRenderSettings after = Form->CurrentRenderSettings();
    EXPECT_EQ(after.AdjustMode, defaults.AdjustMode);
    EXPECT_EQ(after.HAlign, defaults.HAlign);
    EXPECT_EQ(after.ShowText, defaults.ShowText);
    EXPECT_EQ(after.Foreground, defaults.Foreground);
    EXPECT_EQ(after.Font, defaults.Font);
    EXPECT_EQ(after.ImageSize, defaults.ImageSize);
    EXPECT_EQ(Find<QComboBox>("ComboBox1")->currentIndex(), 0);
    EXPECT_EQ(Option(*Form, QrLevel), level);
    EXPECT_FALSE(Option(*Form, DataMatrixSquare).toBool());
    EXPECT_EQ(Form->size(), size);
    EXPECT_EQ(Find<QSplitter>("Splitter1")->sizes(), splitterSizes);
    Find<QAction>("Load1")->trigger();
    ASSERT_FALSE(Dialogs.TextFileRequests.empty());
    EXPECT_TRUE(Dialogs.TextFileRequests.back().Path.isEmpty());
    EXPECT_EQ(Dialogs.TextFileRequests.back().Encoding, encoding);
    Find<QPushButton>("Button2")->click();
    EXPECT_TRUE(Dialogs.FolderRequests.back().StartFolder.isEmpty());
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty()) << "no message about the store";
}
