#include "gui_test_base.h"

#include "app/preview_image.h"
#include "app/settings_panel.h"
#include "editors/frame_options.h"
#include "symbol/zint_symbol.h"

#include <QCheckBox>
#include <QTabWidget>
#include <QTableWidget>

class OptionTabsTest : public TGuiTestBase
{
protected:
    void SetUp() override
    {
        TGuiTestBase::SetUp();
        ShowForm();
        Pages = Find<QTabWidget>("PageControl1");
        Pages->show();
    }

    // Brings the option set's tab to the front and returns its grid; the tab must be shown.
    TFrameOptions* ShowOptionTab(const QString& set)
    {
        for (int index = 0; index < Pages->count(); ++index) {
            if (Pages->widget(index)->objectName() == set && Pages->isTabVisible(index)) {
                Pages->setCurrentIndex(index);
                return Pages->widget(index)->findChild<TFrameOptions*>();
            }
        }
        ADD_FAILURE() << set.toStdString() << " is not shown";
        return nullptr;
    }

    // The captions of the shown tabs, and the option sets they edit.
    std::pair<QStringList, QStringList> ShownTabs() const
    {
        std::pair<QStringList, QStringList> shown;
        for (int index = 0; index < Pages->count(); ++index) {
            if (!Pages->isTabVisible(index))
                continue;
            shown.first << Pages->tabText(index);
            if (Pages->widget(index)->findChild<TFrameOptions*>())
                shown.second << Pages->widget(index)->objectName();
        }
        return shown;
    }

    static QString ValueOf(TFrameOptions* grid, const QString& key)
    {
        auto* table = grid->findChild<QTableWidget*>(QStringLiteral("ValueListEditor1"));
        for (int row = 0; row < table->rowCount(); ++row)
            if (table->item(row, 0)->text() == key)
                return table->item(row, 1)->text();
        return {};
    }

    QTabWidget* Pages = nullptr;
};

TEST_F(OptionTabsTest, GridEditSetsTheOptionsAndRendersTheChosenSize)
{
    ChooseSymbology(TZintSymbology::zsDATAMATRIX);
    const QImage squarePicture = PreviewImage();
    ASSERT_FALSE(squarePicture.isNull());

    TFrameOptions* grid = ShowOptionTab(QStringLiteral("DatamatrixOptions"));
    ASSERT_NE(grid, nullptr);
    grid->ValueListEditor1Validate(QStringLiteral("Size"), QStringLiteral("dmre8x48"));
    RunPendingRender();

    EXPECT_EQ(Form->Symbol().option_2(), 31);
    EXPECT_EQ(Form->Symbol().option_3(), 101);
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
    EXPECT_EQ(Form->Symbol().rows(), 8);
    EXPECT_EQ(Form->Symbol().width(), 48);
    // The installed decoder predates the DMRE sizes: the shape of the picture shows the size.
    const QRect square = DarkArea(squarePicture);
    EXPECT_EQ(square.width(), square.height());
    const QRect rectangle = DarkArea(PreviewImage());
    EXPECT_EQ(rectangle.width(), 48 * 2) << "two-pixel modules";
    EXPECT_NEAR(float(rectangle.width()) / float(rectangle.height()), 48.0f / 8.0f, 0.2f);
}

TEST_F(OptionTabsTest, SharedOptionIntegerShowsOnAnotherTabWhenItIsShown)
{
    // The encoder writes the size it used back; with QR Code selected that is the one chosen.
    ChooseSymbology(TZintSymbology::zsQRCODE);
    TFrameOptions* qr = ShowOptionTab(QStringLiteral("QRCodeOptions"));
    ASSERT_NE(qr, nullptr);
    qr->ValueListEditor1Validate(QStringLiteral("Size"), QStringLiteral("qrs25"));
    EXPECT_EQ(ValueOf(qr, QStringLiteral("Size")), QStringLiteral("qrs25"));

    // Shown without a render of Aztec, which would write its own size back.
    Form->SettingsPanel().ShowOptionsOf(TZintSymbology::zsAZTEC);
    TFrameOptions* aztec = ShowOptionTab(QStringLiteral("AztecOptions"));
    ASSERT_NE(aztec, nullptr);
    EXPECT_EQ(ValueOf(aztec, QStringLiteral("Size")), QStringLiteral("ats19Compact"));
}

TEST_F(OptionTabsTest, RejectedGridValueStillRendersWithoutAMessage)
{
    // Code 39 stays chosen: its text line shows that a render happened.
    Form->SettingsPanel().ShowOptionsOf(TZintSymbology::zsPDF417);
    TFrameOptions* pdf = ShowOptionTab(QStringLiteral("PDF417Options"));
    ASSERT_NE(pdf, nullptr);
    const QImage before = PreviewImage();
    // Without the text line a changed picture shows that a render happened.
    Find<QCheckBox>("cbHRT")->setChecked(false);
    pdf->ValueListEditor1Validate(QStringLiteral("Columns"), QStringLiteral("31"));
    RunPendingRender();
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
    EXPECT_NE(PreviewImage(), before);
    EXPECT_EQ(ValueOf(pdf, QStringLiteral("Columns")), QStringLiteral("0"));
}

// The options the chosen symbology reads and no others, under the symbology's own name.
TEST_F(OptionTabsTest, OnlyTheChosenSymbologysOptionTabIsShown)
{
    for (const TSymbologyEntry& entry : SymbologyCatalogue) {
        SCOPED_TRACE(entry.DisplayName);
        ChooseSymbology(entry.Symbology);
        const auto [captions, sets] = ShownTabs();
        QStringList expectedCaptions = {QStringLiteral("Settings"), QStringLiteral("Output size")};
        QStringList expectedSets;
        if (entry.OptionSet) {
            expectedCaptions << QStringLiteral("%1 options").arg(QLatin1String(entry.DisplayName));
            expectedSets << QLatin1String(entry.OptionSet);
        }
        EXPECT_EQ(captions, expectedCaptions);
        EXPECT_EQ(sets, expectedSets);
    }
    // The tab in front goes with its symbology; the page in front is another.
    ChooseSymbology(TZintSymbology::zsQRCODE);
    ASSERT_NE(ShowOptionTab(QStringLiteral("QRCodeOptions")), nullptr);
    ChooseSymbology(TZintSymbology::zsCODE128);
    EXPECT_TRUE(Pages->isTabVisible(Pages->currentIndex()));
    EXPECT_EQ(Pages->currentWidget()->findChild<TFrameOptions*>(), nullptr);
}
