#include "app/app_form.h"

#include "app/data_folder.h"
#include "app/entry_checker.h"
#include "app/list_pane.h"
#include "app/settings_file.h"
#include "app/settings_panel.h"
#include "app/symbology_list.h"
#include "base/zint_exception.h"
#include "symbol/zint_symbol.h"
#include "update/checker.h"
#include "update/update_results.h"

#include <QComboBox>
#include <QDockWidget>
#include <QFileInfo>
#include <QGuiApplication>
#include <QShowEvent>

TAppForm::TAppForm(const TAppEnvironment& environment, QWidget* parent)
    : QMainWindow(parent), FEnvironment(environment)
{
    // The language comes first: every text of the window is translated as it is created.
    InitLanguage(QString());
    CreateControls();
    FormCreate();
}

TAppForm::~TAppForm()
{
    // The check stops before the list it marks goes; the options grids point at the symbol:
    // they go first.
    delete FEntryChecker;
    delete FSettingsDock;
    delete centralWidget();
}

void TAppForm::FormCreate()
{
    FIdentity = ReadAppIdentity(FEnvironment.ProgramPath);
    setWindowTitle(FIdentity.AppName);
    FDataFolder =
        ChooseDataFolder(QFileInfo(FEnvironment.ProgramPath).absolutePath(), FEnvironment.DataHome,
                         FIdentity.AppCompanyName, FIdentity.AppProductName);
    CheckSettingsFile(FDataFolder);
    FillSymbologyList(comType);
    // Selected by program: not a user's choice, so nothing renders yet.
    SelectSymbology(comType, TZintSymbology::zsCODE39);
    FSymbol = std::make_unique<TZintSymbol>();
    FSettingsPanel->AddOptionTabs(*FSymbol);
    RestoreWork();
    CreateEntryChecks();
    FollowSymbology();
}

void TAppForm::FollowSymbology()
{
    FSettingsPanel->ShowOptionsOf(CurrentSymbology());
    if (FShowingSample)
        FCurrentText = QString::fromUtf8(lintaro::Traits(CurrentSymbology()).SampleText);
}

void TAppForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // A spontaneous show is the window coming back from being minimised, not a new showing.
    if (!event->spontaneous())
        FormShow();
}

void TAppForm::dragEnterEvent(QDragEnterEvent* event)
{
    FListPane->DragMove(event);
}

void TAppForm::dragMoveEvent(QDragMoveEvent* event)
{
    FListPane->DragMove(event);
}

void TAppForm::dropEvent(QDropEvent* event)
{
    FListPane->Drop(event);
}

void TAppForm::FormShow()
{
    FListPane->setFocus(Qt::OtherFocusReason);
    UpdateBarcode();
}

void TAppForm::ShowDefaultError(const EZintException& error)
{
    FEnvironment.Dialogs->ErrorBox(this, QGuiApplication::applicationDisplayName(),
                                   QString::fromUtf8(error.what()));
}
