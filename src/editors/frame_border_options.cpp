#include "editors/frame_border_options.h"

#include "editors/field_problem.h"
#include "i18n/translation_engine.h"

#include "render/setting_lengths.h"
#include "render/setting_names.h"
#include "render/zint_render_box.h"
#include "render/zint_render_value.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>

namespace {

TLengthUnit UnitOf(const QComboBox* units)
{
    return TLengthUnit(units->currentData().toInt());
}

QLineEdit* createSide(QWidget* parent, const char* name, const QString& hint)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setPlaceholderText(hint);
    edit->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return edit;
}

} // namespace

TFrameBorderOptions::TFrameBorderOptions(QWidget* parent)
    : QWidget(parent), edTop(createSide(this, "edTop", Translate(QStringLiteral("Top")))),
      edLeft(createSide(this, "edLeft", Translate(QStringLiteral("Left")))),
      edRight(createSide(this, "edRight", Translate(QStringLiteral("Right")))),
      edBottom(createSide(this, "edBottom", Translate(QStringLiteral("Bottom")))),
      cbUnits(new QComboBox(this)),
      cbAllSame(new QCheckBox(Translate(QStringLiteral("All sides the same")), this))
{
    FSides = {{{edTop, 0}, {edLeft, 0}, {edRight, 0}, {edBottom, 0}}};
    cbUnits->setObjectName(QStringLiteral("cbUnits"));
    for (const TSettingName<TLengthUnit>& unit : BandUnitNames)
        cbUnits->addItem(Translate(QLatin1String(unit.Label)), int(unit.Value));
    cbUnits->setCurrentIndex(cbUnits->findData(int(TLengthUnit::luPixels)));
    cbAllSame->setObjectName(QStringLiteral("cbAllSame"));

    // The sides around the unit, as they lie around the symbol: on the page, left is left in
    // every reading direction.
    setLayoutDirection(Qt::LeftToRight);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(3, 3, 3, 3);
    grid->setSpacing(3);
    grid->addWidget(edTop, 0, 1, Qt::AlignHCenter);
    grid->addWidget(cbAllSame, 0, 2, 1, 2);
    grid->addWidget(edLeft, 1, 0);
    grid->addWidget(cbUnits, 1, 1);
    grid->addWidget(edRight, 1, 2);
    grid->addWidget(edBottom, 2, 1, Qt::AlignHCenter);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(3, 1);
    FitSidesToFont();

    setTabOrder(edTop, edLeft);
    setTabOrder(edLeft, edRight);
    setTabOrder(edRight, edBottom);
    setTabOrder(edBottom, cbUnits);
    setTabOrder(cbUnits, cbAllSame);

    for (QLineEdit* edit : {edTop, edLeft, edRight, edBottom}) {
        connect(edit, &QLineEdit::textChanged, this, &TFrameBorderOptions::edBottomChange);
        edit->installEventFilter(this);
    }
    connect(cbUnits, &QComboBox::currentIndexChanged, this, &TFrameBorderOptions::edBottomChange);
    connect(cbAllSame, &QCheckBox::toggled, this, &TFrameBorderOptions::cbAllSameClick);
}

void TFrameBorderOptions::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        FitSidesToFont();
}

// Wide enough for the longest side name and a value like "-100.5" at the current font.
void TFrameBorderOptions::FitSidesToFont()
{
    const QFontMetrics metrics(font());
    int text = metrics.horizontalAdvance(QStringLiteral("-100.5"));
    for (const QLineEdit* edit : {edTop, edLeft, edRight, edBottom})
        text = std::max(text, metrics.horizontalAdvance(edit->placeholderText()));
    for (QLineEdit* edit : {edTop, edLeft, edRight, edBottom})
        edit->setFixedWidth(text + 2 * metrics.averageCharWidth());
}

void TFrameBorderOptions::UpdateRenderBox(TZintRenderBox* ARenderBox) const
{
    if (!ARenderBox)
        return;
    const bool inModules = UnitOf(cbUnits) == TLengthUnit::luModules;
    if (inModules)
        ARenderBox->SetTargetUnits(0);
    else
        ARenderBox->SetModules(0);
    TZintRenderValue* const values[] = {ARenderBox->Top(), ARenderBox->Left(), ARenderBox->Right(),
                                        ARenderBox->Bottom()};
    for (std::size_t i = 0; i < FSides.size(); ++i) {
        const auto value = float(FSides[i].Valid);
        if (inModules)
            values[i]->SetModules(value);
        else
            values[i]->SetTargetUnits(value);
    }
}

QString TFrameBorderOptions::Problem() const
{
    for (const TSideEdit& side : FSides)
        if (!side.Edit->toolTip().isEmpty())
            return side.Edit->toolTip();
    return {};
}

TLengthUnit TFrameBorderOptions::Unit() const
{
    return UnitOf(cbUnits);
}

bool TFrameBorderOptions::AllSame() const
{
    return cbAllSame->isChecked();
}

void TFrameBorderOptions::SetSides(const TRenderBoxValue& value, TLengthUnit unit, bool allSame)
{
    cbUnits->setCurrentIndex(cbUnits->findData(int(unit)));
    const bool inModules = unit == TLengthUnit::luModules;
    const TRenderSide* const sides[] = {&value.Top, &value.Left, &value.Right, &value.Bottom};
    for (std::size_t i = 0; i < FSides.size(); ++i) {
        const float length = inModules ? sides[i]->Modules : sides[i]->TargetUnits;
        // No band shows as the empty field a new editor has.
        FSides[i].Edit->setText(length == 0 ? QString() : LengthNumberText(length, QLocale()));
    }
    cbAllSame->setChecked(allSame);
}

// A text that is no length keeps the side's last length in effect and says why on the edit.
void TFrameBorderOptions::ReadSides()
{
    const TLengthRules rules = RulesIn(BandSideRules, UnitOf(cbUnits));
    for (TSideEdit& side : FSides) {
        const TLengthReading reading = ReadLength(side.Edit->text(), QLocale(), rules);
        if (reading.Length)
            side.Valid = reading.Length->Value;
        ShowFieldProblem(side.Edit, reading.Error);
    }
}

bool TFrameBorderOptions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        edBottomKeyDown(static_cast<QLineEdit*>(watched), keyEvent->key(), keyEvent->modifiers());
    }
    // The key stays with the edit.
    return QWidget::eventFilter(watched, event);
}

void TFrameBorderOptions::cbAllSameClick()
{
    const bool allSame = cbAllSame->isChecked();
    if (allSame) {
        const QString text = edTop->text();
        edBottom->setText(text);
        edLeft->setText(text);
        edRight->setText(text);
    }
    edBottom->setEnabled(!allSame);
    edLeft->setEnabled(!allSame);
    edRight->setEnabled(!allSame);
}

void TFrameBorderOptions::edBottomChange()
{
    cbAllSameClick();
    ReadSides();
    emit changed(this);
}

void TFrameBorderOptions::edBottomKeyDown(QLineEdit* sender, int key, Qt::KeyboardModifiers shift)
{
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return;
    double step = 1;
    if (shift & Qt::ShiftModifier)
        step = 0.5;
    else if (shift & Qt::ControlModifier)
        step = 10;
    if (key == Qt::Key_Down)
        step = -step;
    for (const TSideEdit& side : FSides)
        if (side.Edit == sender)
            sender->setText(LengthNumberText(std::max(0.0, side.Valid + step), QLocale()));
}
