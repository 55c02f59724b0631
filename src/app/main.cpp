#include "app/app_form.h"
#include "app/lintaro_application.h"
#include "app/list_pane.h"
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
    // A name, not a display name: Qt would append a display name to every window title, and
    // the titles that should name the program already do ("Lintaro feedback" in any word order).
    QApplication::setApplicationName(QStringLiteral("Lintaro"));
    QApplication::setWindowIcon(ApplicationIcon());
    // Wayland matches the window to its desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(LINTARO_APP_ID));
    RegisterWindowFonts();

    TAppForm form({QApplication::applicationFilePath(),
                   QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                   &dialogs});
    app.SetMainWindow(&form);
    form.show();
    // The toolkit has taken its own options out of the arguments; the rest name text files.
    const QStringList files = QApplication::arguments().mid(1);
    if (!files.isEmpty())
        form.ListPane().OpenFiles(files);
    return app.exec();
}
