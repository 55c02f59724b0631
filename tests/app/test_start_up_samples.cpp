// The text the window shows before the user gives one: the chosen symbology's sample.
#include "gui_test_base.h"

#include "app/preview_image.h"
#include "io/stored_settings.h"
#include "platform/user_store.h"
#include "symbol/zint_symbol.h"

#include <QApplication>
#include <QComboBox>

namespace {
class StartUpSampleTest : public TGuiTestBase
{
protected:
    // The preview drew the symbology's sample, with no message anywhere.
    void ExpectSampleShown(const TSymbologyEntry& entry) const
    {
        EXPECT_EQ(Form->Symbol().SymbolType(), entry.Symbology);
        EXPECT_EQ(Form->CurrentText(), QString::fromUtf8(entry.Traits.SampleText));
        EXPECT_TRUE(Preview().ErrorText().isEmpty()) << Preview().ErrorText().toStdString();
        EXPECT_FALSE(Preview().IsEmpty());
        EXPECT_FALSE(Form->Symbol().errtxt().startsWith(QStringLiteral("error: ")))
            << Form->Symbol().errtxt().toStdString();
        EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
};
} // namespace

// Each symbology remembered from the last session starts with its own sample drawn.
TEST_F(StartUpSampleTest, EverySymbologyStartsWithItsSampleDrawn)
{
    for (const TSymbologyEntry& entry : SymbologyCatalogue) {
        SCOPED_TRACE(entry.DisplayName);
        {
            TStoredSettings stored;
            stored.Symbology = entry.Symbology;
            TUserStore store(QStringLiteral("Window"));
            SaveStoredSettings(stored, store);
        }
        ShowForm();
        ExpectSampleShown(entry);
        Form.reset();
    }
}

// Until the user gives a text, choosing a symbology shows its sample; after that the text stays.
TEST_F(StartUpSampleTest, ChoosingASymbologyShowsItsSampleUntilATextIsGiven)
{
    ShowForm();
    for (const TSymbologyEntry& entry : SymbologyCatalogue) {
        SCOPED_TRACE(entry.DisplayName);
        ChooseSymbology(entry.Symbology);
        ExpectSampleShown(entry);
    }
    AddEntry(QStringLiteral("ABC"));
    ChooseSymbology(TZintSymbology::zsQRCODE);
    EXPECT_EQ(Form->CurrentText(), QStringLiteral("ABC"));
    EXPECT_EQ(Form->Symbol().SymbolType(), TZintSymbology::zsQRCODE);
}
