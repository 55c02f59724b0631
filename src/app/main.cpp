#include "app/app_form.h"
#include "app/lintaro_application.h"
#include "app/qt_dialog_service.h"
#include "app/window_fonts.h"
#include "dialogs/artwork.h"
#include "platform/named_mutex.h"

#include <QIcon>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    CreateNamedMutex("KELMORA_Lintaro");
    TQtDialogService dialogs;
    TLintaroApplication app(argc, argv, dialogs);
    QApplication::setApplicationDisplayName(QStringLiteral("Lintaro"));
    QApplication::setWindowIcon(ApplicationIcon());
    RegisterWindowFonts();

    TAppForm form({QApplication::applicationFilePath(),
                   QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                   &dialogs});
    form.show();
    return app.exec();
}
