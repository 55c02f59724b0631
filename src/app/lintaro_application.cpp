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
        // Not the active window: while the program is in the background there is none, and a
        // box without a parent may open behind the window it is about.
        QWidget* parent = activeModalWidget();
        FDialogs.ErrorBox(parent ? parent : FMainWindow.data(), applicationDisplayName(),
                          QString::fromUtf8(error.what()));
        return true;
    }
}
