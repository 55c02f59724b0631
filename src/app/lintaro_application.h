#pragma once

#include <QApplication>

class TDialogService;

// The application object with the program's default error handling: an EZintException that
// escapes an event handler (a file that cannot be read or written) is shown in an error box
// captioned with the application's title, and the event loop goes on.
class TLintaroApplication final : public QApplication
{
    Q_OBJECT

public:
    TLintaroApplication(int& argc, char** argv, TDialogService& dialogs);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    TDialogService& FDialogs;
};
