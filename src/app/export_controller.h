#pragma once

#include "app/dialog_service.h"
#include "symbol/zint_symbology.h"

#include <QWidget>

#include <limits>
#include <optional>

class QAction;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class TListPane;
class TNameTemplate;
class TPreviewImage;
class TUserStore;
class TZintSymbol;
struct TExportEntries;
struct TLabelPictures;
struct TRenderSettings;
struct TStoredSettings;

// What an export renders with: the window's symbology, settings page and preview.
class TExportSource
{
public:
    virtual ~TExportSource() = default;
    virtual TRenderSettings CurrentRenderSettings() const = 0;
    virtual TZintSymbology CurrentSymbology() const = 0;
    virtual QString CurrentSymbologyName() const = 0;
    virtual TZintSymbol& Symbol() const = 0;
    virtual const TPreviewImage& Preview() const = 0;
    // The text the preview shows.
    virtual const QString& CurrentText() const = 0;
    // The preview shows this text, the list's entry number `entry` (1-based), at its next render.
    virtual void SetCurrentText(const QString& text, int entry) = 0;
    virtual void UpdateBarcode() = 0;
};

// The export bar (output format, file name template and the two save buttons) and the three
// exports with their dialogs: the preview into one file, every entry into a folder, every
// entry onto a label sheet.
class TExportController final : public QWidget
{
    Q_OBJECT

public:
    TExportController(TDialogService& dialogs, TExportSource& source, TListPane& list,
                      QWidget* parent = nullptr);

    // The File menu's export items.
    QList<QAction*> Actions() const;
    // The bar's controls whose values are kept from one start to the next.
    QList<QWidget*> RememberedControls() const;
    // The folder the exports went to last.
    void RememberWork(TUserStore& store) const;
    void RestoreWork(const TUserStore& store);
    // The label sheet chosen last, which the stored settings keep.
    void Remember(TStoredSettings& stored) const;
    void Restore(const TStoredSettings& stored);

    void Savesingleimage1Click();
    void Savealltofolder1Click();
    // Saves the preview picture, format by the name's extension; may replace the file.
    void DosyayiKaydet(const QString& DosyaAdi);
    // Renders every entry through the preview and saves it in the folder under the name the
    // "File names" template gives it (<number><ext> by default), never replacing a file; a
    // progress dialog offers to stop between entries. Entries that fail are skipped and listed
    // in the closing summary.
    void AddMyFolder(const QString& Foldername);
    // Renders every entry onto the labels of one PDF sheet, written as sheet.pdf in a chosen
    // folder (never replacing a file); an entry that fails leaves its label empty, and the
    // summary names the labels drawn smaller to fit.
    void Saveallaslabelsheet1Click();

    // The list's first `count` entries (all by default) as the export job takes them.
    TExportEntries ListEntries(int count = std::numeric_limits<int>::max()) const;
    // The list's entries drawn on a sheet's preview.
    TLabelPictures ListPictures() const;

private:
    void CreateActions();
    // Asks for the export folder, starting in the last one, and remembers the answer.
    std::optional<QString> PickExportFolder();
    // The "File names" template; a malformed one is shown in an error box and answers nothing.
    std::optional<TNameTemplate> FolderExportNameTemplate();
    // An error box titled by what failed ("Cannot save x.png").
    void ShowError(const QString& caption, const QString& text);

    TDialogService& FDialogs;
    TExportSource& FSource;
    TListPane& FList;
    QString FLastSavePath;
    QString LastExportFolder;
    TDialogService::TLabelSheetChoice FLastLabelSheet;

    QLabel* Label9 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* lblFileNames = nullptr;
    QLineEdit* edFileNames = nullptr;
    QPushButton* Button2 = nullptr;
    QAction* Savesingleimage1 = nullptr;
    QAction* Savealltofolder1 = nullptr;
    QAction* Saveallaslabelsheet1 = nullptr;
};
