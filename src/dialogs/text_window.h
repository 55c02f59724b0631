#pragma once

#include <QDialog>

class QPlainTextEdit;

// A read-only text in a window of its own, for a file the desktop has no viewer for. Frees
// itself when closed.
class TTextWindow final : public QDialog
{
    Q_OBJECT

public:
    TTextWindow(const QString& caption, const QString& text, QWidget* parent);

    QString Text() const;

private:
    QPlainTextEdit* FText = nullptr;
};
