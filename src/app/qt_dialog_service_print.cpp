// The print dialogs of the real dialog service.
#include "app/label_sheet_dialog.h"
#include "app/qt_dialog_service.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

std::optional<TDialogService::TLabelSheetChoice>
TQtDialogService::ChoosePrintLayout(QWidget* parent, const TLabelSheetChoice& last,
                                    const TLabelPictures& pictures)
{
    TLabelSheetDialog dialog(parent, last, pictures, true);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Choice();
}

bool TQtDialogService::SetUpPrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void TQtDialogService::ShowPrintPreview(QWidget* parent, QPrinter& printer,
                                        const std::function<void(QPrinter& printer)>& paint)
{
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* pages) { paint(*pages); });
    dialog.exec();
}
