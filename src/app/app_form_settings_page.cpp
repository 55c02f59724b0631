// The "Settings" page: the four-sided editors' tabs and the three columns of render settings.
#include "app/app_form.h"

#include "app/color_box.h"
#include "app/dialog_service.h"
#include "render/render_settings.h"
#include "render/zint_render_canvas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

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
} // namespace

void TAppForm::CreateSettingsPage()
{
    FRenderTimer = new QTimer(this);
    FRenderTimer->setObjectName(QStringLiteral("FRenderTimer"));
    FRenderTimer->setSingleShot(true);
    FRenderTimer->setInterval(0);
    connect(FRenderTimer, &QTimer::timeout, this, &TAppForm::RenderBarcode);

    PageControl1 = new QTabWidget(centralWidget());
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    // Whole names, scrolled rather than shortened when they do not all fit.
    PageControl1->setElideMode(Qt::ElideNone);
    PageControl1->hide();
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Settings"));

    PageControl2 = NewControl<QTabWidget>(TabSheet1, "PageControl2");
    PageControl2->setElideMode(Qt::ElideNone);
    PageControl2->setUsesScrollButtons(false);
    const char* const bandTabs[][2] = {{"TabSheet2", "Margin"},
                                       {"TabSheet3", "Padding"},
                                       {"TabSheet4", "Border"},
                                       {"TabSheet5", "TextSpacing"},
                                       {"TabSheet6", "Whitespace"}};
    for (const auto& [name, caption] : bandTabs) {
        auto* tab = new QWidget;
        tab->setObjectName(QLatin1String(name));
        PageControl2->addTab(tab, QLatin1String(caption));
    }
    CreateSettingsColumns(TabSheet1);
    CreateOutputSizePage();
    PageControl1->setFixedHeight(
        std::max(SettingsPageHeight, PageControl1->minimumSizeHint().height()));
}

void TAppForm::RenderOnChange(QWidget* control)
{
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        connect(combo, &QComboBox::currentIndexChanged, this, &TAppForm::RequestRender);
        // A colour list picks a new custom colour without changing its index.
        connect(combo, &QComboBox::activated, this, &TAppForm::RequestRender);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        connect(edit, &QLineEdit::editingFinished, this, &TAppForm::RequestRender);
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        connect(check, &QCheckBox::toggled, this, &TAppForm::RequestRender);
    }
}

void TAppForm::CreateOutputSizePage()
{
    TabOutputSize = new QWidget;
    TabOutputSize->setObjectName(QStringLiteral("TabOutputSize"));
    PageControl1->addTab(TabOutputSize, QStringLiteral("Output Size"));
    const TRenderSettings defaults;
    const auto combo = [this](const char* name, const QStringList& items, int index) {
        auto* box = new QComboBox(TabOutputSize);
        box->setObjectName(QLatin1String(name));
        box->addItems(items);
        box->setCurrentIndex(index);
        return box;
    };
    const auto edit = [this](const char* name, const QString& text) {
        auto* line = new QLineEdit(text, TabOutputSize);
        line->setObjectName(QLatin1String(name));
        line->setMaximumWidth(70);
        return line;
    };
    const auto number = [](double value) { return QLocale().toString(value, 'g', 6); };

    comImageSize = combo("comImageSize",
                         {QStringLiteral("Fit symbol"), QStringLiteral("Preview area"),
                          QStringLiteral("Fixed (W x H)")},
                         int(defaults.ImageSize));
    edImageWidth = edit("edImageWidth", QString::number(defaults.FixedImageSize.width()));
    edImageHeight = edit("edImageHeight", QString::number(defaults.FixedImageSize.height()));
    comModuleSize = combo("comModuleSize",
                          {QStringLiteral("Pixels"), QStringLiteral("Millimetres"),
                           QStringLiteral("Inches"), QStringLiteral("Fit")},
                          int(defaults.ModuleSizeMode));
    edModuleSize = edit("edModuleSize", number(defaults.ModuleSize));
    cbExactFit = new QCheckBox(QStringLiteral("Exact fit"), TabOutputSize);
    cbExactFit->setObjectName(QStringLiteral("cbExactFit"));
    comBarHeight =
        combo("comBarHeight",
              {QStringLiteral("Standard"), QStringLiteral("Modules"), QStringLiteral("Millimetres"),
               QStringLiteral("Inches"), QStringLiteral("Fill")},
              int(defaults.BarHeightMode));
    edBarHeight = edit("edBarHeight", QStringLiteral("50"));
    comQuietZones = combo("comQuietZones", {QStringLiteral("Standard"), QStringLiteral("None")},
                          int(defaults.QuietZones));
    edDpi = edit("edDpi", QString::number(defaults.Dpi));
    comCaptionSize =
        combo("comCaptionSize",
              {QStringLiteral("Font"), QStringLiteral("Pixels"), QStringLiteral("Share of module")},
              int(defaults.CaptionSizeMode));
    edCaptionSize = edit("edCaptionSize", QStringLiteral("12"));
    edPrimary = edit("edPrimary", defaults.PrimaryMessage);
    edPrimary->setMaximumWidth(QWIDGETSIZE_MAX);
    // Empty is a choice of its own: MaxiCode carries no primary message then.
    edPrimary->setPlaceholderText(QStringLiteral("None"));
    edPrimary->setToolTip(QStringLiteral(
        "Empty: composites take a standard linear component, MaxiCode encodes the text alone."));

    auto* grid = new QGridLayout(TabOutputSize);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(3);
    const auto row = [grid](int line, int column, const QString& caption,
                            std::initializer_list<QWidget*> controls) {
        grid->addWidget(new QLabel(caption), line, column);
        auto* cell = new QHBoxLayout;
        for (QWidget* control : controls)
            cell->addWidget(control);
        cell->addStretch(1);
        grid->addLayout(cell, line, column + 1);
    };
    row(0, 0, QStringLiteral("Image size"), {comImageSize, edImageWidth, edImageHeight});
    row(1, 0, QStringLiteral("Module size"), {comModuleSize, edModuleSize, cbExactFit});
    row(2, 0, QStringLiteral("Bar height"), {comBarHeight, edBarHeight});
    row(0, 2, QStringLiteral("Quiet zones"), {comQuietZones});
    row(1, 2, QStringLiteral("Resolution (dpi)"), {edDpi});
    row(2, 2, QStringLiteral("Caption size"), {comCaptionSize, edCaptionSize});
    row(3, 0, QStringLiteral("Primary message"), {edPrimary});
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    for (QWidget* control :
         {static_cast<QWidget*>(comImageSize), static_cast<QWidget*>(edImageWidth),
          static_cast<QWidget*>(edImageHeight), static_cast<QWidget*>(comModuleSize),
          static_cast<QWidget*>(edModuleSize), static_cast<QWidget*>(cbExactFit),
          static_cast<QWidget*>(comBarHeight), static_cast<QWidget*>(edBarHeight),
          static_cast<QWidget*>(comQuietZones), static_cast<QWidget*>(edDpi),
          static_cast<QWidget*>(comCaptionSize), static_cast<QWidget*>(edCaptionSize),
          static_cast<QWidget*>(edPrimary)})
        RenderOnChange(control);
}

