#include "app/label_sheet_dialog.h"
#include "i18n/translation_engine.h"

#include "io/label_sheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

TLabelSheetDialog::TLabelSheetDialog(QWidget* parent, const QString& sheet, bool cutGuides)
    : QDialog(parent), FSheet(new QComboBox(this)),
      FCutGuides(new QCheckBox(Translate(QStringLiteral("Cut guides")), this)),
      FProblem(new QLabel(this))
{
    setObjectName(QStringLiteral("LabelSheetDialog"));
    setWindowTitle(Translate(QStringLiteral("Save all as label sheet")));
    FSheet->setObjectName(QStringLiteral("comSheet"));
    FSheet->setEditable(true);
    for (const TLabelSheetPreset& preset : LabelSheetPresets)
        FSheet->addItem(QLatin1String(preset.Name));
    if (!sheet.isEmpty())
        FSheet->setCurrentText(sheet);
    FCutGuides->setObjectName(QStringLiteral("cbCutGuides"));
    FCutGuides->setChecked(cutGuides);
    FProblem->setObjectName(QStringLiteral("lblSheetProblem"));
    FProblem->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TLabelSheetDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TLabelSheetDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        Translate(QStringLiteral("Sheet: a preset, or PAGE,COLSxROWS,LABELWxH,MARGINS,GAPS "
                                 "in mm"))
            .append(QStringLiteral("\n(a4,3x8,70x37,0.5:0:0.5:0,0)")),
        this));
    layout->addWidget(FSheet);
    layout->addWidget(FCutGuides);
    layout->addWidget(FProblem);
    layout->addWidget(buttons);
}

QString TLabelSheetDialog::Sheet() const
{
    return FSheet->currentText().trimmed();
}

bool TLabelSheetDialog::CutGuides() const
{
    return FCutGuides->isChecked();
}

void TLabelSheetDialog::accept()
{
    const TLabelSheetReading reading = ReadLabelSheet(Sheet());
    if (!reading.Sheet) {
        FProblem->setText(reading.Error);
        return;
    }
    QDialog::accept();
}
