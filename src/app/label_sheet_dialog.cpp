#include "app/label_sheet_dialog.h"

#include "app/label_product_picker.h"
#include "app/label_sheet_placement.h"
#include "app/setting_choices.h"
#include "base/zint_exception.h"
#include "i18n/translation_engine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include <cmath>

namespace {
constexpr int MaxLabelsPerSide = 500;
constexpr double MaxLength = 5080;

// The pages the page field names; the reader knows them by these names.
struct TNamedPage
{
    const char* Name;
    const char* Caption;
};
constexpr TNamedPage NamedPages[] = {{"a4", "A4"}, {"letter", "Letter"}};

QSizeF NamedPageSize(const char* name)
{
    return ReadLabelSheet(QStringLiteral("%1,1x1,1x1,0,0").arg(QLatin1String(name)))
        .Sheet.value()
        .Page;
}

bool SamePage(QSizeF a, QSizeF b)
{
    constexpr double Tolerance = 1e-3;
    return std::abs(a.width() - b.width()) < Tolerance &&
           std::abs(a.height() - b.height()) < Tolerance;
}

QString Sentence(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QWidget* Pair(QWidget* parent, QWidget* first, QWidget* second,
              const QString& between = QStringLiteral("×"))
{
    auto* pair = new QWidget(parent);
    auto* layout = new QHBoxLayout(pair);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(first);
    layout->addWidget(new QLabel(between, pair));
    layout->addWidget(second);
    return pair;
}
} // namespace

TLabelSheetDialog::TLabelSheetDialog(QWidget* parent, const TDialogService::TLabelSheetChoice& last,
                                     const TLabelPictures& pictures, bool printing,
                                     const TLabelProductCatalogue& products)
    : QDialog(parent), FPicker(new TLabelProductPicker(products, this)),
      FPreset(new QComboBox(this)), FPage(new QComboBox(this)),
      FPageWidth(NewLength("sbPageWidth")), FPageHeight(NewLength("sbPageHeight")),
      FColumns(new QSpinBox(this)), FRows(new QSpinBox(this)),
      FLabelWidth(NewLength("sbLabelWidth")), FLabelHeight(NewLength("sbLabelHeight")),
      FMarginTop(NewLength("sbMarginTop")), FMarginRight(NewLength("sbMarginRight")),
      FMarginBottom(NewLength("sbMarginBottom")), FMarginLeft(NewLength("sbMarginLeft")),
      FGapColumns(NewLength("sbGapColumns")), FGapRows(NewLength("sbGapRows")),
      FCutGuides(new QCheckBox(Translate(QStringLiteral("Cut guides")), this)),
      FSheetFields(new QWidget(this)), FTextFields(NewTextFields(last, pictures.Header)),
      FProblem(new QLabel(this)), FEdgeWarning(new QLabel(this)), FTextFont(pictures.Font),
      FPreview(new TLabelSheetPreview(pictures, this)),
      FButtons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("LabelSheetDialog"));
    setWindowTitle(Translate(QStringLiteral("Save all as label sheet")));
    FPreset->setObjectName(QStringLiteral("comPreset"));
    FPreset->addItem(Translate(QStringLiteral("Custom")));
    for (const TLabelSheetPreset& preset : LabelSheetPresets)
        FPreset->addItem(QLatin1String(preset.Name));
    FPage->setObjectName(QStringLiteral("comPage"));
    for (const TNamedPage& page : NamedPages)
        FPage->addItem(QLatin1String(page.Caption));
    FPage->addItem(Translate(QStringLiteral("Custom")));
    for (QSpinBox* count : {FColumns, FRows})
        count->setRange(1, MaxLabelsPerSide);
    FColumns->setObjectName(QStringLiteral("sbColumns"));
    FRows->setObjectName(QStringLiteral("sbRows"));
    FCutGuides->setObjectName(QStringLiteral("cbCutGuides"));
    FCutGuides->setChecked(last.CutGuides);
    FProblem->setObjectName(QStringLiteral("lblSheetProblem"));
    FEdgeWarning->setObjectName(QStringLiteral("lblEdgeWarning"));
    FEdgeWarning->setText(
        Translate(QStringLiteral("A label reaches within %1 mm of the paper's edge, where most "
                                 "printers cannot print: keep the symbols away from it."))
            .arg(UnprintableEdge));
    for (QLabel* note : {FProblem, FEdgeWarning})
        note->setWordWrap(true);

    auto* form = new QFormLayout(FSheetFields);
    form->setContentsMargins(0, 0, 0, 0);
    // The products' names and descriptions need the whole width of the fields.
    auto* productLabel = new QLabel(Translate(QStringLiteral("Product:")), this);
    productLabel->setBuddy(FPicker->SearchBox());
    form->addRow(productLabel);
    form->addRow(FPicker);
    form->addRow(Translate(QStringLiteral("Preset:")), FPreset);
    form->addRow(Translate(QStringLiteral("Page:")), FPage);
    form->addRow(Translate(QStringLiteral("Page size (mm):")), Pair(this, FPageWidth, FPageHeight));
    form->addRow(Translate(QStringLiteral("Columns × rows:")), Pair(this, FColumns, FRows));
    form->addRow(Translate(QStringLiteral("Label size (mm):")),
                 Pair(this, FLabelWidth, FLabelHeight));
    form->addRow(Translate(QStringLiteral("Top and bottom margins (mm):")),
                 Pair(this, FMarginTop, FMarginBottom, QStringLiteral("/")));
    form->addRow(Translate(QStringLiteral("Left and right margins (mm):")),
                 Pair(this, FMarginLeft, FMarginRight, QStringLiteral("/")));
    form->addRow(Translate(QStringLiteral("Gaps between columns × rows (mm):")),
                 Pair(this, FGapColumns, FGapRows));
    form->addRow(FCutGuides);
    form->addRow(FProblem);
    form->addRow(FEdgeWarning);
    auto* fields = new QVBoxLayout;
    if (printing) {
        setWindowTitle(Translate(QStringLiteral("Print")));
        FOnePerPage = new QCheckBox(Translate(QStringLiteral("One symbol per page")), this);
        FOnePerPage->setObjectName(QStringLiteral("cbOnePerPage"));
        FOnePerPage->setChecked(last.OnePerPage);
        fields->addWidget(FOnePerPage);
    }
    fields->addWidget(FSheetFields);
    fields->addStretch();
    // The lines go beside the page they are seen on.
    auto* page = new QVBoxLayout;
    page->addWidget(FPreview, 1);
    page->addWidget(FTextFields);
    auto* columns = new QHBoxLayout;
    columns->addLayout(fields);
    columns->addLayout(page, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(FButtons);
    connect(FButtons, &QDialogButtonBox::accepted, this, &TLabelSheetDialog::accept);
    connect(FButtons, &QDialogButtonBox::rejected, this, &TLabelSheetDialog::reject);

    FProduct = products.Find(last.Sheet).Product;
    const TLabelSheetReading lastSheet =
        FProduct ? TLabelSheetReading{FProduct->Sheet, {}} : ReadLabelSheet(last.Sheet);
    ShowSheet(lastSheet.Sheet.value_or(LabelSheetPresets.front().Sheet));
    FPicker->ShowChosen(FProduct);
    if (!products.Products().empty())
        FPicker->SearchBox()->setFocus();
    connect(FPicker, &TLabelProductPicker::Chosen, this, &TLabelSheetDialog::ProductChosen);
    connect(FPreset, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TLabelSheetDialog::PresetChosen);
    connect(FPage, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TLabelSheetDialog::PageChosen);
    for (QDoubleSpinBox* length : {FPageWidth, FPageHeight, FLabelWidth, FLabelHeight, FMarginTop,
                                   FMarginRight, FMarginBottom, FMarginLeft, FGapColumns, FGapRows})
        connect(length, &QDoubleSpinBox::valueChanged, this, &TLabelSheetDialog::FieldsEdited);
    for (QSpinBox* count : {FColumns, FRows})
        connect(count, &QSpinBox::valueChanged, this, &TLabelSheetDialog::FieldsEdited);
    connect(FCutGuides, &QCheckBox::toggled, this, &TLabelSheetDialog::FieldsChanged);
    if (FOnePerPage)
        connect(FOnePerPage, &QCheckBox::toggled, this, &TLabelSheetDialog::FieldsChanged);
    QList<QWidget*> order{FPicker->SearchBox(),
                          FPicker->findChild<QListWidget*>(),
                          FPreset,
                          FPage,
                          FPageWidth,
                          FPageHeight,
                          FColumns,
                          FRows,
                          FLabelWidth,
                          FLabelHeight,
                          FMarginTop,
                          FMarginBottom,
                          FMarginLeft,
                          FMarginRight,
                          FGapColumns,
                          FGapRows,
                          FCutGuides};
    if (FOnePerPage)
        order.prepend(FOnePerPage);
    for (const TTextRowFields& row : FTextRows) {
        connect(row.Template, &QLineEdit::textChanged, this, &TLabelSheetDialog::FieldsChanged);
        connect(row.Size, &QDoubleSpinBox::valueChanged, this, &TLabelSheetDialog::FieldsChanged);
        connect(row.Align, qOverload<int>(&QComboBox::currentIndexChanged), this,
                &TLabelSheetDialog::FieldsChanged);
        order << row.Template << row.Size << row.Align;
    }
    connect(FTextLayout, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TLabelSheetDialog::LayoutChosen);
    connect(FKeepModule, &QCheckBox::toggled, this, &TLabelSheetDialog::FieldsChanged);
    // The form's fields in the order they are read, then the buttons.
    order << FTextLayout << FKeepModule;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    FieldsChanged();
}