void TAppForm::CreateSettingsColumns(QWidget* page)
{
    const auto label = [page](const char* name, const QString& caption) {
        return NewControl<QLabel>(page, name, caption);
    };
    cbRAM = NewControl<QComboBox>(page, "cbRAM");
    cbRAM->addItems({QStringLiteral("Scale"), QStringLiteral("Inflate Image")});
    edMHS = NewControl<QLineEdit>(page, "edMHS", QStringLiteral("1"));
    comHAlign = NewControl<QComboBox>(page, "comHAlign");
    comHAlign->addItems(
        {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")});
    comVAlign = NewControl<QComboBox>(page, "comVAlign");
    comVAlign->addItems(
        {QStringLiteral("Top"), QStringLiteral("Center"), QStringLiteral("Bottom")});
    edMiMW = NewControl<QLineEdit>(page, "edMiMW", QStringLiteral("0"));
    edMaMW = NewControl<QLineEdit>(page, "edMaMW", QStringLiteral("0"));
    for (QLineEdit* edit : {edMHS, edMiMW, edMaMW})
        edit->setMaximumWidth(95);

    ButtonFont = NewControl<QPushButton>(page, "ButtonFont", QStringLiteral("change Text Font"));
    ButtonFont->setFont(DefaultTextFont());
    ButtonFont->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    // The button's font is the human-readable text's font.
    connect(ButtonFont, &QPushButton::clicked, this, [this] {
        if (const std::optional<QFont> font =
                FEnvironment.Dialogs->PickFont(this, ButtonFont->font())) {
            ButtonFont->setFont(*font);
            RequestRender();
        }
    });
    cbHRT = NewControl<QCheckBox>(page, "cbHRT", QStringLiteral("Show Barcode Text"));
    cbHRT->setChecked(true);
    const auto pickColor = [this](const QColor& initial) {
        return FEnvironment.Dialogs->PickColor(this, initial);
    };
    ColorBox1 = NewControl<TColorBox>(page, "ColorBox1", pickColor);
    ColorBox1->SetSelected(Qt::black);
    ColorBox2 = NewControl<TColorBox>(page, "ColorBox2", pickColor);
    ColorBox2->SetSelected(Qt::white);

    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(3, 2, 3, 2);
    grid->setVerticalSpacing(0);
    grid->addWidget(PageControl2, 0, 0, 6, 1);
    const std::pair<QLabel*, QWidget*> rows[] = {
        {label("Label3", QStringLiteral("Render adjust Mode")), cbRAM},
        {label("Label4", QStringLiteral("Maxicode Hexagon Scale (float)")), edMHS},
        {label("Label1", QStringLiteral("Horiz. align")), comHAlign},
        {label("Label2", QStringLiteral("Vert. align")), comVAlign},
        {label("Label7", QStringLiteral("Min. Modulewidth:")), edMiMW},
        {label("Label8", QStringLiteral("Max. Modulewidth:")), edMaMW}};
    for (int row = 0; row < 6; ++row) {
        grid->addWidget(rows[row].first, row, 1);
        grid->addWidget(rows[row].second, row, 2);
    }
    grid->addWidget(ButtonFont, 0, 3, 2, 2);
    grid->addWidget(cbHRT, 2, 3, 1, 2);
    grid->addWidget(label("Label5", QStringLiteral("Bars")), 3, 3);
    grid->addWidget(ColorBox1, 3, 4);
    grid->addWidget(label("Label6", QStringLiteral("Background ")), 4, 3);
    grid->addWidget(ColorBox2, 4, 4);
    grid->setColumnStretch(0, 1);

    for (QWidget* control : {static_cast<QWidget*>(cbRAM), static_cast<QWidget*>(edMHS),
                             static_cast<QWidget*>(comHAlign), static_cast<QWidget*>(comVAlign),
                             static_cast<QWidget*>(edMiMW), static_cast<QWidget*>(edMaMW),
                             static_cast<QWidget*>(cbHRT), static_cast<QWidget*>(ColorBox1),
                             static_cast<QWidget*>(ColorBox2)})
        RenderOnChange(control);
}
