#include "../io/stored_settings_sample.h"
#include "gui_test_base.h"

#include "app/export_controller.h"
#include "app/list_pane.h"
#include "app/preview_image.h"
#include "app/settings_panel.h"
#include "io/stored_settings.h"
#include "platform/user_store.h"
#include "render/render_settings.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>

namespace {
const QString Group = QStringLiteral("Window");

// What one window holds in the stored settings' terms.
TStoredSettings Held(TAppForm& form)
{
    TStoredSettings held;
    held.Symbology = TZintSymbology(
        form.findChild<QComboBox*>(QStringLiteral("comType"))->currentData().toInt());
    form.SettingsPanel().Remember(held);
    held.ExportFormat = form.findChild<QComboBox*>(QStringLiteral("ComboBox1"))->currentText();
    held.FileNames = form.findChild<QLineEdit*>(QStringLiteral("edFileNames"))->text();
    held.RecentLists = form.ListPane().RecentLists();
    held.SettingsPanelShown = form.findChild<QAction*>(QStringLiteral("Settings1"))->isChecked();
    form.Export().Remember(held);
    return held;
}
} // namespace

class SettingsPanelTest : public TGuiTestBase
{
protected:
    void TearDown() override
    {
        QLocale::setDefault(FLocale);
        TGuiTestBase::TearDown();
    }

    // Types into the field as the user does.
    void Type(const char* name, const QString& text)
    {
        auto* edit = Find<QLineEdit>(name);
        edit->setText(text);
        emit edit->editingFinished();
    }

    const QLocale FLocale;
};

// Every key goes through one window into the store and out of it into the next window.
TEST_F(SettingsPanelTest, EveryStoredKeySurvivesTwoWindows)
{
    const TStoredSettings changed = ChangedStoredSettings();
    {
        TUserStore store(Group);
        SaveStoredSettings(changed, store);
    }
    ShowForm();
    const TStoredSettings first = Held(*Form);
    Form->close();
    Form.reset();

    const TUserStore store(Group);
    EXPECT_TRUE(LoadStoredSettings(store).Refused.isEmpty());
    ShowForm();
    const TStoredSettings second = Held(*Form);
    for (const TStoredKey& key : StoredKeys()) {
        EXPECT_EQ(key.Write(first), key.Write(changed)) << key.Key << " in the first window";
        EXPECT_EQ(store.ReadString(QLatin1String(key.Key)), key.Write(changed)) << key.Key;
        EXPECT_EQ(key.Write(second), key.Write(changed)) << key.Key << " in the second window";
    }
}

// The lists are read by the value each item carries, whatever their order.
TEST_F(SettingsPanelTest, AReorderedListStillGivesTheValueOfTheChosenItem)
{
    struct TList
    {
        const char* Name;
        std::function<int(const TRenderSettings&)> Value;
    };
    const TList lists[] = {
        {"cbRAM", [](const TRenderSettings& s) { return int(s.AdjustMode); }},
        {"comHAlign", [](const TRenderSettings& s) { return int(s.HAlign); }},
        {"comVAlign", [](const TRenderSettings& s) { return int(s.VAlign); }},
        {"comImageSize", [](const TRenderSettings& s) { return int(s.ImageSize); }},
        {"comModuleSize", [](const TRenderSettings& s) { return int(s.ModuleSizeMode); }},
        {"comBarHeight", [](const TRenderSettings& s) { return int(s.BarHeightMode); }},
        {"comQuietZones", [](const TRenderSettings& s) { return int(s.QuietZones); }},
        {"comCaptionSize", [](const TRenderSettings& s) { return int(s.CaptionSizeMode); }},
    };
    ShowForm();
    for (const TList& list : lists) {
        auto* combo = Find<QComboBox>(list.Name);
        ASSERT_GT(combo->count(), 1) << list.Name;
        // The last item moves to the front.
        const int last = combo->count() - 1;
        const QString text = combo->itemText(last);
        const QVariant data = combo->itemData(last);
        combo->removeItem(last);
        combo->insertItem(0, text, data);
        for (int index = 0; index < combo->count(); ++index) {
            combo->setCurrentIndex(index);
            EXPECT_EQ(list.Value(Form->CurrentRenderSettings()), combo->itemData(index).toInt())
                << list.Name << " item " << index;
        }
    }
}

