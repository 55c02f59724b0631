// The preview: encode the text in the selected symbology and lay it out into a metafile with
// the values of the settings page, as the exports will write it.
#include "app/app_form.h"

#include "app/color_box.h"
#include "app/dialog_service.h"
#include "app/preview_image.h"
#include "base/zint_exception.h"
#include "editors/frame_border_options.h"
#include "render/render_pipeline.h"
#include "render/render_settings.h"
#include "render/zint_render_box.h"
#include "symbol/zint_symbol.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

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
    RequestRender();
}

void TAppForm::RequestRender()
{
    FRenderTimer->start();
}

void TAppForm::RenderBarcode()
{
    // This render answers every request made so far.
    FRenderTimer->stop();
    imgResult->Clear();
    const TRenderSettings settings = CurrentRenderSettings();
    TZintSymbol& symbol = PrepareSymbol(*FSymbol, CurrentSymbology());
    try {
        const TMetafile picture =
            RenderSymbolToMetafile(symbol, FBarcodeText, settings, imgResult->size());
        imgResult->SetPicture(picture, RenderedImage(picture, settings));
    } catch (const EZintException& error) {
        FEnvironment.Dialogs->ErrorBox(this, comType->currentText(),
                                       QString::fromUtf8(error.what()));
    }
    ShowImageSize();
}

void TAppForm::ShowImageSize()
{
    if (imgResult->IsEmpty()) {
        lblImageSize->clear();
        return;
    }
    const QImage& image = imgResult->Image();
    const double millimetresPerDot = 1000.0 / image.dotsPerMeterX();
    lblImageSize->setText(QStringLiteral("%1 x %2 px, %3 x %4 mm at %5 dpi")
                              .arg(image.width())
                              .arg(image.height())
                              .arg(image.width() * millimetresPerDot, 0, 'f', 1)
                              .arg(image.height() * millimetresPerDot, 0, 'f', 1)
                              .arg(std::lround(image.dotsPerMeterX() * 0.0254)));
}

TRenderSettings TAppForm::CurrentRenderSettings() const
{
    TRenderSettings settings;
    settings.Foreground = ColorBox1->Selected();
    settings.Background = ColorBox2->Selected();
    settings.Font = ButtonFont->font();
    settings.HexagonScale = ParseFloat(edMHS->text(), 1);
    settings.AdjustMode = TZintRenderAdjustMode(cbRAM->currentIndex());
    settings.ShowText = cbHRT->isChecked();
    const std::pair<const TFrameBorderOptions*, TRenderBoxValue*> bands[] = {
        {fboMargin, &settings.Margin},
        {fboPadding, &settings.Padding},
        {fboTextSpacing, &settings.TextSpacing},
        {fboBorder, &settings.Border},
        {fboWhitespace, &settings.Whitespace}};
    for (const auto& [editor, value] : bands) {
        TZintRenderBox box;
        editor->UpdateRenderBox(&box);
        *value = BoxValueOf(box);
    }
    settings.HAlign = TZintHAlign(comHAlign->currentIndex());
    settings.VAlign = TZintVAlign(comVAlign->currentIndex());
    settings.MinModuleWidth = ParseFloat(edMiMW->text(), 0);
    settings.MaxModuleWidth = ParseFloat(edMaMW->text(), 0);

    const TRenderSettings defaults;
    settings.ImageSize = TImageSizeMode(comImageSize->currentIndex());
    const auto side = [](const QLineEdit* edit) {
        return int(std::clamp(ParseFloat(edit->text(), 1), 1.0f, float(MaxImageSide)));
    };
    settings.FixedImageSize = QSize(side(edImageWidth), side(edImageHeight));
    settings.ModuleSizeMode = TModuleSizeMode(comModuleSize->currentIndex());
    const float moduleSize = ParseFloat(edModuleSize->text(), defaults.ModuleSize);
    settings.ModuleSize = moduleSize > 0 ? moduleSize : defaults.ModuleSize;
    settings.ExactFit = cbExactFit->isChecked();
    settings.BarHeightMode = TBarHeightMode(comBarHeight->currentIndex());
    settings.BarHeight = std::max(0.0f, ParseFloat(edBarHeight->text(), 0));
    settings.QuietZones = TQuietZoneMode(comQuietZones->currentIndex());
    const float dpi = ParseFloat(edDpi->text(), float(defaults.Dpi));
    settings.Dpi = dpi >= 1 ? int(std::min(dpi, float(MaxDpi))) : defaults.Dpi;
    settings.CaptionSizeMode = TCaptionSizeMode(comCaptionSize->currentIndex());
    settings.CaptionSize = std::max(0.0f, ParseFloat(edCaptionSize->text(), 0));
    settings.PrimaryMessage = edPrimary->text();
    return settings;
}

TZintSymbology TAppForm::CurrentSymbology() const
{
    return TZintSymbology(comType->currentData().toInt());
}

QString TAppForm::CurrentSymbologyName() const
{
    return comType->currentText();
}