QWidget* TLabelSheetDialog::NewTextFields(const TDialogService::TLabelSheetChoice& last,
                                          const QStringList& columns)
{
    auto* fields = new QWidget(this);
    fields->setObjectName(QStringLiteral("TextFields"));
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < MaxLabelTextLines; ++i) {
        const TLabelTextRow& given = last.Text.Rows[std::size_t(i)];
        TTextRowFields& row = FTextRows[std::size_t(i)];
        row.Template = new QLineEdit(given.Template, fields);
        row.Template->setObjectName(QStringLiteral("edLabelText%1").arg(i + 1));
        // The fields are the file names' own; they are not translated.
        row.Template->setPlaceholderText(Translate(QStringLiteral("Text with fields such as %1"))
                                             .arg(QStringLiteral("{text}, {n}, {col:name}")));
        row.Template->setAccessibleName(Translate(QStringLiteral("Text line %1")).arg(i + 1));
        row.Size = new QDoubleSpinBox(fields);
        row.Size->setObjectName(QStringLiteral("sbLabelTextSize%1").arg(i + 1));
        row.Size->setDecimals(1);
        row.Size->setRange(1, MaxLabelTextPt);
        row.Size->setSuffix(QStringLiteral(" pt"));
        row.Size->setValue(given.SizePt);
        row.Size->setToolTip(Translate(QStringLiteral("Size of text line %1")).arg(i + 1));
        row.Size->setAccessibleName(row.Size->toolTip());
        row.Align = new QComboBox(fields);
        row.Align->setObjectName(QStringLiteral("comLabelTextAlign%1").arg(i + 1));
        FillChoices(row.Align, HAlignNames, given.Align);
        row.Align->setToolTip(Translate(QStringLiteral("Alignment of text line %1")).arg(i + 1));
        row.Align->setAccessibleName(row.Align->toolTip());
        grid->addWidget(row.Template, i, 0);
        grid->addWidget(row.Size, i, 1);
        grid->addWidget(row.Align, i, 2);
    }
    grid->setColumnStretch(0, 1);
    FTextLayout = new QComboBox(fields);
    FTextLayout->setObjectName(QStringLiteral("comLabelTextLayout"));
    FillChoices(FTextLayout, LabelTextLayoutNames, last.Text.Layout);
    FLayoutShown = last.Text.Layout;
    // Unchecked, as the batch tool without --module: each symbol takes the largest module its
    // label holds.
    FKeepModule = new QCheckBox(
        Translate(QStringLiteral("Keep the window's &module size instead of the largest that "
                                 "fits each label")),
        fields);
    FKeepModule->setObjectName(QStringLiteral("cbKeepModule"));
    FKeepModule->setChecked(last.KeepModule);

    auto* form = new QFormLayout(fields);
    form->setContentsMargins(0, 0, 0, 0);
    auto* linesLabel = new QLabel(Translate(QStringLiteral("Te&xt lines:")), fields);
    linesLabel->setBuddy(FTextRows.front().Template);
    form->addRow(linesLabel);
    form->addRow(grid);
    // {col:name} takes these names.
    if (!columns.isEmpty()) {
        auto* named = new QLabel(Translate(QStringLiteral("Columns of the list: %1"))
                                     .arg(columns.join(QStringLiteral(", "))),
                                 fields);
        named->setObjectName(QStringLiteral("lblListColumns"));
        named->setWordWrap(true);
        form->addRow(named);
    }
    auto* layoutLabel = new QLabel(Translate(QStringLiteral("Text &layout:")), fields);
    layoutLabel->setBuddy(FTextLayout);
    form->addRow(layoutLabel, FTextLayout);
    form->addRow(FKeepModule);
    return fields;
}

