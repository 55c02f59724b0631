#include "app/lintaro_application.h"
#include "app/qt_dialog_service.h"
#include "x_window_stack.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

TQtDialogService& WindowDialogs()
{
    static TQtDialogService dialogs;
    return dialogs;
}

// The program's application object and its real dialogs on an X display with a window manager.
int main(int argc, char** argv)
{
    const QTemporaryDir store;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
    TLintaroApplication app(argc, argv, WindowDialogs());
    QApplication::setApplicationDisplayName(QStringLiteral("Lintaro"));
    testing::InitGoogleTest(&argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb") || WindowManagerName().isEmpty()) {
        std::fprintf(stderr, "These tests need an X display with a window manager.\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
