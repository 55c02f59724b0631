#pragma once

#include "render/render_settings.h"
#include "symbol/zint_symbology.h"

#include <QObject>
#include <QSize>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class QTimer;
class TItemListModel;
class TZintSymbol;

// Finds the entries of the list that will fail with the window's symbology and settings and
// marks them in the list as each is known. The renders run on a thread of their own, so the
// window never waits for a long list; a new request stops the check under way and starts over
// once the current burst of changes is over.
class TEntryChecker final : public QObject
{
    Q_OBJECT

public:
    // What the entries render with: read when the check starts, the symbol copied.
    struct TSource
    {
        const TZintSymbol* Symbol = nullptr;
        TZintSymbology Symbology = TZintSymbology::zsCODE39;
        TRenderSettings Settings;
        QSize PreviewArea;
    };

    TEntryChecker(TItemListModel& items, std::function<TSource()> source,
                  QObject* parent = nullptr);
    ~TEntryChecker() override;

    // The list or the settings changed: the marks are checked again.
    void Request();
    bool Busy() const { return FRunning; }

signals:
    // Every entry of the list as it is has been checked.
    void Finished();

private:
    void Start();
    void Stop();

    TItemListModel& FItems;
    std::function<TSource()> FSource;
    QTimer* FDelay;
    std::thread FThread;
    std::shared_ptr<std::atomic<bool>> FCancelled;
    // Which check a report belongs to: those of a stopped one are dropped.
    int FGeneration = 0;
    bool FRunning = false;
};
