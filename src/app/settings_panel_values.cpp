// The panel's values: the render settings it produces, the stored settings it gives and
// takes, and its number fields, which keep their last valid value.
#include "app/settings_panel.h"

#include "app/color_box.h"
#include "app/setting_choices.h"
#include "editors/field_problem.h"
#include "editors/frame_border_options.h"
#include "io/stored_settings.h"
#include "render/zint_render_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

void TSettingsPanel::AddNumberField(QLineEdit* edit, std::function<TLengthRules()> rules,
                                    double value)
{
    FNumbers.push_back({edit, std::move(rules), value});
    edit->setText(LengthNumberText(value, QLocale()));
    connect(edit, &QLineEdit::textChanged, this, [this, edit] {
        for (TNumberField& field : FNumbers)
            if (field.Edit == edit)
                ReadNumberField(field);
    });
}

void TSettingsPanel::ReadNumberField(TNumberField& field)
{
    const TLengthReading reading = ReadLength(field.Edit->text(), QLocale(), field.Rules());
    if (reading.Length) {
        field.Valid = reading.Length->Value;
        if (field.Edit->isModified())
            FTypingPause->start();
    }
    ShowFieldProblem(field.Edit, reading.Error);
}

void TSettingsPanel::ReadNumberFields()
{
    for (TNumberField& field : FNumbers)
        ReadNumberField(field);
}

double TSettingsPanel::ValueOf(const QLineEdit* edit) const
{
    for (const TNumberField& field : FNumbers)
        if (field.Edit == edit)
            return field.Valid;
    return 0;
}

void TSettingsPanel::SetNumber(QLineEdit* edit, double value)
{
    edit->setText(LengthNumberText(value, QLocale()));
}

TRenderSettings TSettingsPanel::RenderSettings() const
{
    TRenderSettings settings;
    settings.Foreground = ColorBox1->Selected();
    settings.Background = ColorBox2->Selected();
    settings.Font = ButtonFont->font();
    settings.HexagonScale = float(ValueOf(edMHS));
    settings.AdjustMode = ChoiceOf<TZintRenderAdjustMode>(cbRAM);
    settings.ShowText = cbHRT->isChecked();
    for (std::size_t band = 0; band < BandCount; ++band) {
        TZintRenderBox box;
        FBands[band]->UpdateRenderBox(&box);
        settings.*BandMembers[band] = BoxValueOf(box);
    }
    settings.HAlign = ChoiceOf<TZintHAlign>(comHAlign);
    settings.VAlign = ChoiceOf<TZintVAlign>(comVAlign);
    settings.MinModuleWidth = float(ValueOf(edMiMW));
    settings.MaxModuleWidth = float(ValueOf(edMaMW));

    settings.ImageSize = ChoiceOf<TImageSizeMode>(comImageSize);
    settings.FixedImageSize = QSize(int(ValueOf(edImageWidth)), int(ValueOf(edImageHeight)));
    settings.ModuleSizeMode = ChoiceOf<TModuleSizeMode>(comModuleSize);
    settings.ModuleSize = float(ValueOf(edModuleSize));
    settings.ExactFit = cbExactFit->isChecked();
    settings.BarHeightMode = ChoiceOf<TBarHeightMode>(comBarHeight);
    settings.BarHeight = float(ValueOf(edBarHeight));
    settings.QuietZones = ChoiceOf<TQuietZoneMode>(comQuietZones);
    settings.Dpi = int(ValueOf(edDpi));
    settings.CaptionSizeMode = ChoiceOf<TCaptionSizeMode>(comCaptionSize);
    settings.CaptionSize = float(ValueOf(edCaptionSize));
    settings.PrimaryMessage = edPrimary->text();
    return settings;
}

void TSettingsPanel::Remember(TStoredSettings& stored) const
{
    stored.Render = RenderSettings();
    for (std::size_t band = 0; band < BandCount; ++band)
        stored.Bands[band] = {FBands[band]->Unit(), FBands[band]->AllSame()};
}

void TSettingsPanel::Restore(const TStoredSettings& stored)
{
    const TRenderSettings& settings = stored.Render;
    ColorBox1->SetSelected(settings.Foreground);
    ColorBox2->SetSelected(settings.Background);
    ButtonFont->setFont(settings.Font);
    cbHRT->setChecked(settings.ShowText);
    SelectChoice(cbRAM, settings.AdjustMode);
    SelectChoice(comHAlign, settings.HAlign);
    SelectChoice(comVAlign, settings.VAlign);
    SetNumber(edMHS, settings.HexagonScale);
    SetNumber(edMiMW, settings.MinModuleWidth);
    SetNumber(edMaMW, settings.MaxModuleWidth);
    for (std::size_t band = 0; band < BandCount; ++band)
        FBands[band]->SetSides(settings.*BandMembers[band], stored.Bands[band].Unit,
                               stored.Bands[band].AllSame);

    // The modes first: they decide the unit their lengths are read in.
    SelectChoice(comImageSize, settings.ImageSize);
    SelectChoice(comModuleSize, settings.ModuleSizeMode);
    SelectChoice(comBarHeight, settings.BarHeightMode);
    SelectChoice(comQuietZones, settings.QuietZones);
    SelectChoice(comCaptionSize, settings.CaptionSizeMode);
    SetNumber(edImageWidth, settings.FixedImageSize.width());
    SetNumber(edImageHeight, settings.FixedImageSize.height());
    SetNumber(edModuleSize, settings.ModuleSize);
    cbExactFit->setChecked(settings.ExactFit);
    SetNumber(edBarHeight, settings.BarHeight);
    SetNumber(edDpi, settings.Dpi);
    SetNumber(edCaptionSize, settings.CaptionSize);
    edPrimary->setText(settings.PrimaryMessage);
}
