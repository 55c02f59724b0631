#include "gui_test_base.h"

#include "app/color_box.h"
#include "app/item_list_view.h"
#include "app/preview_image.h"
#include "app/window_message.h"
#include "render/render_settings.h"
#include "render/zint_render_box.h"
#include "render/zint_render_value.h"
#include "render/zint_render_wmf.h"
#include "support/barcode_decoder.h"
#include "symbol/zint_symbol.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {
const QString WidthTooSmall = MessageWithHint(QStringLiteral("The desired width is too small."));

// The encoder's refusal of the last text as the pane words it.
QString EncoderError(const TAppForm& form)
{
    return MessageWithHint(form.Symbol().errtxt());
}
} // namespace

class PreviewTest : public TGuiTestBase
{
protected:
    void SetUp() override
    {
        TGuiTestBase::SetUp();
        ShowForm();
    }

    // An edit of a four-sided editor, which asks for a render.
    void SetMarginSide(const char* side, const QString& text)
    {
        auto* margin = Find<QWidget>("fboMargin");
        margin->findChild<QLineEdit*>(QLatin1String(side))->setText(text);
    }
    void SetMarginSideAndRender(const char* side, const QString& text)
    {
        SetMarginSide(side, text);
        RunPendingRender();
    }
};

TEST_F(PreviewTest, ShowingTheWindowPreviewsTheInitialTextInCode39)
{
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
    const QImage image = PreviewImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(Form->Symbol().SymbolType(), TZintSymbology::zsCODE39);
    EXPECT_EQ(Form->Symbol().text(), QByteArray("*1234567890*"));
    // The image is the symbol: two-pixel modules inside a ten-module quiet zone, scannable
    // as it stands.
    EXPECT_EQ(DarkArea(image).left(), 20);
    EXPECT_EQ(image.width() - 1 - DarkArea(image).right(), 20);
    EXPECT_EQ(image.dotsPerMeterX(), 11811);
    EXPECT_EQ(DecodeImage(image, ZXing::BarcodeFormat::Code39).Text, QStringLiteral("1234567890"));
    EXPECT_TRUE(
        Find<QLabel>("lblImageSize")
            ->text()
            .startsWith(QStringLiteral("%1 x %2 px").arg(image.width()).arg(image.height())));
    // The start-up image is shown whole, at full size at least.
    EXPECT_GE(Preview().ImageRect().width(), image.width());

    // Wider than the pane: scaled down to fit, never cut.
    Form->UpdateBarcodeYeni(QStringLiteral("LINTARO WIDE LABEL 0123456789"));
    ASSERT_GT(PreviewImage().width(), Preview().width());
    const QRect fitted = Preview().ImageRect();
    EXPECT_EQ(fitted.width(), Preview().width());
    EXPECT_LE(fitted.height(), Preview().height());

    // Narrower: at the largest whole-number zoom that fits.
    Form->UpdateBarcodeYeni(QStringLiteral("1"));
    const QImage small = PreviewImage();
    const int zoom =
        std::min(Preview().width() / small.width(), Preview().height() / small.height());
    ASSERT_GE(zoom, 2);
    EXPECT_EQ(Preview().ImageRect().size(), small.size() * zoom);

    UsePreviewAreaLayout();
    const QImage area = PreviewImage();
    EXPECT_EQ(area.size(), QSize(354, 417));
    EXPECT_EQ(DarkArea(area).topLeft(), QPoint(0, 0)) << "left and top aligned bars";
}

TEST_F(PreviewTest, PreviewWithWiderModulesScansAsTheText)
{
    // Fitted into the preview area, under 2 pixels per module the rounded 2:1 bars of Code 39
    // defeat the decoder; three-pixel modules in an enlarged picture do not.
    UsePreviewAreaLayout();
    Find<QLineEdit>("edMiMW")->setText(QStringLiteral("3"));
    Find<QComboBox>("cbRAM")->setCurrentIndex(1);
    Form->UpdateBarcode();
    const QImage image = PreviewImage();
    EXPECT_GT(image.width(), Preview().width());
    EXPECT_EQ(DecodeImage(image, ZXing::BarcodeFormat::Code39).Text, QStringLiteral("1234567890"));
}

