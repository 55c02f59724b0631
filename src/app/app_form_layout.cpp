// The window's panes: the list pane and the preview pane side by side above the export bar,
// the settings panel beside them.
#include "app/app_form.h"

#include "app/list_pane.h"
#include "app/preview_image.h"
#include "app/settings_panel.h"
#include "app/symbology_search.h"
#include "i18n/translation_engine.h"

#include <QComboBox>
#include <QDockWidget>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int ClientWidth = 679;
constexpr int ClientHeight = 459;
// Wide enough for the start-up symbol (Code 39 of "1234567890", 350 pixels with its quiet
// zones) at full size, so the window shows it as it will be saved.
constexpr int PreviewPaneWidth = 360;
constexpr int SplitterWidth = 5;
constexpr int ControlMargin = 3;

template <typename TWidget, typename... TArgs>
TWidget* NewControl(const char* name, TArgs&&... args)
{
    auto* widget = new TWidget(std::forward<TArgs>(args)...);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QBoxLayout* BareLayout(QBoxLayout* layout, int margin = 0)
{
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(0);
    return layout;
}
} // namespace

void TAppForm::CreateControls()
{
    Q_INIT_RESOURCE(icons);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    auto* client = new QWidget(this);
    setCentralWidget(client);
    CreatePreviewPane();
    CreateListPane();
    Splitter1 = NewControl<QSplitter>("Splitter1", Qt::Horizontal);
    Splitter1->setHandleWidth(SplitterWidth);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->setOpaqueResize(true);
    Splitter1->addWidget(FListPane);
    Splitter1->addWidget(Panel2);
    // A larger window gives both panes more room: longer texts and a larger preview.
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 1);

    CreateSettingsPanel();
    CreateExportBar();

    auto* layout = BareLayout(new QVBoxLayout(client));
    // The platform's margins keep the panes off the window's edges.
    const QStyle* look = style();
    layout->setContentsMargins(look->pixelMetric(QStyle::PM_LayoutLeftMargin),
                               look->pixelMetric(QStyle::PM_LayoutTopMargin),
                               look->pixelMetric(QStyle::PM_LayoutRightMargin),
                               look->pixelMetric(QStyle::PM_LayoutBottomMargin));
    layout->addWidget(Splitter1, 1);
    layout->addWidget(FExport);

    CreateMenus();
    CreatePreviewMenu();
    TimerChecker = new QTimer(this);
    TimerChecker->setObjectName(QStringLiteral("TimerChecker"));
    TimerChecker->setInterval(1000);
    connect(TimerChecker, &QTimer::timeout, this, &TAppForm::TimerCheckerTimer);
    TimerChecker->start();

    // The panes keep their design width beside the settings panel; the preview its width.
    const QMargins margins = layout->contentsMargins();
    const int width = std::max(ClientWidth, client->minimumSizeHint().width());
    const int panelWidth = FSettingsDock->minimumSizeHint().width();
    resize(width + margins.left() + margins.right() + panelWidth +
               style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent),
           ClientHeight + margins.top() + margins.bottom() + menuBar()->sizeHint().height() +
               statusBar()->sizeHint().height());
    resizeDocks({FSettingsDock}, {panelWidth}, Qt::Horizontal);
    Splitter1->setSizes({width - PreviewPaneWidth - SplitterWidth, PreviewPaneWidth});
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TAppForm::CreateSettingsPanel()
{
    FRenderTimer = new QTimer(this);
    FRenderTimer->setObjectName(QStringLiteral("FRenderTimer"));
    FRenderTimer->setSingleShot(true);
    FRenderTimer->setInterval(0);
    connect(FRenderTimer, &QTimer::timeout, this, &TAppForm::RenderBarcode);
    FSettingsPanel = new TSettingsPanel(*FEnvironment.Dialogs);
    connect(FSettingsPanel, &TSettingsPanel::changed, this, &TAppForm::RequestRender);
    // Scrolled rather than cut when the window is lower than the panel.
    auto* scroller = NewControl<QScrollArea>("SettingsScroller");
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Off the window's edge as the panes are, with or without a scroll bar.
    const int edge = style()->pixelMetric(QStyle::PM_LayoutRightMargin);
    auto* inset = new QWidget;
    auto* insetLayout = new QVBoxLayout(inset);
    insetLayout->setContentsMargins(0, 0, edge, 0);
    insetLayout->addWidget(FSettingsPanel);
    scroller->setWidget(inset);
    scroller->setMinimumWidth(inset->minimumSizeHint().width() +
                              scroller->verticalScrollBar()->sizeHint().width());
    FSettingsDock = NewControl<QDockWidget>("SettingsDock", Translate(QStringLiteral("Settings")));
    FSettingsDock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    FSettingsDock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    FSettingsDock->setWidget(scroller);
    // After the panes in reading order: on the left in a right-to-left language.
    addDockWidget(layoutDirection() == Qt::RightToLeft ? Qt::LeftDockWidgetArea
                                                       : Qt::RightDockWidgetArea,
                  FSettingsDock);
}

void TAppForm::CreateExportBar()
{
    FExport = new TExportController(*FEnvironment.Dialogs, *this, *FListPane, centralWidget());
    // The size the saved images will have, on one line in the status bar: beside the export
    // buttons it made the window wider or wrapped.
    lblImageSize = NewControl<QLabel>("lblImageSize");
    lblImageSize->setWordWrap(false);
    statusBar()->addWidget(lblImageSize);
}

void TAppForm::CreatePreviewPane()
{
    Panel2 = NewControl<QWidget>("Panel2");
    Panel2->setMinimumWidth(2 * ControlMargin + 1);
    imgResult = NewControl<TPreviewImage>("imgResult");
    BareLayout(new QVBoxLayout(Panel2), ControlMargin)->addWidget(imgResult);
}

void TAppForm::CreateListPane()
{
    FListPane = new TListPane(*FEnvironment.Dialogs);
    connect(FListPane, &TListPane::TextChosen, this, [this](const QString& text, int entry) {
        SetCurrentText(text, entry);
        UpdateBarcode();
    });
    addActions(FListPane->HistoryActions());
    setAcceptDrops(true);

    comType = NewControl<QComboBox>("comType");
    comType->setMaxVisibleItems(50);
    connect(comType, &QComboBox::activated, this, &TAppForm::comTypeChange);

    FListPane->AddBelowList(NewControl<TSymbologySearch>("edFindType", comType));
    FListPane->AddBelowList(comType);
}
