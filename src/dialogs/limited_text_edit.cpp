#include "dialogs/limited_text_edit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>

#include <algorithm>

TLimitedTextEdit::TLimitedTextEdit(int maxLength, QWidget* parent)
    : QPlainTextEdit(parent), FMaxLength(maxLength)
{}

int TLimitedTextEdit::Room() const
{
    const int length = document()->characterCount() - 1; // without the closing paragraph mark
    const QTextCursor cursor = textCursor();
    return std::max(FMaxLength - length + (cursor.selectionEnd() - cursor.selectionStart()), 0);
}

QString TLimitedTextEdit::Fitting(const QString& text) const
{
    int keep = std::min(Room(), static_cast<int>(text.size()));
    if (keep > 0 && keep < text.size() && text.at(keep).isLowSurrogate())
        --keep;
    return text.left(keep);
}

void TLimitedTextEdit::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool inserts = lineBreak || (!text.isEmpty() && text.at(0).isPrint() &&
                                       !(event->modifiers() & Qt::ControlModifier));
    if (inserts && Room() < std::max(static_cast<int>(text.size()), 1)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TLimitedTextEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const QString fitting = Fitting(event->commitString());
    if (fitting.size() < event->commitString().size())
        event->setCommitString(fitting, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(event);
}

void TLimitedTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText())
        return;
    QMimeData fitting;
    fitting.setText(Fitting(source->text()));
    QPlainTextEdit::insertFromMimeData(&fitting);
}
