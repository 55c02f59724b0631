#include "editors/frame_border_options.h"

#include "render/zint_render_box.h"
#include "render/zint_render_value.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

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

QLineEdit* createSide(QWidget* parent, const char* name, const QString& hint, int left, int top)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setPlaceholderText(hint);
    edit->setGeometry(left, top, 33, 21);
    return edit;
}

} // namespace

TFrameBorderOptions::TFrameBorderOptions(QWidget* parent)
    : QWidget(parent), edTop(createSide(this, "edTop", QStringLiteral("Top"), 80, 3)),
      edLeft(createSide(this, "edLeft", QStringLiteral("Left"), 3, 30)),
      edRight(createSide(this, "edRight", QStringLiteral("Right"), 151, 30)),
      edBottom(createSide(this, "edBottom", QStringLiteral("Bottom"), 80, 57)),
      cbUnits(new QComboBox(this)), cbAllSame(new QCheckBox(QStringLiteral("all the same"), this))
{
    resize(249, 139);

    cbUnits->setObjectName(QStringLiteral("cbUnits"));
    cbUnits->setGeometry(42, 30, 103, 21);
    cbUnits->addItems({QStringLiteral("x Modules"), QStringLiteral("x Target Units")});
    cbUnits->setCurrentIndex(1);

    cbAllSame->setObjectName(QStringLiteral("cbAllSame"));
    cbAllSame->setGeometry(119, 7, 97, 17);

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
