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
#include <QResizeEvent>
#include <QTabWidget>
#include <QTimer>

namespace {
constexpr int SettingsPageHeight = 191;

// Keeps a control's distance to its parent's bottom edge, as a control anchored there would.
class TBottomAnchor final : public QObject
{
public:
    TBottomAnchor(QWidget* control, int bottomGap)
        : QObject(control), FControl(control), FBottomGap(bottomGap)
    {
        control->parentWidget()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize && watched == FControl->parentWidget()) {
            const int height = FControl->parentWidget()->height() - FControl->y() - FBottomGap;
            FControl->resize(FControl->width(), std::max(height, 0));
        }
        return false;
    }

private:
    QWidget* FControl;
    int FBottomGap;
};

template <typename TWidget, typename... TArgs>
TWidget* Place(QWidget* page, const char* name, QRect geometry, TArgs&&... args)
{
    auto* widget = new TWidget(std::forward<TArgs>(args)..., page);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

void PlaceLabel(QWidget* page, const char* name, QPoint position, const QString& caption)
{
    auto* label = Place<QLabel>(page, name, QRect(position, QSize()), caption);
    label->adjustSize();
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
    PageControl1->setFixedHeight(SettingsPageHeight);
    PageControl1->hide();
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Settings"));

    PageControl2 = Place<QTabWidget>(TabSheet1, "PageControl2", QRect(3, 3, 270, 158));
    // The page is designed 164 high; the editors' tabs stretch with whatever height it gets.
    new TBottomAnchor(PageControl2, 3);
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
    PlaceLabel(page, "Label3", {279, 6}, QStringLiteral("Render adjust Mode"));
    cbRAM = Place<QComboBox>(page, "cbRAM", QRect(382, 3, 92, 21));
    cbRAM->addItems({QStringLiteral("Scale"), QStringLiteral("Inflate Image")});

    PlaceLabel(page, "Label4", {279, 33}, QStringLiteral("Maxicode Hexagon Scale (float)"));
    edMHS = Place<QLineEdit>(page, "edMHS", QRect(437, 30, 37, 21), QStringLiteral("1"));

    PlaceLabel(page, "Label1", {279, 60}, QStringLiteral("Horiz. align"));
    comHAlign = Place<QComboBox>(page, "comHAlign", QRect(338, 57, 136, 21));
    comHAlign->addItems(
        {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")});

    PlaceLabel(page, "Label2", {279, 87}, QStringLiteral("Vert. align"));
    comVAlign = Place<QComboBox>(page, "comVAlign", QRect(338, 84, 136, 21));
    comVAlign->addItems(
        {QStringLiteral("Top"), QStringLiteral("Center"), QStringLiteral("Bottom")});

    PlaceLabel(page, "Label7", {279, 114}, QStringLiteral("Min. Modulewidth:"));
    edMiMW = Place<QLineEdit>(page, "edMiMW", QRect(382, 111, 95, 21), QStringLiteral("0"));
    PlaceLabel(page, "Label8", {279, 141}, QStringLiteral("Max. Modulewidth:"));
    edMaMW = Place<QLineEdit>(page, "edMaMW", QRect(382, 138, 95, 21), QStringLiteral("0"));

    ButtonFont = Place<QPushButton>(page, "ButtonFont", QRect(480, 3, 208, 44),
                                    QStringLiteral("change Text Font"));
    ButtonFont->setFont(DefaultTextFont());
    // The button's font is the human-readable text's font.
    connect(ButtonFont, &QPushButton::clicked, this, [this] {
        if (const std::optional<QFont> font =
                FEnvironment.Dialogs->PickFont(this, ButtonFont->font())) {
            ButtonFont->setFont(*font);
            RequestRender();
        }
    });

    cbHRT = Place<QCheckBox>(page, "cbHRT", QRect(482, 53, 162, 17),
                             QStringLiteral("Show Barcode Text"));
    cbHRT->setChecked(true);

    const auto pickColor = [this](const QColor& initial) {
        return FEnvironment.Dialogs->PickColor(this, initial);
    };
    PlaceLabel(page, "Label5", {483, 79}, QStringLiteral("Bars"));
    ColorBox1 = Place<TColorBox>(page, "ColorBox1", QRect(543, 76, 145, 22), pickColor);
    ColorBox1->SetSelected(Qt::black);
    PlaceLabel(page, "Label6", {483, 100}, QStringLiteral("Background "));
    ColorBox2 = Place<TColorBox>(page, "ColorBox2", QRect(543, 97, 145, 22), pickColor);
    ColorBox2->SetSelected(Qt::white);

    for (QWidget* control : {static_cast<QWidget*>(cbRAM), static_cast<QWidget*>(edMHS),
                             static_cast<QWidget*>(comHAlign), static_cast<QWidget*>(comVAlign),
                             static_cast<QWidget*>(edMiMW), static_cast<QWidget*>(edMaMW),
                             static_cast<QWidget*>(cbHRT), static_cast<QWidget*>(ColorBox1),
                             static_cast<QWidget*>(ColorBox2)})
        RenderOnChange(control);
}
