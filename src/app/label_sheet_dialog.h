#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;

// Asks for the sheet of "Save all as label sheet...": a preset or a custom sheet typed in, and
// whether to draw cut guides. Stays open, saying what is wrong, until the sheet can be read.
class TLabelSheetDialog final : public QDialog
{
    Q_OBJECT

public:
    TLabelSheetDialog(QWidget* parent, const QString& sheet, bool cutGuides);

    QString Sheet() const;
    bool CutGuides() const;

    void accept() override;

private:
    QComboBox* FSheet;
    QCheckBox* FCutGuides;
    QLabel* FProblem;
};