TEST_F(PreviewTest, EncoderErrorIsShownInThePaneInsteadOfThePicture)
{
    AddEntry(QStringLiteral("ABC"));
    ASSERT_TRUE(Preview().ErrorText().isEmpty());

    ChooseSymbology(TZintSymbology::zsC25IND);
    ASSERT_TRUE(Form->Symbol().errtxt().startsWith(QStringLiteral("error: ")));
    EXPECT_EQ(Preview().ErrorText(), QStringLiteral("Entry 1: ") + EncoderError(*Form));
    // A sentence, and what to do about it on a line of its own.
    EXPECT_TRUE(Preview().ErrorText().front().isUpper()) << Preview().ErrorText().toStdString();
    EXPECT_TRUE(Preview().ErrorText().contains(u'\n')) << Preview().ErrorText().toStdString();
    EXPECT_TRUE(Preview().IsEmpty());
    EXPECT_TRUE(Dialogs.Asked.isEmpty());

    ChooseSymbology(TZintSymbology::zsCODE39);
    EXPECT_TRUE(Preview().ErrorText().isEmpty());
    EXPECT_EQ(DecodeImage(PreviewImage(), ZXing::BarcodeFormat::Code39).Text,
              QStringLiteral("ABC"));
}

TEST_F(PreviewTest, EmptyTextIsAnEncoderError)
{
    Form->UpdateBarcodeYeni(QString());
    EXPECT_FALSE(Preview().ErrorText().isEmpty());
    EXPECT_TRUE(Preview().IsEmpty());
    EXPECT_TRUE(Dialogs.Asked.isEmpty());
}

// Walking the list with the arrow keys passes the entries that fail: each shows its number and
// error in the pane, and no dialog takes the next key.
TEST_F(PreviewTest, ArrowKeysWalkPastFailingEntriesWithTheirErrorsInThePane)
{
    const char* texts[] = {"A", "B!", "C", "D!"};
    for (const char* text : texts)
        AddEntry(QLatin1String(text));
    ClickEntry(0);
    for (int row = 1; row < int(std::size(texts)); ++row) {
        QTest::keyClick(&List(), Qt::Key_Down);
        ASSERT_EQ(List().SelectedRow(), row);
        EXPECT_EQ(Form->CurrentText(), QLatin1String(texts[row]));
        const bool fails = QByteArray(texts[row]).endsWith('!');
        EXPECT_EQ(Preview().IsEmpty(), fails) << texts[row];
        EXPECT_EQ(Preview().ErrorText(),
                  fails ? QStringLiteral("Entry %1: ").arg(row + 1) + EncoderError(*Form)
                        : QString())
            << texts[row];
    }
    EXPECT_TRUE(Dialogs.Asked.isEmpty());
}

TEST_F(PreviewTest, HugeMarginFailsInScaleModeAndEnlargesThePictureInInflateMode)
{
    UsePreviewAreaLayout();
    SetMarginSideAndRender("edLeft", QStringLiteral("1000"));
    EXPECT_EQ(Preview().ErrorText(), WidthTooSmall);
    EXPECT_TRUE(Preview().IsEmpty());

    Find<QComboBox>("cbRAM")->setCurrentIndex(1); // "Inflate Image", rendered with the next edit
    EXPECT_TRUE(Preview().IsEmpty());
    SetMarginSideAndRender("edLeft", QStringLiteral("1001"));
    EXPECT_TRUE(Preview().ErrorText().isEmpty());
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
    ASSERT_FALSE(Preview().IsEmpty());
    EXPECT_GT(Preview().Picture().Width(), 1001);
    EXPECT_GT(Preview().Picture().Width(), Preview().width());
}

TEST_F(PreviewTest, BandEditRendersAgainWithTheNewValue)
{
    const QImage before = PreviewImage();
    SetMarginSideAndRender("edTop", QStringLiteral("40"));
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
    const QImage after = PreviewImage();
    ASSERT_FALSE(after.isNull());
    EXPECT_NE(after, before);
    EXPECT_EQ(DarkArea(before).top(), 0);
    EXPECT_EQ(DarkArea(after).top(), 40);
}

