// The panel's pages and their controls.
#include "app/settings_panel.h"
#include "i18n/translation_engine.h"

#include "app/color_box.h"
#include "app/dialog_service.h"
#include "app/setting_choices.h"
#include "editors/frame_border_options.h"
#include "editors/frame_options.h"
#include "render/render_pipeline.h"
#include "render/setting_lengths.h"
#include "render/setting_names.h"
#include "render/zint_render_canvas.h"
#include "symbol/property_registry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {
// The design height; a larger font makes the page as tall as its controls need.
constexpr int SettingsPageHeight = 191;

template <typename TWidget, typename... TArgs>
TWidget* NewControl(QWidget* page, const char* name, TArgs&&... args)
{
    auto* widget = new TWidget(std::forward<TArgs>(args)..., page);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// Puts the editor on the tab, filling it.
template <typename TEditor> TEditor* FillTab(QWidget* tab, TEditor* editor)
{
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor);
    return editor;
}
} // namespace

TSettingsPanel::TSettingsPanel(TDialogService& dialogs, QWidget* parent)
    : QTabWidget(parent), FDialogs(dialogs)
{
    setObjectName(QStringLiteral("PageControl1"));
    // Whole names, scrolled rather than shortened when they do not all fit.
    setElideMode(Qt::ElideNone);
    hide();
    CreateSettingsPage();
    CreateOutputSizePage();
    setFixedHeight(std::max(SettingsPageHeight, minimumSizeHint().height()));
}

void TSettingsPanel::CreateSettingsPage()
{
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    addTab(TabSheet1, Translate(QStringLiteral("Settings")));
    auto* bands = NewControl<QTabWidget>(TabSheet1, "PageControl2");
    bands->setElideMode(Qt::ElideNone);
    bands->setUsesScrollButtons(false);
    CreateBands(bands);
    CreateSettingsColumns(TabSheet1);
}

void TSettingsPanel::CreateBands(QTabWidget* tabs)
{
    const char* const bands[][3] = {{"TabSheet2", TranslationKey("Margin"), "fboMargin"},
                                    {"TabSheet3", TranslationKey("Padding"), "fboPadding"},
                                    {"TabSheet4", TranslationKey("Border"), "fboBorder"},
                                    {"TabSheet5", TranslationKey("TextSpacing"), "fboTextSpacing"},
                                    {"TabSheet6", TranslationKey("Whitespace"), "fboWhitespace"}};
    for (const auto& [tabName, caption, name] : bands) {
        auto* tab = new QWidget;
        tab->setObjectName(QLatin1String(tabName));
        tabs->addTab(tab, Translate(QLatin1String(caption)));
        auto* band = FillTab(tab, new TFrameBorderOptions);
        band->setObjectName(QLatin1String(name));
        connect(band, &TFrameBorderOptions::changed, this, &TSettingsPanel::changed);
        FBands.push_back(band);
    }
}

void TSettingsPanel::AddOptionTabs(TZintSymbol& symbol)
{
    QList<TListedProperty> names;
    ListObjectProperties(&symbol, names, false, TPropertyKind::pkObject, {}, true, QString(),
                         QLatin1Char('.'));
    for (const TListedProperty& property : names) {
        auto* options =
            ReadPropertyPath(&symbol, property.Name, QLatin1Char('.')).value<QObject*>();
        if (!options || !options->inherits("TCustomZintSymbolOptions"))
            continue;
        auto* tab = new QWidget;
        addTab(tab, property.Name);
        // The grid re-reads the option values itself whenever its tab is shown.
        auto* grid = FillTab(tab, new TFrameOptions);
        grid->Init(&symbol, property.Name);
        connect(grid, &TFrameOptions::changed, this, &TSettingsPanel::changed);
    }
}

void TSettingsPanel::ChangeOnEdit(QWidget* control)
{
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        connect(combo, &QComboBox::currentIndexChanged, this, &TSettingsPanel::changed);
        // A colour list picks a new custom colour without changing its index.
        connect(combo, &QComboBox::activated, this, &TSettingsPanel::changed);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        connect(edit, &QLineEdit::editingFinished, this, &TSettingsPanel::changed);
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        connect(check, &QCheckBox::toggled, this, &TSettingsPanel::changed);
    }
}

