#include "app/app_form.h"

#include "app/data_folder.h"
#include "app/entry_checker.h"
#include "app/list_pane.h"
#include "app/settings_file.h"
#include "app/settings_panel.h"
#include "base/zint_exception.h"
#include "symbol/zint_symbol.h"
#include "update/checker.h"
#include "update/update_results.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QShowEvent>

TAppForm::TAppForm(const TAppEnvironment& environment, QWidget* parent)
    : QMainWindow(parent), FEnvironment(environment), FCurrentText(QStringLiteral("1234567890")),
      FBarcodeText(FCurrentText)
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
    FillSymbologyList();
    FSymbol = std::make_unique<TZintSymbol>();
    FSettingsPanel->AddOptionTabs(*FSymbol);
    RestoreWork();
    CreateEntryChecks();
}

void TAppForm::FillSymbologyList()
{
    for (const TSymbologyEntry& entry : SymbologyCatalogue)
        comType->addItem(QLatin1String(entry.DisplayName), int(entry.Symbology));
    // Selected by program: not a user's choice, so nothing renders yet.
    comType->setCurrentIndex(int(TZintSymbology::zsCODE39));
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
