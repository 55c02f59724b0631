#pragma once

#include "app/app_environment.h"
#include "app/app_identity.h"
#include "app/dialog_service.h"
#include "app/export_controller.h"
#include "dialogs/program_facts.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QDockWidget;
class QLabel;
class QMenu;
class QMenuBar;
class QSplitter;
class QTimer;
class EZintException;
class TEntryChecker;
class TListPane;
class TPreviewImage;
class TPrintController;
class TSettingsPanel;
struct TRenderSettings;
class TZintSymbol;
class TChecker;
struct TUpdateResults;

// The main window: the list of texts, the preview, the settings page and the export bar.
class TAppForm final : public QMainWindow, private TExportSource
{
    Q_OBJECT

public:
    explicit TAppForm(const TAppEnvironment& environment, QWidget* parent = nullptr);
    ~TAppForm() override;

    const TAppIdentity& Identity() const { return FIdentity; }
    const QString& DataFolder() const { return FDataFolder; }
    const QString& CurrentText() const override { return FCurrentText; }
    TZintSymbol& Symbol() const override { return *FSymbol; }

    // Renders CurrentText.
    void UpdateBarcode() override;
    // Renders a text that is no entry of the list.
    void UpdateBarcodeYeni(const QString& text);
    // One complete render of the text last given; an error is shown in the preview pane.
    void RenderBarcode();
    // A render once the current burst of changes is over: a keystroke that changes four
    // values, or a colour pick, renders once and shows at most one error.
    void RequestRender();
    // The settings page as one value: what the preview and both exports render with.
    TRenderSettings CurrentRenderSettings() const override;

    // The list of texts.
    TListPane& ListPane() const { return *FListPane; }
    // What marks the entries that will fail.
    TEntryChecker& EntryChecker() const { return *FEntryChecker; }

    // The settings page, the output size page and the option sets.
    TSettingsPanel& SettingsPanel() const { return *FSettingsPanel; }

    // The export bar and the exports.
    TExportController& Export() const { return *FExport; }

    void comTypeChange();
    void edDataChange();
    void Settings1Click(bool checked);
    void Help2Click();
    void Exit1Click();
    void SendFeedback1Click();
    void About1Click();
    // Opens the language dialog (src/app/app_form_language.cpp).
    void Language1Click();
    // Remembers the chosen language file in the per-user store for the next start.
    void SetLanguageFile(const QString& Filename);

    // The update check (app_form_update.cpp).
    void TimerCheckerTimer();
    void UpdateNotifications1Click(bool checked);
    void ResetIdentifier1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();

    // Creation steps, each in the file of its concern.
    void CreateControls();
    void CreateExportBar();
    void CreateListPane();
    void CreatePreviewPane();
    void CreateSettingsPanel();
    // The marks on entries that will fail (app_form_entry_checks.cpp).
    void CreateEntryChecks();
    void ShowImageSize();
    TZintSymbology CurrentSymbology() const override;
    QString CurrentSymbologyName() const override;
    const TPreviewImage& Preview() const override { return *imgResult; }
    void SetCurrentText(const QString& text, int entry) override
    {
        FCurrentText = text;
        FCurrentEntry = entry;
        FShowingSample = false;
    }
    void ShowText(const QString& text, int entry);
    void CreateMenus();
    // The list's items of the File menu, and the Edit menu (app_form_list_menu.cpp).
    void AddListFileItems(QMenu* file);
    void CreateEditMenu(QMenuBar* bar);
    // The preview's copy and zoom items in the View menu.
    void CreatePreviewMenu();
    // The option tab and, while no text is given, the sample of the chosen symbology.
    void FollowSymbology();
    // File > Print... and Print Preview... (app_form_print.cpp).
    void AddPrintItems(QMenu* file);
    void InitLanguage(const QString& fileName);
    // The user's work of the last session, from the per-user store (app_form_memory.cpp);
    // what is missing or damaged keeps its default.
    void RestoreWork();
    void RememberWork();
    // What the feedback window and the about box show and send about the program.
    TProgramFacts ProgramFacts() const;
    // What the application's default error handling does with a failure that a handler
    // catches instead of letting it unwind through Qt.
    void ShowDefaultError(const EZintException& error);

    TAppEnvironment FEnvironment;
    TAppIdentity FIdentity;
    QString FDataFolder;
    QString FCurrentText;
    int FCurrentEntry = 0; // 1-based in the list; 0 when the text is no entry
    // Until the user gives a text, the current text is the chosen symbology's sample, which
    // it encodes as it stands.
    bool FShowingSample = true;
    QString FBarcodeText; // the text of the last render, re-rendered by option changes
    int FBarcodeEntry = 0;

    TExportController* FExport = nullptr;
    TPrintController* FPrint = nullptr;
    TSettingsPanel* FSettingsPanel = nullptr;
    QDockWidget* FSettingsDock = nullptr;
    // Preview and list panes.
    QSplitter* Splitter1 = nullptr;
    QWidget* Panel2 = nullptr;
    TPreviewImage* imgResult = nullptr;
    QLabel* lblImageSize = nullptr;
    TListPane* FListPane = nullptr;
    QComboBox* comType = nullptr;
    QTimer* TimerChecker = nullptr;
    QTimer* FRenderTimer = nullptr;
    TEntryChecker* FEntryChecker = nullptr;
    // Menus.
    QAction* New1 = nullptr;
    QAction* Load1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Settings1 = nullptr;
    QAction* Help2 = nullptr;
    QAction* UpdateNotifications1 = nullptr;
    QAction* ResetIdentifier1 = nullptr;
    QAction* Language1 = nullptr;
    QAction* SendFeedback1 = nullptr;
    QAction* About1 = nullptr;

    std::unique_ptr<TZintSymbol> FSymbol;
    // The worker goes first: it writes into the results until it has stopped.
    std::unique_ptr<TUpdateResults> FUpdateResults;
    std::unique_ptr<TChecker> FChecker;
};
