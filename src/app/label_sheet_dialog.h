#pragma once

#include "app/dialog_service.h"
#include "app/label_sheet_preview.h"
#include "io/label_products.h"
#include "io/label_sheet.h"

#include <QDialog>

#include <array>
#include <map>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class TLabelProductPicker;

// Asks for the sheet of "Save all as label sheet..." as a form: a label product found by
// typing, a preset, the page, columns and rows, the label size, margins and gaps, cut guides,
// the text lines on each label and whether the symbols keep the window's module, with the first
// page drawn beside it as the sheet will draw it. Says what is wrong while the fields make no
// sheet, and warns when a label reaches the paper's edge where most printers cannot print.
class TLabelSheetDialog final : public QDialog
{
    Q_OBJECT

public:
    // The form starts from `last`, whose sheet may name one of `products`, which the form
    // offers. For printing it also offers one symbol a page instead of the sheet.
    TLabelSheetDialog(QWidget* parent, const TDialogService::TLabelSheetChoice& last,
                      const TLabelPictures& pictures = {}, bool printing = false,
                      const TLabelProductCatalogue& products = InstalledLabelProducts());

    // The sheet in the form ReadLabelSheet reads: the product's name while the fields are the
    // chosen product's, a preset's name while they are the preset's, else the custom form.
    QString Sheet() const;
    bool CutGuides() const;
    bool OnePerPage() const;
    TDialogService::TLabelSheetChoice Choice() const;

    void accept() override;

private:
    // One text line's fields.
    struct TTextRowFields
    {
        QLineEdit* Template = nullptr;
        QDoubleSpinBox* Size = nullptr;
        QComboBox* Align = nullptr;
    };

    QDoubleSpinBox* NewLength(const char* name);
    // The text lines' fields, `columns` the names {col:name} takes.
    QWidget* NewTextFields(const TDialogService::TLabelSheetChoice& last,
                           const QStringList& columns);
    void ShowSheet(const TLabelSheet& sheet);
    void SetLength(QDoubleSpinBox* field, double length);
    // The sheet the fields make, or what is wrong with them.
    TLabelSheetReading Reading() const;
    TLabelTextRows TextRows() const;
    // What is wrong with the text lines; empty when every line can be read.
    QString TextProblem() const;
    void FieldsChanged();
    // The user changed a length or count: the fields are no product's any more.
    void FieldsEdited();
    void ProductChosen(const TLabelProduct& product);
    void ForgetProduct();
    void PresetChosen(int index);
    void PageChosen(int index);
    // Lines still aligned as the former layout aligns them by default take the new one's.
    void LayoutChosen();

    bool FFilling = false; // the fields are set from a sheet; their signals are not the user's
    // The product whose sheet the fields show.
    const TLabelProduct* FProduct = nullptr;
    TLabelProductPicker* FPicker;
    // Lengths the form was given have more digits than their fields show: a product's 0.15625 in
    // margins and gaps would no longer add up to its page. They count while the field shows them.
    struct TGivenLength
    {
        double Exact;
        double Shown;
    };
    std::map<const QDoubleSpinBox*, TGivenLength> FGivenLengths;
    QComboBox* FPreset;
    QComboBox* FPage;
    QDoubleSpinBox* FPageWidth;
    QDoubleSpinBox* FPageHeight;
    QSpinBox* FColumns;
    QSpinBox* FRows;
    QDoubleSpinBox* FLabelWidth;
    QDoubleSpinBox* FLabelHeight;
    QDoubleSpinBox* FMarginTop;
    QDoubleSpinBox* FMarginRight;
    QDoubleSpinBox* FMarginBottom;
    QDoubleSpinBox* FMarginLeft;
    QDoubleSpinBox* FGapColumns;
    QDoubleSpinBox* FGapRows;
    QCheckBox* FCutGuides;
    QCheckBox* FOnePerPage = nullptr;
    std::array<TTextRowFields, MaxLabelTextLines> FTextRows;
    QComboBox* FTextLayout = nullptr;
    TLabelTextLayout FLayoutShown = TLabelTextLayout::ltlBelow; // the layout chosen before
    QCheckBox* FKeepModule = nullptr;
    QWidget* FSheetFields;
    QWidget* FTextFields;
    QLabel* FProblem;
    QLabel* FEdgeWarning;
    QFont FTextFont;
    TLabelSheetPreview* FPreview;
    QDialogButtonBox* FButtons;
};
