// The preview: encode the text in the selected symbology and lay it out into a metafile with
// the values of the settings page, as the exports will write it.
#include "app/app_form.h"
#include "i18n/translation_engine.h"

#include "app/preview_image.h"
#include "app/settings_panel.h"
#include "app/window_message.h"
#include "base/zint_exception.h"
#include "render/render_pipeline.h"
#include "render/render_settings.h"
#include "symbol/zint_symbol.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <cmath>

void TAppForm::UpdateBarcode()
{
    ShowText(FCurrentText, FCurrentEntry);
}

void TAppForm::UpdateBarcodeYeni(const QString& text)
{
    ShowText(text, 0);
}

void TAppForm::ShowText(const QString& text, int entry)
{
    FBarcodeText = text;
    FBarcodeEntry = entry;
    RenderBarcode();
}

void TAppForm::CreatePreviewMenu()
{
    if (auto* view = menuBar()->findChild<QMenu*>(QStringLiteral("View1"))) {
        view->addSeparator();
        view->addActions(imgResult->Actions());
    }
}

void TAppForm::comTypeChange()
{
    FollowSymbology();
    if (FShowingSample)
        UpdateBarcode();
    else
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
        const QString message = MessageWithHint(QString::fromUtf8(error.what()));
        imgResult->ShowError(
            FBarcodeEntry > 0
                ? Translate(QStringLiteral("Entry %1: %2")).arg(FBarcodeEntry).arg(message)
                : message);
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
    lblImageSize->setText(Translate(QStringLiteral("%1 x %2 px, %3 x %4 mm at %5 dpi"))
                              .arg(image.width())
                              .arg(image.height())
                              .arg(image.width() * millimetresPerDot, 0, 'f', 1)
                              .arg(image.height() * millimetresPerDot, 0, 'f', 1)
                              .arg(std::lround(image.dotsPerMeterX() * 0.0254)));
}

TRenderSettings TAppForm::CurrentRenderSettings() const
{
    return FSettingsPanel->RenderSettings();
}

TZintSymbology TAppForm::CurrentSymbology() const
{
    return TZintSymbology(comType->currentData().toInt());
}

QString TAppForm::CurrentSymbologyName() const
{
    return comType->currentText();
}
