// The preview: encode the text in the selected symbology and lay it out into a metafile of the
// preview area's size, with the values of the settings page.
#include "app/app_form.h"

#include "app/color_box.h"
#include "app/dialog_service.h"
#include "app/preview_image.h"
#include "base/zint_exception.h"
#include "editors/frame_border_options.h"
#include "render/render_pipeline.h"
#include "render/zint_render_wmf.h"
#include "symbol/zint_symbol.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <cmath>

namespace {
// The user's locale decides the decimal separator; anything else is not a number.
float ParseFloat(const QString& text, float fallback)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const float value = locale.toFloat(text.trimmed(), &ok);
    return ok && std::isfinite(value) ? value : fallback;
}
} // namespace

void TAppForm::UpdateBarcode()
{
    UpdateBarcodeYeni(FCurrentText);
}

void TAppForm::UpdateBarcodeYeni(const QString& text)
{
    FBarcodeText = text;
    RenderBarcode();
}

void TAppForm::comTypeChange()
{
    RenderBarcode();
}

void TAppForm::edDataChange()
{
    RenderBarcode();
}

void TAppForm::RenderBarcode()
{
    imgResult->Clear();
    TZintSymbol& symbol = PrepareSymbol(*FSymbol, TZintSymbology(comType->currentData().toInt()));
    try {
        const TMetafile picture = RenderSymbolToMetafile(
            symbol, FBarcodeText, imgResult->size(), [this](TZintRenderTargetWMF& target) {
                target.SetForegroundColor(QColorToTColor(ColorBox1->Selected()));
                target.SetBackgroundColor(QColorToTColor(ColorBox2->Selected()));
                target.SetFont(ButtonFont->font(), Qt::black);
                ApplyRenderSettings(target);
            });
        imgResult->SetPicture(picture);
    } catch (const EZintException& error) {
        FEnvironment.Dialogs->ErrorBox(this, comType->currentText(),
                                       QString::fromUtf8(error.what()));
    }
}

void TAppForm::ApplyRenderSettings(TZintCustomRenderTarget& target) const
{
    target.SetHexagonScale(ParseFloat(edMHS->text(), 1));
    target.SetRenderAdjustMode(TZintRenderAdjustMode(cbRAM->currentIndex()));
    target.SetShowText(cbHRT->isChecked());
    fboMargin->UpdateRenderBox(target.Margin());
    fboPadding->UpdateRenderBox(target.Padding());
    fboTextSpacing->UpdateRenderBox(target.TextSpacing());
    fboBorder->UpdateRenderBox(target.Border());
    fboWhitespace->UpdateRenderBox(target.Whitespace());
    target.SetHAlign(TZintHAlign(comHAlign->currentIndex()));
    target.SetVAlign(TZintVAlign(comVAlign->currentIndex()));
    target.SetMinModuleWidth(ParseFloat(edMiMW->text(), 0));
    target.SetMaxModuleWidth(ParseFloat(edMaMW->text(), 0));
}
