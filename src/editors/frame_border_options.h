#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class TZintRenderBox;

// Edits the four sides of one band (margin, padding, border, text spacing, whitespace).
// The texts of the four edits are the only copy of the values; they reach a box only
// through UpdateRenderBox.
class TFrameBorderOptions final : public QWidget
{
    Q_OBJECT

public:
    explicit TFrameBorderOptions(QWidget* parent = nullptr);

    // Writes the four sides in the chosen unit and zeroes the other unit.
    void UpdateRenderBox(TZintRenderBox* ARenderBox) const;

signals:
    // Fired for every real change of a side's text and for every change of the unit.
    void changed(QObject* sender);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void cbAllSameClick();
    void edBottomChange();

private:
    void edBottomKeyDown(QLineEdit* sender, int key, Qt::KeyboardModifiers shift);
    void FitSidesToFont();

    QLineEdit* edTop;
    QLineEdit* edLeft;
    QLineEdit* edRight;
    QLineEdit* edBottom;
    QComboBox* cbUnits;
    QCheckBox* cbAllSame;
};
