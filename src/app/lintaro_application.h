#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

class TDialogService;

// The application object with the program's default error handling: an EZintException that
// escapes an event handler (a file that cannot be read or written) is shown in an error box
// captioned with the application's title, and the event loop goes on.
class TLintaroApplication final : public QApplication
{
    Q_OBJECT

public:
    TLintaroApplication(int& argc, char** argv, TDialogService& dialogs);

    // The window the error boxes belong to while no modal dialog is open.
    void SetMainWindow(QWidget* window) { FMainWindow = window; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    TDialogService& FDialogs;
    QPointer<QWidget> FMainWindow;
};