void TLabelSheetDialog::LayoutChosen()
{
    const TLabelTextLayout layout = ChoiceOf<TLabelTextLayout>(FTextLayout);
    for (const TTextRowFields& row : FTextRows)
        if (ChoiceOf<TZintHAlign>(row.Align) == DefaultLabelTextAlign(FLayoutShown))
            SelectChoice(row.Align, DefaultLabelTextAlign(layout));
    FLayoutShown = layout;
    FieldsChanged();
}

TLabelTextRows TLabelSheetDialog::TextRows() const
{
    TLabelTextRows rows;
    rows.Layout = ChoiceOf<TLabelTextLayout>(FTextLayout);
    for (std::size_t i = 0; i < FTextRows.size(); ++i)
        rows.Rows[i] = {FTextRows[i].Template->text(), FTextRows[i].Size->value(),
                        ChoiceOf<TZintHAlign>(FTextRows[i].Align)};
    return rows;
}

QString TLabelSheetDialog::TextProblem() const
{
    for (std::size_t i = 0; i < FTextRows.size(); ++i) {
        const QString text = FTextRows[i].Template->text();
        if (text.isEmpty())
            continue;
        try {
            TNameTemplate::Parse(text);
        } catch (const EZintException& error) {
            return Translate(QStringLiteral("Text line %1: %2"))
                .arg(i + 1)
                .arg(QString::fromUtf8(error.what()));
        }
    }
    return {};
}

