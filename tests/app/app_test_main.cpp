#include "app/lintaro_application.h"
#include "recording_dialog_service.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TRecordingDialogService& ApplicationDialogs()
{
    static TRecordingDialogService dialogs;
    return dialogs;
}

// The program's own application object, so that its default error handling is under test too.
int main(int argc, char** argv)
{
    // No test reaches the user's own store, whichever store path a test sets for itself.
    const QTemporaryDir store;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
    TLintaroApplication app(argc, argv, ApplicationDialogs());
    QApplication::setApplicationDisplayName(QStringLiteral("Lintaro"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
