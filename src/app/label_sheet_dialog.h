#pragma once

#include "app/label_sheet_preview.h"
#include "io/label_sheet.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

// Asks for the sheet of "Save all as label sheet..." as a form: a preset, the page, columns
// and rows, the label size, margins and gaps, and cut guides, with the first page drawn beside
// it as the fields change. Says what is wrong while the fields make no sheet, and warns when
// a label reaches the paper's edge where most printers cannot print.
class TLabelSheetDialog final : public QDialog
{
    Q_OBJECT

public:
    // With `onePerPage` set (printing), the form also offers one symbol a page instead of the
    // sheet, checked as given.
    TLabelSheetDialog(QWidget* parent, const QString& sheet, bool cutGuides,
                      const TLabelPictures& pictures = {},
                      std::optional<bool> onePerPage = std::nullopt);

    // The sheet in the form ReadLabelSheet reads: a preset's name while the fields are the
    // preset's, else the custom form.
    QString Sheet() const;
    bool CutGuides() const;
    bool OnePerPage() const;

    void accept() override;

private:
    QDoubleSpinBox* NewLength(const char* name);
    void ShowSheet(const TLabelSheet& sheet);
    // The sheet the fields make, or what is wrong with them.
    TLabelSheetReading Reading() const;
    void FieldsChanged();
    void PresetChosen(int index);
    void PageChosen(int index);

    bool FFilling = false; // the fields are set from a sheet; their signals are not the user's
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
