// The "Settings" page: the four-sided editors' tabs and the three columns of render settings.
#include "app/app_form.h"

#include "app/color_box.h"
#include "app/dialog_service.h"
#include "render/zint_render_canvas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTabWidget>

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
    // The button's font is the human-readable text's font; a choice takes effect at the next
    // render like every other value of the page.
    connect(ButtonFont, &QPushButton::clicked, this, [this] {
        if (const std::optional<QFont> font =
                FEnvironment.Dialogs->PickFont(this, ButtonFont->font()))
            ButtonFont->setFont(*font);
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
}
