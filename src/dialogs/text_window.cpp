#include "dialogs/text_window.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TTextWindow::TTextWindow(const QString& caption, const QString& text, QWidget* parent)
    : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("TextWindow"));
    setWindowTitle(caption);
    FText = new QPlainTextEdit(this);
    FText->setObjectName(QStringLiteral("Text"));
    FText->setReadOnly(true);
    // Licence texts are laid out in a fixed-width font, line by line.
    FText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    FText->setLineWrapMode(QPlainTextEdit::NoWrap);
    FText->setPlainText(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FText);
    layout->addWidget(buttons);
    resize(620, 480);
}

QString TTextWindow::Text() const
{
    return FText->toPlainText();
}
