// The list of texts: adding and editing through the entry box, loading an entry by clicking
// it, deleting, and appending the lines of a text file.
#include "app/app_form.h"

#include "app/item_list_model.h"
#include "app/item_list_view.h"
#include "base/zint_exception.h"
#include "io/text_import.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString AddCaption = QStringLiteral("Add");
const QString EditCaption = QStringLiteral("Edit");
} // namespace

void TAppForm::Button3Click()
{
    const QString caption = Button3->text();
    if (caption == AddCaption) {
        const QString text = Edit1->text();
        if (text.isEmpty()) {
            FEnvironment.Dialogs->Beep();
        } else {
            FItems->Append({text});
            FCurrentText = text;
            UpdateBarcode();
            Edit1->clear();
        }
        Edit1->setFocus();
    } else if (caption == EditCaption) {
        const int row = ListView1->SelectedRow();
        if (row < 0)
            return;
        FItems->setData(FItems->index(row), Edit1->text());
        FCurrentText = Edit1->text();
        UpdateBarcode();
    }
}

bool TAppForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress)
        return Edit1KeyPress(static_cast<QKeyEvent*>(event)->key());
    return QMainWindow::eventFilter(watched, event);
}

bool TAppForm::Edit1KeyPress(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    Button3->click();
    return true;
}

void TAppForm::Edit1Change(const QString& text)
{
    if (text.isEmpty())
        Button3->setText(AddCaption);
}

void TAppForm::ListView1Click()
{
    const int row = ListView1->SelectedRow();
    if (row < 0) {
        Edit1->clear();
        Button3->setText(AddCaption);
        return;
    }
    Edit1->setText(FItems->Text(row));
    Button3->setText(EditCaption);
    FCurrentText = Edit1->text();
    UpdateBarcode();
}

void TAppForm::Delete1Click()
{
    const int row = ListView1->SelectedRow();
    if (row < 0)
        return;
    // Otherwise the view selects the neighbour, and "Edit" would change an entry never clicked.
    ListView1->selectionModel()->clear();
    FItems->removeRow(row);
}

void TAppForm::DeleteAll1Click()
{
    FItems->Clear();
}

void TAppForm::New1Click()
{
    DeleteAll1Click();
}

void TAppForm::Load1Click()
{
    const std::optional<TDialogService::TTextFileChoice> choice =
        FEnvironment.Dialogs->OpenTextFile(this, FLastTextFile);
    if (!choice)
        return;
    FLastTextFile = *choice;
    QStringList texts;
    try {
        texts = ReadTextLines(choice->Path, TextEncodingFromIndex(choice->Encoding));
    } catch (const EZintException& error) {
        ShowDefaultError(error);
        return;
    }
    FItems->Append(texts);
    if (FItems->Count() == 0)
        return;
    const int last = FItems->Count() - 1;
    ListView1->SelectRow(last);
    FCurrentText = FItems->Text(last);
    UpdateBarcode();
}
