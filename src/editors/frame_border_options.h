#pragma once

#include "render/length_text.h"
#include "render/render_settings.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class TZintRenderBox;

// Edits the four sides of one band (margin, padding, border, text spacing, whitespace).
// A side whose text is no length is marked (red, the reason as its tool tip) and its last
// length stays in effect; the lengths reach a box only through UpdateRenderBox.
class TFrameBorderOptions final : public QWidget
{
    Q_OBJECT

public:
    explicit TFrameBorderOptions(QWidget* parent = nullptr);

    // Writes the four sides in the chosen unit and zeroes the other unit.
    void UpdateRenderBox(TZintRenderBox* ARenderBox) const;
    // Why a side's text is not in effect, empty when every side is.
    QString Problem() const;
    TLengthUnit Unit() const;
    bool AllSame() const;
    // Shows `value`'s sides in `unit`.
    void SetSides(const TRenderBoxValue& value, TLengthUnit unit, bool allSame);

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
    void ReadSides();

    struct TSideEdit
    {
        QLineEdit* Edit;
        double Valid; // the last length the edit held
    };

    QLineEdit* edTop;
    QLineEdit* edLeft;
    QLineEdit* edRight;
    QLineEdit* edBottom;
    QComboBox* cbUnits;
    QCheckBox* cbAllSame;
    std::array<TSideEdit, 4> FSides; // top, left, right, bottom
};
