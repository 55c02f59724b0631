#include "dialog_stacking_watch.h"

#include "x_window_stack.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>

#include <algorithm>

namespace {
constexpr int LookIntervalMs = 20;
// How many looks the window manager may take to manage a window before the watch gives up.
constexpr int ManageLooks = 500;

bool IsDialogWindow(const QWidget* widget)
{
    return widget->isWindow() && widget->isVisible() &&
           (widget->windowType() == Qt::Dialog || widget->windowType() == Qt::Tool ||
            widget->windowType() == Qt::Window);
}

QString NameOf(const QWidget* widget)
{
    return widget->objectName().isEmpty() ? QLatin1String(widget->metaObject()->className())
                                          : widget->objectName();
}

QString LabelsText(QWidget* window)
{
    if (auto* box = qobject_cast<QMessageBox*>(window))
        return box->text();
    QStringList texts;
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisible())
            texts << label->text();
    return texts.join(u'\n');
}

void AnswerAsUser(QWidget* window)
{
    if (auto* progress = qobject_cast<QProgressDialog*>(window))
        progress->cancel();
    else if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
    else
        window->close();
}
} // namespace

TDialogStackingWatch::TDialogStackingWatch(QWidget* mainWindow)
    : Answer(AnswerAsUser), FMain(mainWindow)
{
    connect(&FTimer, &QTimer::timeout, this, &TDialogStackingWatch::Look);
    FTimer.start(LookIntervalMs);
}

TDialogStackingWatch::~TDialogStackingWatch() = default;

bool TDialogStackingWatch::FindNewWindow()
{
    FAnswered.erase(
        std::remove_if(FAnswered.begin(), FAnswered.end(),
                       [](const QPointer<QWidget>& w) { return !w || !w->isVisible(); }),
        FAnswered.end());
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget != FMain && widget != FMarker.get() && IsDialogWindow(widget) &&
            std::find(FAnswered.begin(), FAnswered.end(), widget) == FAnswered.end()) {
            FWaiting = widget;
            FWaitedLooks = 0;
            return true;
        }
    return false;
}

void TDialogStackingWatch::Look()
{
    if (!FWaiting && !FindNewWindow())
        return;
    if (!FMarker) {
        const bool managed = ManagedStacking().contains(FWaiting->winId());
        if (!managed && ++FWaitedLooks < ManageLooks)
            return;
        Record(FWaiting, managed);
        if (!managed) {
            Finish();
            return;
        }
        FMain->raise();
        FMarker = std::make_unique<QWidget>();
        FMarker->resize(8, 8);
        FMarker->show();
        FWaitedLooks = 0;
        return;
    }
    const QList<WId> stacking = ManagedStacking();
    if (!stacking.contains(FMarker->winId()) && ++FWaitedLooks < ManageLooks)
        return;
    Shown.back().AboveRaisedParent = IsAboveParent(stacking, FWaiting->winId());
    Finish();
}

void TDialogStackingWatch::Finish()
{
    FMarker.reset();
    QWidget* window = FWaiting;
    FWaiting.clear();
    FAnswered.emplace_back(window);
    Answer(window);
}

bool TDialogStackingWatch::IsAboveParent(const QList<WId>& stacking, WId window) const
{
    const qsizetype at = stacking.indexOf(window);
    return at >= 0 && at > stacking.indexOf(Shown.back().ParentId);
}

void TDialogStackingWatch::Record(QWidget* window, bool managed)
{
    TShownWindow shown;
    shown.Name = NameOf(window);
    shown.Title = window->windowTitle();
    shown.Text = LabelsText(window);
    shown.Managed = managed;
    // A window without a parent is measured against the main window, which opened it.
    const QWidget* parent = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (parent)
        shown.ParentName = NameOf(parent);
    shown.ParentId = (parent ? parent : FMain)->winId();
    shown.TransientFor = TransientFor(window->winId());
    Shown.push_back(shown);
    const QList<WId> stacking = ManagedStacking();
    Shown.back().AboveParent = IsAboveParent(stacking, window->winId());
    Shown.back().OnTop = !stacking.isEmpty() && stacking.constLast() == window->winId();
}
