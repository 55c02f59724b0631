#pragma once

#include "app/label_sheet_preview.h"
#include "io/label_products.h"
#include "io/label_sheet.h"

#include <QDialog>

#include <map>
#include <optional>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class TLabelProductPicker;

// Asks for the sheet of "Save all as label sheet..." as a form: a label product found by
// typing, a preset, the page, columns and rows, the label size, margins and gaps, and cut guides,
// with the first page drawn beside it as the fields change. Says what is wrong while the fields
// make no sheet, and warns when a label reaches the paper's edge where most printers cannot print.
class TLabelSheetDialog final : public QDialog
{
    Q_OBJECT

public:
    // With `onePerPage` set (printing), the form also offers one symbol a page instead of the
    // sheet, checked as given. `sheet` may name one of `products`, which the form offers.
    TLabelSheetDialog(QWidget* parent, const QString& sheet, bool cutGuides,
                      const TLabelPictures& pictures = {},
                      std::optional<bool> onePerPage = std::nullopt,
                      const TLabelProductCatalogue& products = InstalledLabelProducts());

    // The sheet in the form ReadLabelSheet reads: the product's name while the fields are the
    // chosen product's, a preset's name while they are the preset's, else the custom form.
    QString Sheet() const;
    bool CutGuides() const;
    bool OnePerPage() const;

    void accept() override;

private:
    QDoubleSpinBox* NewLength(const char* name);
    void ShowSheet(const TLabelSheet& sheet);
    void SetLength(QDoubleSpinBox* field, double length);
    // The sheet the fields make, or what is wrong with them.
    TLabelSheetReading Reading() const;
    void FieldsChanged();
    // The user changed a length or count: the fields are no product's any more.
    void FieldsEdited();
    void ProductChosen(const TLabelProduct& product);
    void ForgetProduct();
    void PresetChosen(int index);
    void PageChosen(int index);

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
    QWidget* FSheetFields;
    QLabel* FProblem;
    QLabel* FEdgeWarning;
    TLabelSheetPreview* FPreview;
    QDialogButtonBox* FButtons;
};