// A text that is no valid value is marked with the reason and the last valid value stays in
// effect, also in the store: the next start shows the value that was in effect.
TEST_F(SettingsPanelTest, AnInvalidFieldSaysWhyAndKeepsTheLastValidValue)
{
    struct TCase
    {
        const char* Field;
        QLocale::Language Language;
        const char* Valid;
        const char* Invalid;
        std::function<double(const TRenderSettings&)> Value;
        double Expected;
    };
    const auto dpi = [](const TRenderSettings& s) { return double(s.Dpi); };
    const auto module = [](const TRenderSettings& s) { return double(s.ModuleSize); };
    const auto scale = [](const TRenderSettings& s) { return double(s.HexagonScale); };
    const auto width = [](const TRenderSettings& s) { return double(s.FixedImageSize.width()); };
    const TCase cases[] = {
        {"edDpi", QLocale::C, "600", "abc", dpi, 600},
        {"edDpi", QLocale::C, "600", "300.5", dpi, 600},
        {"edDpi", QLocale::C, "600", "1e30", dpi, 600},
        {"edModuleSize", QLocale::C, "3", "gs1-128", module, 3},
        {"edModuleSize", QLocale::C, "3", "2.5", module, 3},
        {"edModuleSize", QLocale::C, "3", "-1", module, 3},
        {"edModuleSize", QLocale::C, "3", "", module, 3},
        {"edMHS", QLocale::German, "0,5", "0.5", scale, 0.5},
        {"edMHS", QLocale::German, "0,5", "nan", scale, 0.5},
        {"edImageWidth", QLocale::C, "640", "0", width, 640},
    };
    for (const TCase& test : cases) {
        QLocale::setDefault(QLocale(test.Language));
        ShowForm();
        const std::string what = std::string(test.Field) + " \"" + test.Invalid + '"';
        auto* edit = Find<QLineEdit>(test.Field);
        Type(test.Field, QLatin1String(test.Valid));
        EXPECT_TRUE(edit->toolTip().isEmpty()) << what;
        Type(test.Field, QLatin1String(test.Invalid));
        EXPECT_TRUE(edit->property("invalid").toBool()) << what;
        EXPECT_FALSE(edit->toolTip().isEmpty()) << what;
        EXPECT_EQ(test.Value(Form->CurrentRenderSettings()), test.Expected) << what;
        Form->close();
        Form.reset();

        ShowForm();
        EXPECT_EQ(test.Value(Form->CurrentRenderSettings()), test.Expected) << what;
        EXPECT_EQ(Find<QLineEdit>(test.Field)->text(), QLatin1String(test.Valid)) << what;
        EXPECT_FALSE(Find<QLineEdit>(test.Field)->property("invalid").toBool()) << what;
        Form.reset();
    }
}

// A new unit can make the text beside it valid: the module width in millimetres.
TEST_F(SettingsPanelTest, TheModeBesideAFieldDecidesItsUnit)
{
    ShowForm();
    auto* mode = Find<QComboBox>("comModuleSize");
    Type("edModuleSize", QStringLiteral("0.33"));
    EXPECT_TRUE(Find<QLineEdit>("edModuleSize")->property("invalid").toBool());
    mode->setCurrentIndex(mode->findData(int(TModuleSizeMode::msmMillimetres)));
    EXPECT_FALSE(Find<QLineEdit>("edModuleSize")->property("invalid").toBool());
    const TRenderSettings settings = Form->CurrentRenderSettings();
    EXPECT_EQ(settings.ModuleSizeMode, TModuleSizeMode::msmMillimetres);
    EXPECT_FLOAT_EQ(settings.ModuleSize, 0.33f);
}

// The values a window stored before the keys had names of their own come back once.
TEST_F(SettingsPanelTest, AStoreWrittenTheOldWayComesBack)
{
    QLocale::setDefault(QLocale(QLocale::German));
    {
        TUserStore store(Group);
        store.WriteString(QStringLiteral("cbRAM"), QStringLiteral("1"));
        store.WriteString(QStringLiteral("edDpi"), QStringLiteral("600"));
        store.WriteString(QStringLiteral("edMHS"), QStringLiteral("0,75"));
        store.WriteString(QStringLiteral("comBarHeight"), QStringLiteral("2"));
        store.WriteString(QStringLiteral("edBarHeight"), QStringLiteral("12,5"));
        store.WriteString(QStringLiteral("fboMargin.cbUnits"), QStringLiteral("0"));
        store.WriteString(QStringLiteral("fboMargin.edTop"), QStringLiteral("1,5"));
    }
    ShowForm();
    const TRenderSettings settings = Form->CurrentRenderSettings();
    EXPECT_EQ(settings.AdjustMode, TZintRenderAdjustMode::ramInflate);
    EXPECT_EQ(settings.Dpi, 600);
    EXPECT_EQ(settings.HexagonScale, 0.75f);
    EXPECT_EQ(settings.BarHeightMode, TBarHeightMode::bhmMillimetres);
    EXPECT_EQ(settings.BarHeight, 12.5f);
    EXPECT_EQ(settings.Margin.Top.Modules, 1.5f);
    EXPECT_EQ(Find<QLineEdit>("edBarHeight")->text(), QStringLiteral("12,5"));
    EXPECT_FALSE(TUserStore(Group).Contains(QStringLiteral("cbRAM")));
}

