// The main menu and the handlers of its own items.
#include "app/app_form.h"

#include "app/list_pane.h"
#include "app/settings_panel.h"

#include <QDesktopServices>
#include <QMenuBar>
#include <QTabWidget>
#include <QUrl>

namespace {
QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& title)
{
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                 const char* picture = nullptr)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    if (picture)
        action->setIcon(QIcon(QStringLiteral(":/icons/") + QLatin1String(picture)));
    return action;
}
} // namespace

void TAppForm::CreateMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = AddMenu(bar, "File1", QStringLiteral("File"));
    New1 = AddItem(file, "New1", QStringLiteral("Clear"));
    connect(New1, &QAction::triggered, FListPane, &TListPane::DeleteAll1Click);
    file->addSeparator();
    Load1 = AddItem(file, "Load1", QStringLiteral("Load..."));
    Load1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(Load1, &QAction::triggered, FListPane, &TListPane::Load1Click);
    file->addSeparator();
    file->addActions(FExport->Actions());
    file->addSeparator();
    AddPrintItems(file);
    file->addSeparator();
    Exit1 = AddItem(file, "Exit1", QStringLiteral("Exit"), "exit");
    connect(Exit1, &QAction::triggered, this, &TAppForm::Exit1Click);

    QMenu* view = AddMenu(bar, "View1", QStringLiteral("View"));
    Settings1 = AddItem(view, "Settings1", QStringLiteral("Settings"));
    Settings1->setCheckable(true);
    connect(Settings1, &QAction::toggled, this, &TAppForm::Settings1Click);

    QMenu* help = AddMenu(bar, "Help1", QStringLiteral("Help"));
    Help2 = AddItem(help, "Help2", QStringLiteral("Online Help"), "help");
    Help2->setShortcut(QKeySequence(Qt::Key_F1));
    connect(Help2, &QAction::triggered, this, &TAppForm::Help2Click);
    help->addSeparator();
    UpdateNotifications1 =
        AddItem(help, "UpdateNotifications1", QStringLiteral("Update Notifications"));
    UpdateNotifications1->setCheckable(true);
    UpdateNotifications1->setChecked(true);
    UpdateNotifications1->setEnabled(false);
    connect(UpdateNotifications1, &QAction::triggered, this, &TAppForm::UpdateNotifications1Click);
    help->addSeparator()->setObjectName(QStringLiteral("UpdateNotificationsBar"));
    Language1 = AddItem(help, "Language1", QStringLiteral("Language..."), "flag");
    connect(Language1, &QAction::triggered, this, &TAppForm::Language1Click);
    SendFeedback1 = AddItem(help, "SendFeedback1", QStringLiteral("Send &Feedback..."), "feedback");
    connect(SendFeedback1, &QAction::triggered, this, &TAppForm::SendFeedback1Click);
    About1 = AddItem(help, "About1", QStringLiteral("&About..."), "about");
    connect(About1, &QAction::triggered, this, &TAppForm::About1Click);
}

void TAppForm::Settings1Click(bool checked)
{
    FSettingsPanel->setVisible(checked);
}

void TAppForm::Help2Click()
{
    QDesktopServices::openUrl(QUrl(OnlineHelpAddress(FIdentity.AppProductName)));
}

void TAppForm::Exit1Click()
{
    close();
}
