#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Looks at every window the program shows besides its main window, also while the program
// runs a modal loop of its own: waits until the window manager manages it, records where the
// window manager stacked it, raises the main window as a click on it would and records again,
// and then answers it (a progress dialog is cancelled, any other dialog rejected), so that a
// test never waits for a key.
class TDialogStackingWatch final : public QObject
{
public:
    struct TShownWindow
    {
        QString Name; // the object name, or the class name when it has none
        QString Title;
        QString Text;         // what its labels say
        QString ParentName;   // the window Qt made it belong to; empty when none
        bool Managed = false; // the window manager took it in before the watch gave up
        std::optional<WId> TransientFor;
        WId ParentId = 0;               // the X window of that window, else the main window
        bool AboveParent = false;       // stacked above the window it belongs to
        bool OnTop = false;             // the topmost managed window
        bool AboveRaisedParent = false; // still above once the main window was raised
    };

    explicit TDialogStackingWatch(QWidget* mainWindow);
    ~TDialogStackingWatch() override;

    std::vector<TShownWindow> Shown;
    // Replaces the answer to a window once it is recorded.
    std::function<void(QWidget*)> Answer;

private:
    void Look();
    // Starts to follow a window shown since the last look; false when there is none.
    bool FindNewWindow();
    void Record(QWidget* window, bool managed);
    bool IsAboveParent(const QList<WId>& stacking, WId window) const;
    void Finish();

    QWidget* FMain;
    QTimer FTimer;
    std::vector<QPointer<QWidget>> FAnswered;
    QPointer<QWidget> FWaiting;
    int FWaitedLooks = 0;
    // Shown after the main window is raised: once the window manager manages it, it has
    // handled the raise, which came before.
    std::unique_ptr<QWidget> FMarker;
};
