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
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace {
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
    // A number field re-renders while it is typed in, once the typing pauses.
    FTypingPause = new QTimer(this);
    FTypingPause->setObjectName(QStringLiteral("FTypingPause"));
    FTypingPause->setSingleShot(true);
    FTypingPause->setInterval(250);
    connect(FTypingPause, &QTimer::timeout, this, &TSettingsPanel::changed);
    CreateSettingsPage();
    CreateOutputSizePage();
}

void TSettingsPanel::CreateSettingsPage()
{
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    addTab(TabSheet1, Translate(QStringLiteral("Settings")));
    auto* bands = NewControl<QTabWidget>(TabSheet1, "PageControl2");
    bands->setElideMode(Qt::ElideNone);
    // Scrolled in the narrow panel rather than widening it.
    bands->setUsesScrollButtons(true);
    CreateBands(bands);
    CreateSettingsColumns(TabSheet1);
}

void TSettingsPanel::CreateBands(QTabWidget* tabs)
{
    const char* const bands[][3] = {{"TabSheet2", TranslationKey("Margin"), "fboMargin"},
                                    {"TabSheet3", TranslationKey("Padding"), "fboPadding"},
                                    {"TabSheet4", TranslationKey("Border"), "fboBorder"},
                                    {"TabSheet5", TranslationKey("Text spacing"), "fboTextSpacing"},
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
        tab->setObjectName(property.Name);
        setTabVisible(addTab(tab, property.Name), false);
        // The grid re-reads the option values itself whenever its tab is shown.
        auto* grid = FillTab(tab, new TFrameOptions);
        grid->Init(&symbol, property.Name);
        connect(grid, &TFrameOptions::changed, this, &TSettingsPanel::changed);
        FOptionTabs.push_back(tab);
    }
}

void TSettingsPanel::ShowOptionsOf(TZintSymbology symbology)
{
    const TSymbologyEntry& entry = SymbologyCatalogue[std::size_t(symbology)];
    const QString set = QLatin1String(entry.OptionSet ? entry.OptionSet : "");
    for (QWidget* tab : FOptionTabs) {
        const int index = indexOf(tab);
        setTabVisible(index, tab->objectName() == set);
        setTabText(
            index,
            Translate(QStringLiteral("%1 options")).arg(QString::fromUtf8(entry.DisplayName)));
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
        NewControl<QPushButton>(page, "ButtonFont", Translate(QStringLiteral("Text font...")));
    ButtonFont->setFont(DefaultTextFont());
    // The button's font is the human-readable text's font.
    connect(ButtonFont, &QPushButton::clicked, this, [this] {
        if (const std::optional<QFont> font = FDialogs.PickFont(this, ButtonFont->font())) {
            ButtonFont->setFont(*font);
            emit changed();
        }
    });
    cbHRT =
        NewControl<QCheckBox>(page, "cbHRT", Translate(QStringLiteral("Show human-readable text")));
    cbHRT->setChecked(defaults.ShowText);
    const auto pickColor = [this](const QColor& initial) {
        return FDialogs.PickColor(this, initial);
    };
    ColorBox1 = NewControl<TColorBox>(page, "ColorBox1", pickColor);
    ColorBox1->SetSelected(defaults.Foreground);
    ColorBox2 = NewControl<TColorBox>(page, "ColorBox2", pickColor);
    ColorBox2->SetSelected(defaults.Background);

    auto* grid = new QGridLayout(page);
    // One column of labelled controls under the band editors: the panel stands beside the panes.
    grid->addWidget(page->findChild<QTabWidget*>(QStringLiteral("PageControl2")), 0, 0, 1, 3);
    const std::pair<QLabel*, QWidget*> rows[] = {
        {label("Label3", Translate(QStringLiteral("Render adjust mode"))), cbRAM},
        {label("Label4", Translate(QStringLiteral("MaxiCode hexagon scale"))), edMHS},
        {label("Label1", Translate(QStringLiteral("Horizontal alignment"))), comHAlign},
        {label("Label2", Translate(QStringLiteral("Vertical alignment"))), comVAlign},
        {label("Label7", Translate(QStringLiteral("Minimum module width"))), edMiMW},
        {label("Label8", Translate(QStringLiteral("Maximum module width"))), edMaMW},
        {label("Label5", Translate(QStringLiteral("Bars"))), ColorBox1},
        {label("Label6", Translate(QStringLiteral("Background"))), ColorBox2}};
    int line = 1;
    for (const auto& [caption, control] : rows) {
        grid->addWidget(caption, line, 0);
        grid->addWidget(control, line++, 1);
    }
    grid->addWidget(cbHRT, line++, 0, 1, 3);
    grid->addWidget(ButtonFont, line++, 0, 1, 3);
    grid->setRowStretch(line, 1);
    grid->setColumnStretch(2, 1);

    for (QWidget* control : {static_cast<QWidget*>(cbRAM), static_cast<QWidget*>(edMHS),
                             static_cast<QWidget*>(comHAlign), static_cast<QWidget*>(comVAlign),
                             static_cast<QWidget*>(edMiMW), static_cast<QWidget*>(edMaMW),
                             static_cast<QWidget*>(cbHRT), static_cast<QWidget*>(ColorBox1),
                             static_cast<QWidget*>(ColorBox2)})
        ChangeOnEdit(control);
}