// The panel shows from the first start; hidden by the menu or by its own close button, it
// stays hidden at the next start.
TEST_F(SettingsPanelTest, ThePanelIsShownUntilTheUserHidesItAndTheWindowRemembers)
{
    ShowForm();
    auto* dock = Find<QDockWidget>("SettingsDock");
    auto* item = Find<QAction>("Settings1");
    EXPECT_TRUE(dock->isVisible());
    EXPECT_TRUE(item->isChecked());
    const std::function<void()> hides[] = {[&] { Find<QAction>("Settings1")->trigger(); },
                                           [&] { Find<QDockWidget>("SettingsDock")->close(); }};
    for (const auto& hide : hides) {
        ShowForm();
        hide();
        EXPECT_FALSE(Find<QDockWidget>("SettingsDock")->isVisible());
        EXPECT_FALSE(Find<QAction>("Settings1")->isChecked());
        Form->close();
        ShowForm();
        EXPECT_FALSE(Find<QDockWidget>("SettingsDock")->isVisible());
        Find<QAction>("Settings1")->trigger();
        EXPECT_TRUE(Find<QDockWidget>("SettingsDock")->isVisible());
        Form->close();
    }
    ShowForm();
    EXPECT_TRUE(Find<QDockWidget>("SettingsDock")->isVisible());
}

// A valid number re-renders once the typing pauses; an invalid one is marked and waits.
TEST_F(SettingsPanelTest, TypingANumberRendersWhenTheTypingPauses)
{
    ShowForm();
    auto* pause = Find<QTimer>("FTypingPause");
    auto* dpi = Find<QLineEdit>("edDpi");
    dpi->selectAll();
    QTest::keyClicks(dpi, QStringLiteral("60x"));
    EXPECT_TRUE(dpi->property("invalid").toBool());
    EXPECT_FALSE(dpi->toolTip().isEmpty());
    pause->stop();
    QTest::keyClick(dpi, Qt::Key_Backspace);
    EXPECT_FALSE(dpi->property("invalid").toBool());
    EXPECT_TRUE(pause->isActive());
    ASSERT_TRUE(QTest::qWaitFor([pause] { return !pause->isActive(); }));
    RunPendingRender();
    EXPECT_EQ(std::lround(Preview().Image().dotsPerMeterX() * 0.0254), 60);
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
}

// The panes keep off the window's edges, and the image size stays on one line.
TEST_F(SettingsPanelTest, PanesKeepTheStylesMarginsAndTheSizeFitsOneLine)
{
    ShowForm();
    QCoreApplication::processEvents();
    const QWidget* client = Form->centralWidget();
    const QStyle* style = Form->style();
    const QRect panes = client->childrenRect();
    EXPECT_GE(panes.left(), style->pixelMetric(QStyle::PM_LayoutLeftMargin));
    EXPECT_GE(panes.top(), style->pixelMetric(QStyle::PM_LayoutTopMargin));
    EXPECT_LE(panes.right(),
              client->width() - 1 - style->pixelMetric(QStyle::PM_LayoutRightMargin));
    EXPECT_LE(panes.bottom(),
              client->height() - 1 - style->pixelMetric(QStyle::PM_LayoutBottomMargin));
    const QWidget* panel = Find<QWidget>("PageControl1");
    const QRect inWindow(panel->mapTo(Form.get(), QPoint(0, 0)), panel->size());
    EXPECT_LE(inWindow.right(),
              Form->width() - 1 - style->pixelMetric(QStyle::PM_LayoutRightMargin));
    auto* size = Find<QLabel>("lblImageSize");
    ASSERT_FALSE(size->text().isEmpty());
    EXPECT_FALSE(size->wordWrap());
    EXPECT_GE(size->width(), size->sizeHint().width());
}