TEST_F(PreviewTest, EveryPageValueRendersOnceItsBurstIsOver)
{
    const QImage before = PreviewImage();
    Find<TColorBox>("ColorBox1")->SetSelected(Qt::red);
    Find<QCheckBox>("cbHRT")->setChecked(false);
    EXPECT_EQ(PreviewImage(), before) << "renders after the burst, not within it";
    RunPendingRender();
    const QImage red = PreviewImage();
    bool hasRed = false;
    for (int y = 0; y < red.height() && !hasRed; ++y)
        for (int x = 0; x < red.width() && !hasRed; ++x)
            hasRed = red.pixelColor(x, y) == QColor(Qt::red);
    EXPECT_TRUE(hasRed);
    EXPECT_LT(red.height(), before.height()) << "no text line under the bars";

    // The font: shown at once with the text back on.
    Find<QCheckBox>("cbHRT")->setChecked(true);
    RunPendingRender();
    const QImage smallText = PreviewImage();
    QFont big = Find<QPushButton>("ButtonFont")->font();
    big.setPixelSize(big.pixelSize() * 3);
    Dialogs.FontReplies.push_back(big);
    Find<QPushButton>("ButtonFont")->click();
    RunPendingRender();
    EXPECT_GT(PreviewImage().height(), smallText.height());

    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
}

// The pane is cleared before each change: the error is back only when a render has run.
TEST_F(PreviewTest, BurstOfFailingChangesRendersOnceAndShowsOneError)
{
    UsePreviewAreaLayout();
    Find<QWidget>("fboMargin")
        ->findChild<QCheckBox*>(QStringLiteral("cbAllSame"))
        ->setChecked(true);
    RunPendingRender();
    ASSERT_TRUE(Preview().ErrorText().isEmpty());

    // One keystroke changes all four sides.
    SetMarginSide("edTop", QStringLiteral("1000"));
    EXPECT_TRUE(Preview().ErrorText().isEmpty()) << "nothing renders within the burst";
    RunPendingRender();
    EXPECT_EQ(Preview().ErrorText(), WidthTooSmall);

    // A custom colour picked in the colour list, with every signal it brings.
    auto* bars = Find<TColorBox>("ColorBox1");
    Dialogs.ColorReplies.push_back(QColor(1, 2, 3));
    const int custom = bars->count() - 1;
    Preview().Clear();
    bars->setCurrentIndex(custom);
    emit bars->activated(custom);
    RunPendingRender();
    EXPECT_EQ(bars->Selected(), QColor(1, 2, 3));
    EXPECT_EQ(Preview().ErrorText(), WidthTooSmall);

    // Every control of the columns renders.
    const std::function<void()> changes[] = {
        [this] {
            auto* edit = Find<QLineEdit>("edMHS");
            edit->setText(QStringLiteral("0.5"));
            emit edit->editingFinished();
        },
        [this] { Find<QComboBox>("comHAlign")->setCurrentIndex(2); },
        [this] { Find<QComboBox>("comVAlign")->setCurrentIndex(2); },
        [this] {
            auto* edit = Find<QLineEdit>("edMiMW");
            edit->setText(QStringLiteral("1"));
            emit edit->editingFinished();
        },
        [this] {
            auto* edit = Find<QLineEdit>("edMaMW");
            edit->setText(QStringLiteral("9"));
            emit edit->editingFinished();
        },
        [this] { Find<QCheckBox>("cbHRT")->setChecked(false); },
        [this] { Find<TColorBox>("ColorBox2")->SetSelected(Qt::yellow); },
        [this] {
            Dialogs.FontReplies.push_back(QFont(QStringLiteral("Sans"), 20));
            Find<QPushButton>("ButtonFont")->click();
        }};
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        Preview().Clear();
        changes[i]();
        RunPendingRender();
        EXPECT_EQ(Preview().ErrorText(), WidthTooSmall) << "change " << i;
    }

    // A direct render answers the pending request: no second render afterwards.
    Find<QComboBox>("comHAlign")->setCurrentIndex(1);
    Form->UpdateBarcode();
    EXPECT_EQ(Preview().ErrorText(), WidthTooSmall);
    Preview().Clear();
    RunPendingRender();
    EXPECT_TRUE(Preview().ErrorText().isEmpty());
    EXPECT_EQ(Dialogs.Asked, Texts({"PickColor", "PickFont"}));
}

