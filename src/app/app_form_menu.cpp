// The main menu and the handlers of its own items.
#include "app/app_form.h"
#include "i18n/translation_engine.h"

#include "app/list_pane.h"
#include "app/settings_panel.h"

#include <QDockWidget>
#include <QMenuBar>
#include <QTabWidget>

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
        action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(picture))));
    return action;
}
} // namespace

void TAppForm::CreateMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = AddMenu(bar, "File1", Translate(QStringLiteral("&File")));
    New1 = AddItem(file, "New1", Translate(QStringLiteral("&Clear")));
    connect(New1, &QAction::triggered, FListPane, &TListPane::DeleteAll1Click);
    file->addSeparator();
    Load1 = AddItem(file, "Load1", Translate(QStringLiteral("&Load...")));
    Load1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(Load1, &QAction::triggered, FListPane, &TListPane::Load1Click);
    AddListFileItems(file);
    file->addSeparator();
    file->addActions(FExport->Actions());
    file->addSeparator();
    AddPrintItems(file);
    file->addSeparator();
    Exit1 = AddItem(file, "Exit1", Translate(QStringLiteral("E&xit")), "exit");
    Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(Exit1, &QAction::triggered, this, &TAppForm::Exit1Click);

    CreateEditMenu(bar);

    QMenu* view = AddMenu(bar, "View1", Translate(QStringLiteral("&View")));
    Settings1 = AddItem(view, "Settings1", Translate(QStringLiteral("&Settings")));
    Settings1->setCheckable(true);
    Settings1->setChecked(true);
    connect(Settings1, &QAction::toggled, this, &TAppForm::Settings1Click);
    // The panel's own close button unchecks the item.
    connect(FSettingsDock->toggleViewAction(), &QAction::toggled, Settings1, &QAction::setChecked);

    QMenu* help = AddMenu(bar, "Help1", Translate(QStringLiteral("&Help")));
    Help2 = AddItem(help, "Help2", Translate(QStringLiteral("Online &Help")), "help");
    Help2->setShortcut(QKeySequence(Qt::Key_F1));
    connect(Help2, &QAction::triggered, this, &TAppForm::Help2Click);
    help->addSeparator();
    UpdateNotifications1 =
        AddItem(help, "UpdateNotifications1", Translate(QStringLiteral("&Update Notifications")));
    UpdateNotifications1->setCheckable(true);
    UpdateNotifications1->setChecked(true);
    UpdateNotifications1->setEnabled(false);
    connect(UpdateNotifications1, &QAction::triggered, this, &TAppForm::UpdateNotifications1Click);
    // Enabled with the switch: both write through the store the update check opens.
    ResetIdentifier1 =
        AddItem(help, "ResetIdentifier1", Translate(QStringLiteral("Reset Identifier")));
    ResetIdentifier1->setEnabled(false);
    connect(ResetIdentifier1, &QAction::triggered, this, &TAppForm::ResetIdentifier1Click);
    help->addSeparator()->setObjectName(QStringLiteral("UpdateNotificationsBar"));
    Language1 = AddItem(help, "Language1", Translate(QStringLiteral("&Language...")), "flag");
    connect(Language1, &QAction::triggered, this, &TAppForm::Language1Click);
    SendFeedback1 =
        AddItem(help, "SendFeedback1", Translate(QStringLiteral("Send &Feedback...")), "feedback");
    connect(SendFeedback1, &QAction::triggered, this, &TAppForm::SendFeedback1Click);
    About1 = AddItem(help, "About1", Translate(QStringLiteral("&About...")), "about");
    connect(About1, &QAction::triggered, this, &TAppForm::About1Click);
}

void TAppForm::Settings1Click(bool checked)
{
    FSettingsDock->setVisible(checked);
}

void TAppForm::Exit1Click()
{
    close();
}
