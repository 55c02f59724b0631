#include "app/lintaro_application.h"
#include "recording_dialog_service.h"

#include <gtest/gtest.h>

TRecordingDialogService& ApplicationDialogs()
{
    static TRecordingDialogService dialogs;
    return dialogs;
}

// The program's own application object, so that its default error handling is under test too.
int main(int argc, char** argv)
{
    TLintaroApplication app(argc, argv, ApplicationDialogs());
    QApplication::setApplicationDisplayName(QStringLiteral("Lintaro"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