// A text that is not a number leaves the field's last number in effect.
TEST_F(PreviewTest, NumberFieldsAreReadWithTheLocaleAndKeepTheirLastNumber)
{
    const struct
    {
        const char* HexagonScale;
        const char* MinModuleWidth;
        const char* MaxModuleWidth;
        float ExpectedHexagonScale;
        float ExpectedMin;
        float ExpectedMax;
    } cases[] = {{"abc", "1,5", "", 1.0f, 0.0f, 0.0f},
                 {"0.75", "1.5", " 4 ", 0.75f, 1.5f, 4.0f},
                 {"inf", "nan", "1,000", 0.75f, 1.5f, 4.0f}};
    for (const auto& entry : cases) {
        Find<QLineEdit>("edMHS")->setText(QLatin1String(entry.HexagonScale));
        Find<QLineEdit>("edMiMW")->setText(QLatin1String(entry.MinModuleWidth));
        Find<QLineEdit>("edMaMW")->setText(QLatin1String(entry.MaxModuleWidth));
        const TRenderSettings settings = Form->CurrentRenderSettings();
        EXPECT_EQ(settings.HexagonScale, entry.ExpectedHexagonScale) << entry.HexagonScale;
        EXPECT_EQ(settings.MinModuleWidth, entry.ExpectedMin) << entry.MinModuleWidth;
        EXPECT_EQ(settings.MaxModuleWidth, entry.ExpectedMax) << entry.MaxModuleWidth;
    }
}

TEST_F(PreviewTest, SettingsPageReachesTheTarget)
{
    Find<QComboBox>("cbRAM")->setCurrentIndex(1);
    Find<QComboBox>("comHAlign")->setCurrentIndex(2);
    Find<QComboBox>("comVAlign")->setCurrentIndex(1);
    Find<QCheckBox>("cbHRT")->setChecked(false);
    SetMarginSide("edRight", QStringLiteral("7"));
    TZintRenderTargetWMF target;
    ApplyRenderSettings(Form->CurrentRenderSettings(), target);
    EXPECT_EQ(target.RenderAdjustMode(), TZintRenderAdjustMode::ramInflate);
    EXPECT_EQ(target.HAlign(), TZintHAlign::haRight);
    EXPECT_EQ(target.VAlign(), TZintVAlign::vaCenter);
    EXPECT_FALSE(target.ShowText());
    EXPECT_EQ(target.Margin()->Right()->TargetUnits(), 7.0f);
    EXPECT_EQ(target.Padding()->Right()->TargetUnits(), 0.0f);
}

// Every symbology at one given text: a picture, or the reason there is none in its place,
// and never a dialog.
TEST_F(PreviewTest, EverySymbologyShowsThePictureOrItsErrorInThePane)
{
    AddEntry(QStringLiteral("1234567890"));
    const QString startText = Form->CurrentText();
    for (const TSymbologyEntry& entry : SymbologyCatalogue) {
        ChooseSymbology(entry.Symbology);
        ASSERT_EQ(Form->CurrentText(), startText);
        if (Preview().IsEmpty())
            EXPECT_EQ(Preview().ErrorText(), QStringLiteral("Entry 1: ") + EncoderError(*Form))
                << entry.DisplayName;
        else
            EXPECT_TRUE(Preview().ErrorText().isEmpty()) << entry.DisplayName;
        EXPECT_TRUE(Dialogs.Asked.isEmpty()) << entry.DisplayName;
    }
}

// A symbology remembered from the last session that takes no digits alone (GS1-128) starts
// with its own sample drawn, with no box before the window.
TEST_F(PreviewTest, RememberedGs1SymbologyStartsWithItsSampleDrawn)
{
    ChooseSymbology(TZintSymbology::zsEAN128);
    Form->close();
    Form.reset();
    Dialogs.Asked.clear();
    ShowForm();
    ASSERT_EQ(Form->Symbol().SymbolType(), TZintSymbology::zsEAN128);
    EXPECT_FALSE(Preview().IsEmpty());
    EXPECT_TRUE(Preview().ErrorText().isEmpty()) << Preview().ErrorText().toStdString();
    EXPECT_TRUE(Dialogs.Asked.isEmpty());
}
