#include "editors/frame_border_options.h"

#include "render/zint_render_box.h"
#include "render/zint_render_value.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

// Group separators would make a stepped value read back differently in some locales.
QLocale numberLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

// Text that is not a finite number counts as 0, so "inf" or "nan" can never reach the layout.
double textToNumber(const QString& text)
{
    bool ok = false;
    const double value = numberLocale().toDouble(text, &ok);
    return ok && std::isfinite(value) ? value : 0;
}

// The same for a box side, which holds a float: 1e300 would become infinite there.
float textToSide(const QString& text)
{
    const auto value = static_cast<float>(textToNumber(text));
    return std::isfinite(value) ? value : 0;
}

QString sideToText(double value)
{
    return numberLocale().toString(value, 'g', 15);
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
    : QWidget(parent), edTop(createSide(this, "edTop", QStringLiteral("Top"))),
      edLeft(createSide(this, "edLeft", QStringLiteral("Left"))),
      edRight(createSide(this, "edRight", QStringLiteral("Right"))),
      edBottom(createSide(this, "edBottom", QStringLiteral("Bottom"))),
      cbUnits(new QComboBox(this)), cbAllSame(new QCheckBox(QStringLiteral("all the same"), this))
{
    cbUnits->setObjectName(QStringLiteral("cbUnits"));
    cbUnits->addItems({QStringLiteral("x Modules"), QStringLiteral("x Target Units")});
    cbUnits->setCurrentIndex(1);
    cbAllSame->setObjectName(QStringLiteral("cbAllSame"));

    // The sides around the unit, as they lie around the symbol.
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
    const int text = std::max(metrics.horizontalAdvance(QStringLiteral("Bottom")),
                              metrics.horizontalAdvance(QStringLiteral("-100.5")));
    for (QLineEdit* edit : {edTop, edLeft, edRight, edBottom})
        edit->setFixedWidth(text + 2 * metrics.averageCharWidth());
}

void TFrameBorderOptions::UpdateRenderBox(TZintRenderBox* ARenderBox) const
{
    if (!ARenderBox)
        return;
    const bool inModules = cbUnits->currentIndex() == 0;
    if (inModules)
        ARenderBox->SetTargetUnits(0);
    else
        ARenderBox->SetModules(0);
    const std::pair<TZintRenderValue*, QLineEdit*> sides[] = {{ARenderBox->Top(), edTop},
                                                              {ARenderBox->Left(), edLeft},
                                                              {ARenderBox->Bottom(), edBottom},
                                                              {ARenderBox->Right(), edRight}};
    for (const auto& [side, edit] : sides) {
        const float value = textToSide(edit->text());
        if (inModules)
            side->SetModules(value);
        else
            side->SetTargetUnits(value);
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
    sender->setText(sideToText(textToNumber(sender->text()) + step));
}
