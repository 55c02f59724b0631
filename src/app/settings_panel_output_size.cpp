// The "Output Size" page: image size, module width, bar height, quiet zones, resolution,
// caption size and the primary message.
#include "app/settings_panel.h"
#include "i18n/translation_engine.h"

#include "app/setting_choices.h"
#include "io/stored_settings.h"
#include "render/setting_lengths.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

void TSettingsPanel::CreateOutputSizePage()
{
    TabOutputSize = new QWidget;
    TabOutputSize->setObjectName(QStringLiteral("TabOutputSize"));
    addTab(TabOutputSize, Translate(QStringLiteral("Output size")));
    const TStoredSettings stored;
    const TRenderSettings& defaults = stored.Render;
    const auto combo = [this](const char* name) {
        auto* box = new QComboBox(TabOutputSize);
        box->setObjectName(QLatin1String(name));
        return box;
    };
    const auto edit = [this](const char* name) {
        auto* line = new QLineEdit(TabOutputSize);
        line->setObjectName(QLatin1String(name));
        line->setMaximumWidth(70);
        return line;
    };

    comImageSize = combo("comImageSize");
    FillChoices(comImageSize, ImageSizeNames, defaults.ImageSize);
    edImageWidth = edit("edImageWidth");
    edImageHeight = edit("edImageHeight");
    comModuleSize = combo("comModuleSize");
    FillChoices(comModuleSize, ModuleSizeNames, defaults.ModuleSizeMode);
    edModuleSize = edit("edModuleSize");
    cbExactFit = new QCheckBox(Translate(QStringLiteral("Exact fit")), TabOutputSize);
    cbExactFit->setObjectName(QStringLiteral("cbExactFit"));
    comBarHeight = combo("comBarHeight");
    FillChoices(comBarHeight, BarHeightNames, defaults.BarHeightMode);
    edBarHeight = edit("edBarHeight");
    comQuietZones = combo("comQuietZones");
    FillChoices(comQuietZones, QuietZoneNames, defaults.QuietZones);
    edDpi = edit("edDpi");
    comCaptionSize = combo("comCaptionSize");
    FillChoices(comCaptionSize, CaptionSizeNames, defaults.CaptionSizeMode);
    edCaptionSize = edit("edCaptionSize");
    edPrimary = edit("edPrimary");
    edPrimary->setText(defaults.PrimaryMessage);
    edPrimary->setMaximumWidth(QWIDGETSIZE_MAX);
    // Empty is a choice of its own: MaxiCode carries no primary message then.
    edPrimary->setPlaceholderText(Translate(QStringLiteral("None")));
    edPrimary->setToolTip(Translate(QStringLiteral(
        "Empty: composites take a standard linear component, MaxiCode encodes the text alone.")));

    // Each length in the unit its mode beside it names.
    const auto pixels = [] { return RulesIn(ImageSideRules, TLengthUnit::luPixels); };
    AddNumberField(edImageWidth, pixels, defaults.FixedImageSize.width());
    AddNumberField(edImageHeight, pixels, defaults.FixedImageSize.height());
    AddNumberField(
        edModuleSize,
        [this] {
            return RulesFor(ModuleSizeRules, UnitOf(ChoiceOf<TModuleSizeMode>(comModuleSize)));
        },
        defaults.ModuleSize);
    AddNumberField(
        edBarHeight,
        [this] { return RulesFor(BarHeightRules, UnitOf(ChoiceOf<TBarHeightMode>(comBarHeight))); },
        defaults.BarHeight);
    AddNumberField(
        edDpi, [] { return DpiRules; }, defaults.Dpi);
    AddNumberField(
        edCaptionSize,
        [this] {
            return RulesFor(CaptionSizeRules, UnitOf(ChoiceOf<TCaptionSizeMode>(comCaptionSize)));
        },
        defaults.CaptionSize);
    // A new unit may make a text valid or invalid.
    for (QComboBox* mode : {comModuleSize, comBarHeight, comCaptionSize})
        connect(mode, &QComboBox::currentIndexChanged, this, &TSettingsPanel::ReadNumberFields);

    auto* grid = new QGridLayout(TabOutputSize);
    int line = 0;
    const auto row = [grid, &line](const QString& caption,
                                   std::initializer_list<QWidget*> controls) {
        grid->addWidget(new QLabel(caption), line, 0);
        auto* cell = new QHBoxLayout;
        for (QWidget* control : controls)
            cell->addWidget(control);
        cell->addStretch(1);
        grid->addLayout(cell, line++, 1);
    };
    row(Translate(QStringLiteral("Image size")), {comImageSize, edImageWidth, edImageHeight});
    row(Translate(QStringLiteral("Module size")), {comModuleSize, edModuleSize});
    row(QString(), {cbExactFit});
    row(Translate(QStringLiteral("Bar height")), {comBarHeight, edBarHeight});
    row(Translate(QStringLiteral("Quiet zones")), {comQuietZones});
    row(Translate(QStringLiteral("Resolution (dpi)")), {edDpi});
    row(Translate(QStringLiteral("Caption size")), {comCaptionSize, edCaptionSize});
    row(Translate(QStringLiteral("Primary message")), {edPrimary});
    grid->setRowStretch(line, 1);
    grid->setColumnStretch(1, 1);

    for (QWidget* control :
         {static_cast<QWidget*>(comImageSize), static_cast<QWidget*>(edImageWidth),
          static_cast<QWidget*>(edImageHeight), static_cast<QWidget*>(comModuleSize),
          static_cast<QWidget*>(edModuleSize), static_cast<QWidget*>(cbExactFit),
          static_cast<QWidget*>(comBarHeight), static_cast<QWidget*>(edBarHeight),
          static_cast<QWidget*>(comQuietZones), static_cast<QWidget*>(edDpi),
          static_cast<QWidget*>(comCaptionSize), static_cast<QWidget*>(edCaptionSize),
          static_cast<QWidget*>(edPrimary)})
        ChangeOnEdit(control);
}