void TSettingsPanel::CreateSettingsColumns(QWidget* page)
{
    const TRenderSettings defaults;
    const auto label = [page](const char* name, const QString& caption) {
        return NewControl<QLabel>(page, name, caption);
    };
    cbRAM = NewControl<QComboBox>(page, "cbRAM");
    FillChoices(cbRAM, AdjustModeNames, defaults.AdjustMode);
    edMHS = NewControl<QLineEdit>(page, "edMHS");
    comHAlign = NewControl<QComboBox>(page, "comHAlign");
    FillChoices(comHAlign, HAlignNames, defaults.HAlign);
    comVAlign = NewControl<QComboBox>(page, "comVAlign");
    FillChoices(comVAlign, VAlignNames, defaults.VAlign);
    edMiMW = NewControl<QLineEdit>(page, "edMiMW");
    edMaMW = NewControl<QLineEdit>(page, "edMaMW");
    for (QLineEdit* edit : {edMHS, edMiMW, edMaMW})
        edit->setMaximumWidth(95);
    AddNumberField(
        edMHS, [] { return HexagonScaleRules; }, defaults.HexagonScale);
    AddNumberField(
        edMiMW, [] { return ModuleWidthLimitRules; }, defaults.MinModuleWidth);
    AddNumberField(
        edMaMW, [] { return ModuleWidthLimitRules; }, defaults.MaxModuleWidth);

    ButtonFont =
        NewControl<QPushButton>(page, "ButtonFont", Translate(QStringLiteral("change Text Font")));
    ButtonFont->setFont(DefaultTextFont());
    ButtonFont->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    // The button's font is the human-readable text's font.
    connect(ButtonFont, &QPushButton::clicked, this, [this] {
        if (const std::optional<QFont> font = FDialogs.PickFont(this, ButtonFont->font())) {
            ButtonFont->setFont(*font);
            emit changed();
        }
    });
    cbHRT = NewControl<QCheckBox>(page, "cbHRT", Translate(QStringLiteral("Show Barcode Text")));
    cbHRT->setChecked(defaults.ShowText);
    const auto pickColor = [this](const QColor& initial) {
        return FDialogs.PickColor(this, initial);
    };
    ColorBox1 = NewControl<TColorBox>(page, "ColorBox1", pickColor);
    ColorBox1->SetSelected(defaults.Foreground);
    ColorBox2 = NewControl<TColorBox>(page, "ColorBox2", pickColor);
    ColorBox2->SetSelected(defaults.Background);

    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(3, 2, 3, 2);
    grid->setVerticalSpacing(0);
    grid->addWidget(page->findChild<QTabWidget*>(QStringLiteral("PageControl2")), 0, 0, 6, 1);
    const std::pair<QLabel*, QWidget*> rows[] = {
        {label("Label3", Translate(QStringLiteral("Render adjust Mode"))), cbRAM},
        {label("Label4", Translate(QStringLiteral("Maxicode Hexagon Scale (float)"))), edMHS},
        {label("Label1", Translate(QStringLiteral("Horiz. align"))), comHAlign},
        {label("Label2", Translate(QStringLiteral("Vert. align"))), comVAlign},
        {label("Label7", Translate(QStringLiteral("Min. Modulewidth:"))), edMiMW},
        {label("Label8", Translate(QStringLiteral("Max. Modulewidth:"))), edMaMW}};
    for (int row = 0; row < 6; ++row) {
        grid->addWidget(rows[row].first, row, 1);
        grid->addWidget(rows[row].second, row, 2);
    }
    grid->addWidget(ButtonFont, 0, 3, 2, 2);
    grid->addWidget(cbHRT, 2, 3, 1, 2);
    grid->addWidget(label("Label5", Translate(QStringLiteral("Bars"))), 3, 3);
    grid->addWidget(ColorBox1, 3, 4);
    grid->addWidget(label("Label6", Translate(QStringLiteral("Background "))), 4, 3);
    grid->addWidget(ColorBox2, 4, 4);
    grid->setColumnStretch(0, 1);

    for (QWidget* control : {static_cast<QWidget*>(cbRAM), static_cast<QWidget*>(edMHS),
                             static_cast<QWidget*>(comHAlign), static_cast<QWidget*>(comVAlign),
                             static_cast<QWidget*>(edMiMW), static_cast<QWidget*>(edMaMW),
                             static_cast<QWidget*>(cbHRT), static_cast<QWidget*>(ColorBox1),
                             static_cast<QWidget*>(ColorBox2)})
        ChangeOnEdit(control);
}
