#pragma once

#include "app/app_environment.h"
#include "app/app_identity.h"
#include "app/dialog_service.h"
#include "dialogs/program_facts.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTimer;
class EZintException;
class TColorBox;
class TFrameBorderOptions;
class TEntryFileNames;
class TListPane;
class TPreviewImage;
class TNameTemplate;
struct TRenderSettings;
class TZintSymbol;
class TChecker;
struct TUpdateResults;

// The main window: the list of texts, the preview, the settings page and the export bar.
class TAppForm final : public QMainWindow
{
    Q_OBJECT

public:
    explicit TAppForm(const TAppEnvironment& environment, QWidget* parent = nullptr);
    ~TAppForm() override;

    const TAppIdentity& Identity() const { return FIdentity; }
    const QString& DataFolder() const { return FDataFolder; }
    const QString& CurrentText() const { return FCurrentText; }
    TZintSymbol& Symbol() const { return *FSymbol; }

    // Renders CurrentText.
    void UpdateBarcode();
    void UpdateBarcodeYeni(const QString& text);
    // One complete render of the text last given; reports its own errors.
    void RenderBarcode();
    // A render once the current burst of changes is over: a keystroke that changes four
    // values, or a colour pick, renders once and shows at most one error.
    void RequestRender();
    // The settings page as one value: what the preview and both exports render with.
    TRenderSettings CurrentRenderSettings() const;

    // The list of texts.
    TListPane& ListPane() const { return *FListPane; }

    // Export.
    void Button1Click();
    void Savesingleimage1Click();
    void Button2Click();
    void Savealltofolder1Click();
    // Saves the preview picture, format by the name's extension; may replace the file.
    void DosyayiKaydet(const QString& DosyaAdi);
    // Renders every entry through the preview and saves it in the folder under the name the
    // "File names" template gives it (<number><ext> by default), never replacing a file; a
    // progress dialog offers to stop between entries.
    void AddMyFolder(const QString& Foldername);
    // Renders every entry onto the labels of one PDF sheet, written as sheet.pdf in a chosen
    // folder (never replacing a file); an entry that fails leaves its label empty.
    void Saveallaslabelsheet1Click();

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

protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();

    // Asks for the export folder, starting in the last one, and remembers the answer.
    std::optional<QString> PickExportFolder();
    // Creation steps, each in the file of its concern.
    void CreateControls();
    void CreateExportBar();
    void CreateListPane();
    void CreatePreviewPane();
    void CreateSettingsPage();
    void CreateSettingsColumns(QWidget* page);
    void CreateOutputSizePage();
    // Every control of the settings page asks for a render when it changes.
    void RenderOnChange(QWidget* control);
    void ShowImageSize();
    // The "File names" template; a malformed one is shown in an error box and answers nothing.
    std::optional<TNameTemplate> FolderExportNameTemplate();
    // Renders one entry of the folder export and writes it. Answers the error of an entry it
    // could not name or render, empty when written; a failed write raises.
    QString ExportFolderEntry(int index, const QString& folder, const TEntryFileNames& names,
                              const TRenderSettings& settings);
    void CreateMenus();
    void FillSymbologyList();
    void CreateOptionTabs(TZintSymbol& ASymbol);
    void CreateBorderFrames();
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
    QString FBarcodeText; // the text of the last render, re-rendered by option changes
    QString FLastSavePath;
    QString LastExportFolder;
    TDialogService::TLabelSheetChoice FLastLabelSheet;

    // Export bar.
    QWidget* Panel1 = nullptr;
    QLabel* Label9 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* lblFileNames = nullptr;
    QLineEdit* edFileNames = nullptr;
    QPushButton* Button2 = nullptr;
    // Settings page.
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QTabWidget* PageControl2 = nullptr;
    QComboBox* cbRAM = nullptr;
    QLineEdit* edMHS = nullptr;
    QComboBox* comHAlign = nullptr;
    QComboBox* comVAlign = nullptr;
    QLineEdit* edMiMW = nullptr;
    QLineEdit* edMaMW = nullptr;
    QPushButton* ButtonFont = nullptr;
    QCheckBox* cbHRT = nullptr;
    TColorBox* ColorBox1 = nullptr;
    TColorBox* ColorBox2 = nullptr;
    // Output size page.
    QWidget* TabOutputSize = nullptr;
    QComboBox* comImageSize = nullptr;
    QLineEdit* edImageWidth = nullptr;
    QLineEdit* edImageHeight = nullptr;
    QComboBox* comModuleSize = nullptr;
    QLineEdit* edModuleSize = nullptr;
    QCheckBox* cbExactFit = nullptr;
    QComboBox* comBarHeight = nullptr;
    QLineEdit* edBarHeight = nullptr;
    QComboBox* comQuietZones = nullptr;
    QLineEdit* edDpi = nullptr;
    QComboBox* comCaptionSize = nullptr;
    QLineEdit* edCaptionSize = nullptr;
    QLineEdit* edPrimary = nullptr;
    // Preview and list panes.
    QSplitter* Splitter1 = nullptr;
    QWidget* Panel2 = nullptr;
    TPreviewImage* imgResult = nullptr;
    QLabel* lblImageSize = nullptr;
    TListPane* FListPane = nullptr;
    QComboBox* comType = nullptr;
    QTimer* TimerChecker = nullptr;
    QTimer* FRenderTimer = nullptr;
    // Menus.
    QAction* New1 = nullptr;
    QAction* Load1 = nullptr;
    QAction* Savesingleimage1 = nullptr;
    QAction* Savealltofolder1 = nullptr;
    QAction* Saveallaslabelsheet1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Settings1 = nullptr;
    QAction* Help2 = nullptr;
    QAction* UpdateNotifications1 = nullptr;
    QAction* Language1 = nullptr;
    QAction* SendFeedback1 = nullptr;
    QAction* About1 = nullptr;

    TFrameBorderOptions* fboMargin = nullptr;
    TFrameBorderOptions* fboPadding = nullptr;
    TFrameBorderOptions* fboTextSpacing = nullptr;
    TFrameBorderOptions* fboBorder = nullptr;
    TFrameBorderOptions* fboWhitespace = nullptr;
    std::unique_ptr<TZintSymbol> FSymbol;
    // The worker goes first: it writes into the results until it has stopped.
    std::unique_ptr<TUpdateResults> FUpdateResults;
    std::unique_ptr<TChecker> FChecker;
};
