// The File menu's print items.
#include "app/app_form.h"

#include "app/print_controller.h"

#include <QMenu>

void TAppForm::AddPrintItems(QMenu* file)
{
    FPrint = new TPrintController(*FEnvironment.Dialogs, *this, *FExport, *FListPane, this);
    file->addActions(FPrint->Actions());
}
