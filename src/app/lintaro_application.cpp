#include "app/lintaro_application.h"

#include "app/dialog_service.h"
#include "base/zint_exception.h"

TLintaroApplication::TLintaroApplication(int& argc, char** argv, TDialogService& dialogs)
    : QApplication(argc, argv), FDialogs(dialogs)
{}

bool TLintaroApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const EZintException& error) {
        FDialogs.ErrorBox(activeWindow(), applicationDisplayName(),
                          QString::fromUtf8(error.what()));
        return true;
    }
}
