#include "gui_test_base.h"

#include "app/color_box.h"
#include "app/preview_image.h"
#include "editors/frame_border_options.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace {
QStringList TabCaptions(const QTabWidget* tabs)
{
    QStringList captions;
    for (int index = 0; index < tabs->count(); ++index)
        captions << tabs->tabText(index);
    return captions;
}

QStringList Names(std::initializer_list<const char*> names)
{
    QStringList list;
    for (const char* name : names)
        list << QLatin1String(name);
    return list;
}
} // namespace

using AppFormTest = TGuiTestBase;

TEST_F(AppFormTest, CreationTakesIdentityFromTheVersionRecord)
{
    CreateForm();
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Kelmora - Lintaro"));
    EXPECT_EQ(Form->Identity().AppCompanyName, QStringLiteral("Kelmora"));
    EXPECT_EQ(Form->Identity().AppProductName, QStringLiteral("Lintaro"));
    EXPECT_EQ(Form->Identity().AppVersion, QStringLiteral("1.1"));
    EXPECT_EQ(Form->Identity().AppProductVersion, QStringLiteral(LINTARO_PROJECT_VERSION));
}

TEST_F(AppFormTest, ProgramWithoutVersionRecordStillComesUp)
{
    Form = std::make_unique<TAppForm>(
        TAppEnvironment{ProgramFolder() + QStringLiteral("/missing"), DataHome(), &Dialogs});
    Form->show();
    EXPECT_EQ(Form->windowTitle(), QStringLiteral(" - "));
    EXPECT_TRUE(Form->Identity().AppVersion.isEmpty());
    EXPECT_FALSE(Preview().IsEmpty());
}

TEST_F(AppFormTest, SymbologyListIsTheCatalogueWithCode39Selected)
{
    CreateForm();
    auto* comType = Find<QComboBox>("comType");
    for (const TSymbologyEntry& entry : SymbologyCatalogue) {
        const int row = comType->findData(int(entry.Symbology));
        ASSERT_GE(row, 0) << entry.DisplayName;
        EXPECT_EQ(comType->itemText(row), QLatin1String(entry.DisplayName));
    }
    EXPECT_EQ(comType->currentData().toInt(), int(TZintSymbology::zsCODE39));
    EXPECT_EQ(comType->currentText(), QStringLiteral("Code 3 of 9 (Code 39)"));
    EXPECT_EQ(comType->maxVisibleItems(), 50);
}

TEST_F(AppFormTest, SettingsPageHoldsOptionTabsAndBandEditors)
{
    CreateForm();
    auto* pages = Find<QTabWidget>("PageControl1");
    EXPECT_FALSE(pages->isHidden());
    // Code 39 reads the extended Code 39 options: its tab alone is shown, under its name.
    QStringList shown;
    for (int index = 0; index < pages->count(); ++index)
        if (pages->isTabVisible(index))
            shown << pages->tabText(index);
    EXPECT_EQ(shown, Names({"Settings", "Output size", "Code 3 of 9 (Code 39) options"}));
    auto* bands = Find<QTabWidget>("PageControl2");
    EXPECT_EQ(TabCaptions(bands),
              Names({"Margin", "Padding", "Border", "Text spacing", "Whitespace"}));
    const char* const editors[] = {"fboMargin", "fboPadding", "fboBorder", "fboTextSpacing",
                                   "fboWhitespace"};
    for (int index = 0; index < 5; ++index) {
        auto* editor = Find<TFrameBorderOptions>(editors[index]);
        ASSERT_NE(editor, nullptr);
        EXPECT_TRUE(bands->widget(index)->isAncestorOf(editor)) << editors[index];
    }
}

