#pragma once

#include <QPlainTextEdit>

// A plain text box that takes at most a given number of characters from the user: typing stops
// there, and a paste or a drop keeps only what fits. Undo never leads past the limit.
class TLimitedTextEdit final : public QPlainTextEdit
{
    Q_OBJECT

public:
    TLimitedTextEdit(int maxLength, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // How many characters the selection's replacement may have.
    int Room() const;
    // The start of text that fits, never half of a surrogate pair.
    QString Fitting(const QString& text) const;

    int FMaxLength;
};
