#include "app/entry_checker.h"

#include "app/item_list_model.h"
#include "app/window_message.h"
#include "io/export_job.h"
#include "symbol/zint_symbol.h"

#include <QTimer>

TEntryChecker::TEntryChecker(TItemListModel& items, std::function<TSource()> source,
                             QObject* parent)
    : QObject(parent), FItems(items), FSource(std::move(source)), FDelay(new QTimer(this))
{
    FDelay->setSingleShot(true);
    FDelay->setInterval(0);
    connect(FDelay, &QTimer::timeout, this, &TEntryChecker::Start);
}

TEntryChecker::~TEntryChecker()
{
    Stop();
}

void TEntryChecker::Request()
{
    Stop();
    FRunning = true;
    FDelay->start();
}

void TEntryChecker::Stop()
{
    ++FGeneration;
    if (FCancelled)
        *FCancelled = true;
    if (FThread.joinable())
        FThread.join();
    FRunning = false;
}

void TEntryChecker::Start()
{
    Stop();
    FRunning = true;
    const TSource source = FSource();
    auto symbol = std::make_shared<TZintSymbol>();
    symbol->Assign(source.Symbol);
    TExportEntries entries;
    entries.Entries.reserve(std::size_t(FItems.Count()));
    for (int row = 0; row < FItems.Count(); ++row)
        entries.Entries.push_back({FItems.Text(row), {}});
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    FCancelled = cancelled;
    const int generation = FGeneration;
    // The job is made here, where the settings' font belongs; it copies what it uses.
    auto job = std::make_shared<TExportJob>(source.Symbology, source.Settings, source.PreviewArea,
                                            std::vector<TZintSymbol*>{symbol.get()});
    FThread = std::thread([this, job, symbol, cancelled, generation, entries = std::move(entries)] {
        TExportCallbacks callbacks;
        callbacks.EntryDone = [&](qsizetype index, const TEntryOutcome& outcome) {
            // Passing entries are reported too: a mark of the settings before goes.
            QMetaObject::invokeMethod(
                this,
                [this, generation, row = int(index), error = outcome.Error] {
                    // Worded as the preview pane words it.
                    if (generation == FGeneration)
                        FItems.SetFailure(row, MessageWithHint(error));
                },
                Qt::QueuedConnection);
            return !*cancelled;
        };
        callbacks.Progress = [&](int, int) { return !*cancelled; };
        job->CheckEntries(entries, callbacks);
        QMetaObject::invokeMethod(
            this,
            [this, generation] {
                if (generation != FGeneration)
                    return;
                FRunning = false;
                emit Finished();
            },
            Qt::QueuedConnection);
    });
}