TEST_F(AppFormTest, ControlsStartAtTheirDesignValues)
{
    CreateForm();
    EXPECT_TRUE(ListTexts().isEmpty());
    EXPECT_EQ(Find<QPushButton>("Button3")->text(), QStringLiteral("Add"));
    EXPECT_EQ(Find<QComboBox>("ComboBox1")->currentText(), QStringLiteral("PNG"));
    EXPECT_EQ(Find<QComboBox>("cbRAM")->currentText(), QStringLiteral("Scale"));
    EXPECT_EQ(Find<QLineEdit>("edMHS")->text(), QStringLiteral("1"));
    EXPECT_EQ(Find<QComboBox>("comHAlign")->currentText(), QStringLiteral("Left"));
    EXPECT_EQ(Find<QComboBox>("comVAlign")->currentText(), QStringLiteral("Top"));
    EXPECT_EQ(Find<QLineEdit>("edMiMW")->text(), QStringLiteral("0"));
    EXPECT_EQ(Find<QLineEdit>("edMaMW")->text(), QStringLiteral("0"));
    EXPECT_TRUE(Find<QCheckBox>("cbHRT")->isChecked());
    const QFont font = Find<QPushButton>("ButtonFont")->font();
    EXPECT_EQ(font.family(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(font.pixelSize(), 19);
    EXPECT_EQ(Find<TColorBox>("ColorBox1")->Selected(), QColor(Qt::black));
    EXPECT_EQ(Find<TColorBox>("ColorBox2")->Selected(), QColor(Qt::white));
    auto* timer = Find<QTimer>("TimerChecker");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
}

TEST_F(AppFormTest, MenuItemsStartAsDesigned)
{
    CreateForm();
    // Visible: the chosen language is remembered, so the item can do its work.
    EXPECT_TRUE(Find<QAction>("Language1")->isVisible());
    auto* updates = Find<QAction>("UpdateNotifications1");
    EXPECT_TRUE(updates->isChecked());
    EXPECT_FALSE(updates->isEnabled());
    EXPECT_EQ(Find<QAction>("Help2")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_TRUE(Find<QAction>("Settings1")->isChecked());
    for (const char* name : {"Exit1", "Help2", "SendFeedback1", "About1", "Language1",
                             "Savesingleimage1", "Savealltofolder1"})
        EXPECT_FALSE(Find<QAction>(name)->icon().isNull()) << name;
}

// Drawn, not scaled up from small pictures: sharp on a desktop scaled 1.5 or 3 times.
TEST_F(AppFormTest, IconsAreDrawnAtEverySize)
{
    CreateForm();
    for (const char* name : {"Exit1", "Help2", "SendFeedback1", "About1", "Language1",
                             "Savesingleimage1", "Savealltofolder1"}) {
        const QIcon icon = Find<QAction>(name)->icon();
        for (const int side : {16, 24, 48}) {
            const QImage drawn = icon.pixmap(QSize(side, side)).toImage();
            EXPECT_EQ(drawn.size(), QSize(side, side)) << name;
            bool painted = false;
            for (int y = 0; y < side && !painted; ++y)
                for (int x = 0; x < side && !painted; ++x)
                    painted = drawn.pixelColor(x, y).alpha() == 255;
            EXPECT_TRUE(painted) << name << " " << side;
        }
    }
}

TEST_F(AppFormTest, PreviewAreaHasTheDesignSizeBesideTheSettingsPanel)
{
    ShowForm();
    EXPECT_EQ(Preview().size(), QSize(354, 417));
    auto* settings = Find<QAction>("Settings1");
    auto* pages = Find<QTabWidget>("PageControl1");
    EXPECT_TRUE(pages->isVisible());

    // Hidden, the panel leaves its room to the panes; the preview keeps its height.
    settings->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(settings->isChecked());
    EXPECT_FALSE(pages->isVisible());
    EXPECT_GT(Preview().width(), 354);
    EXPECT_EQ(Preview().height(), 417);

    const int wide = Preview().width();

    settings->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(settings->isChecked());
    EXPECT_TRUE(pages->isVisible());
    EXPECT_LT(Preview().width(), wide);
    EXPECT_EQ(Preview().height(), 417);
}

TEST(OnlineHelpAddressTest, ProductNameBecomesLowerCaseDashedPath)
{
    const struct
    {
        const char* Product;
        const char* Address;
    } cases[] = {{"Lintaro", "http://www.kelmora.example/help/lintaro/"},
                 {"Batch Barcode", "http://www.kelmora.example/help/batch-barcode/"},
                 {"My Batch Barcode", "http://www.kelmora.example/help/my-batch-barcode/"}};
    for (const auto& entry : cases)
        EXPECT_EQ(OnlineHelpAddress(QLatin1String(entry.Product)), QLatin1String(entry.Address));
}

TEST_F(AppFormTest, CustomColourEntryAsksForAColourAndKeepsItOrFallsBack)
{
    CreateForm();
    auto* bars = Find<TColorBox>("ColorBox1");
    const int custom = bars->count() - 1;
    EXPECT_EQ(bars->itemText(custom), QStringLiteral("Custom..."));

    Dialogs.ColorReplies.push_back(QColor(0x12, 0x34, 0x56));
    bars->setCurrentIndex(custom);
    emit bars->activated(custom);
    EXPECT_EQ(bars->Selected(), QColor(0x12, 0x34, 0x56));

    bars->setCurrentIndex(bars->findText(QStringLiteral("Navy")));
    emit bars->activated(bars->currentIndex());
    bars->setCurrentIndex(custom); // cancelled: no reply queued
    emit bars->activated(custom);
    EXPECT_EQ(bars->currentText(), QStringLiteral("Navy"));
    EXPECT_EQ(bars->Selected(), QColor(0, 0, 0x80));
}

TEST_F(AppFormTest, ColourListsOfferStandardExtendedAndSystemColours)
{
    CreateForm();
    auto* background = Find<TColorBox>("ColorBox2");
    for (const char* name :
         {"Black", "Maroon", "Fuchsia", "Aqua", "White", "Money Green", "Sky Blue", "Cream",
          "Medium Gray", "Window", "Window Text", "Highlight"})
        EXPECT_GE(background->findText(QLatin1String(name)), 0) << name;
    EXPECT_FALSE(background->itemIcon(0).isNull());
}

TEST_F(AppFormTest, ChosenTextFontBecomesTheButtonFont)
{
    CreateForm();
    auto* button = Find<QPushButton>("ButtonFont");
    QFont chosen(QStringLiteral("Liberation Serif"));
    chosen.setPixelSize(30);
    Dialogs.FontReplies.push_back(chosen);
    button->click();
    EXPECT_EQ(button->font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(button->font().pixelSize(), 30);
}