TDialogService::TLabelSheetChoice TLabelSheetDialog::Choice() const
{
    return {Sheet(), CutGuides(), OnePerPage(), TextRows(), FKeepModule->isChecked()};
}

QDoubleSpinBox* TLabelSheetDialog::NewLength(const char* name)
{
    auto* length = new QDoubleSpinBox(this);
    length->setObjectName(QLatin1String(name));
    length->setDecimals(4);
    length->setRange(0, MaxLength);
    length->setSingleStep(0.5);
    return length;
}

void TLabelSheetDialog::ShowSheet(const TLabelSheet& sheet)
{
    FFilling = true;
    SetLength(FPageWidth, sheet.Page.width());
    SetLength(FPageHeight, sheet.Page.height());
    FColumns->setValue(sheet.Columns);
    FRows->setValue(sheet.Rows);
    SetLength(FLabelWidth, sheet.Label.width());
    SetLength(FLabelHeight, sheet.Label.height());
    SetLength(FMarginTop, sheet.Margins.top());
    SetLength(FMarginRight, sheet.Margins.right());
    SetLength(FMarginBottom, sheet.Margins.bottom());
    SetLength(FMarginLeft, sheet.Margins.left());
    SetLength(FGapColumns, sheet.Gap.width());
    SetLength(FGapRows, sheet.Gap.height());
    FFilling = false;
}

void TLabelSheetDialog::SetLength(QDoubleSpinBox* field, double length)
{
    field->setValue(length);
    FGivenLengths[field] = {length, field->value()};
}

TLabelSheetReading TLabelSheetDialog::Reading() const
{
    if (FProduct)
        return {FProduct->Sheet, {}};
    const auto length = [this](const QDoubleSpinBox* field) {
        const auto given = FGivenLengths.find(field);
        if (given != FGivenLengths.end() && given->second.Shown == field->value())
            return QString::number(given->second.Exact, 'g', 12);
        return QString::number(field->value(), 'f', field->decimals());
    };
    return ReadLabelSheet(QStringLiteral("%1x%2,%3x%4,%5x%6,%7:%8:%9:%10,%11x%12")
                              .arg(length(FPageWidth), length(FPageHeight))
                              .arg(FColumns->value())
                              .arg(FRows->value())
                              .arg(length(FLabelWidth), length(FLabelHeight), length(FMarginTop),
                                   length(FMarginRight), length(FMarginBottom), length(FMarginLeft),
                                   length(FGapColumns), length(FGapRows)));
}

