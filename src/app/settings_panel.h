#pragma once

#include "render/length_text.h"
#include "symbol/zint_symbology.h"

#include <QTabWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTimer;
class TColorBox;
class TDialogService;
class TFrameBorderOptions;
struct TRenderSettings;
struct TStoredSettings;
class TZintSymbol;

// The window's settings: the "Settings" page (bands, layout, font, colours), the "Output size"
// page and the tab of the chosen symbology's option set. It owns these controls, produces the
// render settings from them and takes and gives the stored settings. A length or number field whose
// text cannot be read is marked (red, the reason as its tool tip) and its last valid value
// stays in effect.
class TSettingsPanel final : public QTabWidget
{
    Q_OBJECT

public:
    TSettingsPanel(TDialogService& dialogs, QWidget* parent = nullptr);

    // One options grid per option set of `symbol`, which must outlive the panel; none shows
    // until ShowOptionsOf.
    void AddOptionTabs(TZintSymbol& symbol);
    // Shows the tab of the option set the symbology reads, named after the symbology, alone.
    void ShowOptionsOf(TZintSymbology symbology);

    // What the preview and both exports render with.
    TRenderSettings RenderSettings() const;
    // Fills the settings and the band choices of `stored`.
    void Remember(TStoredSettings& stored) const;
    void Restore(const TStoredSettings& stored);

signals:
    // A value changed; an option set's value too.
    void changed();

private:
    // A field whose text is a length or number, read with the user's locale.
    struct TNumberField
    {
        QLineEdit* Edit;
        std::function<TLengthRules()> Rules;
        double Valid;
    };

    void CreateSettingsPage();
    void CreateSettingsColumns(QWidget* page);
    void CreateBands(QTabWidget* tabs);
    void CreateOutputSizePage();
    void ChangeOnEdit(QWidget* control);
    void AddNumberField(QLineEdit* edit, std::function<TLengthRules()> rules, double value);
    void ReadNumberField(TNumberField& field);
    void ReadNumberFields();
    double ValueOf(const QLineEdit* edit) const;
    void SetNumber(QLineEdit* edit, double value);

    TDialogService& FDialogs;
    std::vector<TNumberField> FNumbers;
    QTimer* FTypingPause = nullptr;
    std::vector<QWidget*> FOptionTabs;

    QWidget* TabSheet1 = nullptr;
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
    std::vector<TFrameBorderOptions*> FBands; // margin, padding, border, text spacing, whitespace

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
};
