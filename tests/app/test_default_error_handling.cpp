#include "failing_receiver.h"
#include "gui_test_base.h"

#include "app/lintaro_application.h"
#include "base/zint_exception.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>

TEST(DefaultErrorHandlingTest, ExceptionFromAnEventHandlerIsShownCaptionedWithTheTitle)
{
    TRecordingDialogService& dialogs = ApplicationDialogs();
    dialogs.ErrorBoxes.clear();
    TFailingReceiver receiver;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&receiver, &event);
    ASSERT_EQ(dialogs.ErrorBoxes.size(), 1u);
    EXPECT_EQ(dialogs.ErrorBoxes[0].Caption, QStringLiteral("Lintaro"));
    EXPECT_EQ(dialogs.ErrorBoxes[0].Text,
              QStringLiteral("Cannot open file \"x.txt\". No such file or directory"));
    dialogs.ErrorBoxes.clear();
}

// Without a parent the box may open behind the window under a window manager; while the program
// is in the background there is no active window to take.
TEST(DefaultErrorHandlingTest, BoxBelongsToTheMainWindowOrTheOpenModalDialog)
{
    auto& app = *qobject_cast<TLintaroApplication*>(QCoreApplication::instance());
    TRecordingDialogService& dialogs = ApplicationDialogs();
    dialogs.ErrorBoxes.clear();
    dialogs.Parents.clear();
    QWidget mainWindow;
    app.SetMainWindow(&mainWindow);
    TFailingReceiver receiver;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&receiver, &event);

    QDialog modal(&mainWindow);
    QTimer::singleShot(0, &modal, [&] {
        QEvent inDialog(QEvent::User);
        QCoreApplication::sendEvent(&receiver, &inDialog);
        modal.reject();
    });
    modal.exec();
    app.SetMainWindow(nullptr);

    ASSERT_EQ(dialogs.Parents.size(), 2);
    EXPECT_EQ(dialogs.Parents[0], &mainWindow);
    EXPECT_EQ(dialogs.Parents[1], &modal);
    dialogs.ErrorBoxes.clear();
    dialogs.Parents.clear();
}