QString TLabelSheetDialog::Sheet() const
{
    if (FProduct)
        return FProduct->Name();
    const TLabelSheetReading reading = Reading();
    if (!reading.Sheet)
        return {};
    const QString text = LabelSheetText(*reading.Sheet);
    for (const TLabelSheetPreset& preset : LabelSheetPresets)
        if (LabelSheetText(preset.Sheet) == text)
            return QLatin1String(preset.Name);
    return text;
}

bool TLabelSheetDialog::CutGuides() const
{
    return FCutGuides->isChecked();
}

bool TLabelSheetDialog::OnePerPage() const
{
    return FOnePerPage && FOnePerPage->isChecked();
}

void TLabelSheetDialog::FieldsChanged()
{
    if (FFilling)
        return;
    FSheetFields->setEnabled(!OnePerPage());
    FTextFields->setEnabled(!OnePerPage());
    FPreview->setVisible(!OnePerPage());
    const TLabelSheetReading reading = Reading();
    const QString textProblem = TextProblem();
    FProblem->setText(!reading.Sheet ? Sentence(reading.Error) : textProblem);
    FProblem->setVisible(!FProblem->text().isEmpty());
    FEdgeWarning->setVisible(reading.Sheet && LabelsNearPaperEdge(*reading.Sheet));
    FButtons->button(QDialogButtonBox::Ok)
        ->setEnabled((reading.Sheet && textProblem.isEmpty()) || OnePerPage());
    TDialogService::TLabelSheetChoice choice = Choice();
    // Lines that cannot be read are left out until they can.
    if (!textProblem.isEmpty())
        choice.Text = {};
    FPreview->Show(reading.Sheet, LabelSheetPlacement(choice, FTextFont));

    const QSizeF page(FPageWidth->value(), FPageHeight->value());
    int pageIndex = int(std::size(NamedPages));
    for (int i = 0; i < int(std::size(NamedPages)); ++i)
        if (SamePage(NamedPageSize(NamedPages[i].Name), page))
            pageIndex = i;
    const QSignalBlocker pageBlocker(FPage);
    const QSignalBlocker presetBlocker(FPreset);
    // The chosen product stands after the presets while the fields are its own.
    const int presetCount = 1 + int(std::size(LabelSheetPresets));
    while (FPreset->count() > presetCount)
        FPreset->removeItem(presetCount);
    if (FProduct)
        FPreset->addItem(FProduct->Name());
    const int presetIndex = FPreset->findText(Sheet());
    FPage->setCurrentIndex(pageIndex);
    FPreset->setCurrentIndex(presetIndex < 0 ? 0 : presetIndex);
}

void TLabelSheetDialog::FieldsEdited()
{
    if (FFilling)
        return;
    ForgetProduct();
    FieldsChanged();
}

void TLabelSheetDialog::ProductChosen(const TLabelProduct& product)
{
    FProduct = &product;
    ShowSheet(*product.Sheet);
    FieldsChanged();
}

void TLabelSheetDialog::ForgetProduct()
{
    FProduct = nullptr;
    FPicker->ShowChosen(nullptr);
}

void TLabelSheetDialog::PresetChosen(int index)
{
    if (index < 1 || index > int(std::size(LabelSheetPresets)))
        return;
    ForgetProduct();
    ShowSheet(LabelSheetPresets[std::size_t(index - 1)].Sheet);
    FieldsChanged();
}

void TLabelSheetDialog::PageChosen(int index)
{
    if (index < 0 || index >= int(std::size(NamedPages)))
        return;
    const QSizeF page = NamedPageSize(NamedPages[index].Name);
    ForgetProduct();
    FFilling = true;
    SetLength(FPageWidth, page.width());
    SetLength(FPageHeight, page.height());
    FFilling = false;
    FieldsChanged();
}

void TLabelSheetDialog::accept()
{
    if (!OnePerPage()) {
        const TLabelSheetReading reading = Reading();
        const QString problem = reading.Sheet ? TextProblem() : Sentence(reading.Error);
        if (!problem.isEmpty()) {
            FProblem->setText(problem);
            return;
        }
    }
    QDialog::accept();
}
