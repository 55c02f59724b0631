#include "io/export_job.h"

#include "base/zint_exception.h"
#include "io/entry_export.h"
#include "io/entry_file_names.h"
#include "io/file_publisher.h"
#include "io/label_sheet_writer.h"
#include "io/label_symbol_size.h"
#include "io/output_subfolders.h"
#include "io/unique_file_name.h"
#include "render/zint_metafile.h"

#include <QDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

struct TExportJob::TWorker
{
    TZintSymbol* Symbol;
    TRenderSettings Settings;
};

namespace {
// Copies of a QFont share a private part that caches the loaded font engine without a lock,
// so a worker thread gets a font built afresh rather than a copy.
QFont FontOfItsOwn(const QFont& font)
{
    QFont own(font.families());
    own.fromString(font.toString());
    return own;
}

// Entries are handed out one at a time to whichever worker is free; their outcomes wait here
// until every earlier entry's has been reported.
class TEntryBoard final
{
public:
    explicit TEntryBoard(int count) : FCount(count) {}

    // The next entry nobody has taken yet, or -1 when all are taken or the job stopped.
    int Take()
    {
        if (FStopped)
            return -1;
        const int index = FNext.fetch_add(1);
        return index < FCount ? index : -1;
    }

    void Stop() { FStopped = true; }

    void Finish(int index, TEntryOutcome outcome)
    {
        {
            const std::lock_guard<std::mutex> lock(FMutex);
            FWaiting.emplace(index, std::move(outcome));
            ++FDone;
        }
        FChanged.notify_one();
    }

    // Waits up to `wait` for entry `index` and hands over the outcomes ready in order from it.
    std::vector<TEntryOutcome> ReadyFrom(int index, std::chrono::milliseconds wait, int& done)
    {
        std::unique_lock<std::mutex> lock(FMutex);
        FChanged.wait_for(lock, wait, [&] { return FWaiting.count(index) > 0; });
        std::vector<TEntryOutcome> ready;
        for (auto next = FWaiting.begin(); next != FWaiting.end() && next->first == index;
             next = FWaiting.erase(next), ++index)
            ready.push_back(std::move(next->second));
        done = FDone;
        return ready;
    }

private:
    const int FCount;
    std::atomic<int> FNext{0};
    std::atomic<bool> FStopped{false};
    std::mutex FMutex;
    std::condition_variable FChanged;
    std::map<int, TEntryOutcome> FWaiting;
    int FDone = 0;
};

// The workers of one job. However the job ends, a callback's exception included, no entry is
// begun afterwards and every thread is joined.
class TWorkerThreads final
{
public:
    explicit TWorkerThreads(TEntryBoard& board) : FBoard(board) {}
    ~TWorkerThreads() { StopAndJoin(); }
    TWorkerThreads(const TWorkerThreads&) = delete;
    TWorkerThreads& operator=(const TWorkerThreads&) = delete;

    template <typename TWork> void Start(TWork work) { FThreads.emplace_back(std::move(work)); }
    bool None() const { return FThreads.empty(); }

    void StopAndJoin()
    {
        FBoard.Stop();
        for (std::thread& thread : FThreads)
            if (thread.joinable())
                thread.join();
    }

private:
    TEntryBoard& FBoard;
    std::vector<std::thread> FThreads;
};

// How long the reporting thread waits for the next entry before it tells of progress anyway.
constexpr std::chrono::milliseconds ProgressWait(200);

TEntryOutcome Failure(TEntryState state, const std::exception& error)
{
    TEntryOutcome outcome;
    outcome.State = state;
    outcome.Error = QString::fromUtf8(error.what());
    return outcome;
}

TEntryOutcome Kept(const QString& path, qint64 candidate)
{
    TEntryOutcome outcome;
    outcome.State = TEntryState::esKept;
    outcome.Written = TNumberedFileName(path).Candidate(candidate);
    return outcome;
}

std::vector<qsizetype> AllEntries(const TExportEntries& entries)
{
    std::vector<qsizetype> all(entries.Entries.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = qsizetype(i);
    return all;
}
} // namespace

TExportJob::TExportJob(TZintSymbology symbology, const TRenderSettings& settings, QSize previewArea,
                       std::vector<TZintSymbol*> symbols)
    : FSymbology(symbology), FPreviewArea(previewArea)
{
    for (TZintSymbol* symbol : symbols) {
        FWorkers.push_back({symbol, settings});
        FWorkers.back().Settings.Font = FontOfItsOwn(settings.Font);
    }
}

TExportJob::~TExportJob() = default;

TExportRun TExportJob::Run(const std::vector<qsizetype>& selected, std::size_t workers,
                           const TEntryStep& step, const TExportCallbacks& callbacks)
{
    const int total = int(selected.size());
    TEntryBoard board(total);
    auto runTaken = [&](TWorker& worker, int taken) {
        board.Finish(taken, step(worker, selected[std::size_t(taken)]));
    };
    TWorkerThreads threads(board);
    workers = std::min(workers, selected.size());
    if (workers > 1)
        for (std::size_t w = 0; w < workers; ++w)
            threads.Start([&board, &runTaken, &worker = FWorkers[w]] {
                for (int taken = board.Take(); taken >= 0; taken = board.Take())
                    runTaken(worker, taken);
            });

    TExportRun run{total, 0, {}, 0};
    auto report = [&](std::chrono::milliseconds wait) {
        int done = 0;
        bool goOn = true;
        for (const TEntryOutcome& outcome : board.ReadyFrom(run.Reported, wait, done)) {
            const qsizetype index = selected[std::size_t(run.Reported++)];
            if (callbacks.EntryDone && !callbacks.EntryDone(index, outcome))
                goOn = false;
        }
        return std::pair(goOn, done);
    };
    bool goOn = true;
    while (goOn && run.Reported < total) {
        if (threads.None())
            runTaken(FWorkers.front(), board.Take());
        const auto [reportedAll, done] = report(ProgressWait);
        goOn = reportedAll && (!callbacks.Progress || callbacks.Progress(done, total));
    }
    threads.StopAndJoin();
    // Entries other threads had begun before the stop are written all the same: reported too.
    if (run.Reported < total)
        report(std::chrono::milliseconds(0));
    return run;
}

namespace {
class TEntryListSource final : public TExportEntrySource
{
public:
    explicit TEntryListSource(const std::vector<TExportEntry>& entries) : FEntries(entries) {}
    bool Next(TExportEntry& entry) override
    {
        if (FNext == FEntries.size())
            return false;
        entry = FEntries[FNext++];
        return true;
    }

private:
    const std::vector<TExportEntry>& FEntries;
    std::size_t FNext = 0;
};

// An entry read and named, waiting for a worker.
struct TNamedEntry
{
    qsizetype Index = 0;
    QString Text;
    TEntryFileName Name;
    QString NameError;
};
} // namespace

TExportRun TExportJob::WriteFiles(const TExportEntries& entries, const TFolderExport& target,
                                  const TExportCallbacks& callbacks)
{
    int total = 0;
    for (std::size_t i = 0; i < entries.Entries.size(); ++i)
        total += !target.Includes || target.Includes(target.FirstNumber + qint64(i));
    TEntryListSource source(entries.Entries);
    return WriteFiles(source, entries.Header, total, target, callbacks);
}

TExportRun TExportJob::WriteFiles(TExportEntrySource& source, const QStringList& header, int total,
                                  const TFolderExport& target, const TExportCallbacks& callbacks)
{
    TEntryFileNames names(target.Names, target.Extension);
    // Enough entries per round that the workers rarely wait for the slowest of them.
    const std::size_t roundSize = 256 * FWorkers.size();
    std::vector<TNamedEntry> round;
    TExportRun whole{total, 0, {}, 0};
    TExportCallbacks inRound;
    if (callbacks.EntryDone)
        inRound.EntryDone = [&](qsizetype position, const TEntryOutcome& outcome) {
            return callbacks.EntryDone(round[std::size_t(position)].Index, outcome);
        };
    if (callbacks.Progress)
        inRound.Progress = [&](int done, int) {
            return callbacks.Progress(whole.Reported + done, total);
        };
    TOutputSubfolders subfolders(target.Folder, target.KeepWritten);
    const TEntryStep step = [&](TWorker& worker, qsizetype position) {
        const TNamedEntry& entry = round[std::size_t(position)];
        const qint64 first = entry.Name.FirstCandidate;
        QString path;
        try {
            if (!entry.NameError.isEmpty())
                throw EZintException(entry.NameError.toStdString());
            path = QDir(subfolders.Prepare(entry.Name.Folder)).filePath(entry.Name.Name);
            if (target.KeepWritten && HoldsPublishedFile(TNumberedFileName(path).Candidate(first)))
                return Kept(path, first);
            const QString written = ExportEntryToNewFile(*worker.Symbol, FSymbology, entry.Text,
                                                         worker.Settings, FPreviewArea, path, first,
                                                         target.KeepWritten ? first : AnyCandidate);
            TEntryOutcome outcome;
            if (target.Check)
                outcome = target.Check(*worker.Symbol, entry.Text, written);
            outcome.Written = written;
            return outcome;
        } catch (const EFileExists&) {
            // Another run wrote it meanwhile.
            return Kept(path, first);
        } catch (const ECannotCreateFile& error) {
            return Failure(TEntryState::esNotWritten, error);
        } catch (const std::exception& error) {
            return Failure(TEntryState::esFailed, error);
        }
    };
    const auto runRound = [&] {
        std::vector<qsizetype> positions(round.size());
        for (std::size_t i = 0; i < positions.size(); ++i)
            positions[i] = qsizetype(i);
        const TExportRun run = Run(positions, FWorkers.size(), step, inRound);
        whole.Reported += run.Reported;
        round.clear();
        return !run.Stopped();
    };
    TExportEntry entry;
    for (qsizetype index = 0; source.Next(entry); ++index) {
        const qint64 number = target.FirstNumber + index;
        // Every entry is named, those of other parts of a split run too: names depend on all
        // earlier ones.
        TNamedEntry named{index, {}, {}, {}};
        try {
            named.Name = names.Next({number, entry.Text, header, entry.Cells});
        } catch (const EZintException& error) {
            named.NameError = QString::fromUtf8(error.what());
        }
        if (target.Includes && !target.Includes(number))
            continue;
        named.Text = std::move(entry.Text);
        round.push_back(std::move(named));
        if (round.size() == roundSize && !runRound())
            return whole;
    }
    if (!round.empty())
        runRound();
    return whole;
}

TExportRun TExportJob::CheckEntries(const TExportEntries& entries,
                                    const TExportCallbacks& callbacks)
{
    return Run(
        AllEntries(entries), FWorkers.size(),
        [&](TWorker& worker, qsizetype index) {
            try {
                RenderEntryPicture(*worker.Symbol, FSymbology,
                                   entries.Entries[std::size_t(index)].Text, worker.Settings,
                                   FPreviewArea);
            } catch (const std::exception& error) {
                return Failure(TEntryState::esFailed, error);
            }
            return TEntryOutcome();
        },
        callbacks);
}

TExportRun TExportJob::WriteLabelSheet(const TExportEntries& entries, const TSheetExport& target,
                                       const TExportCallbacks& callbacks)
{
    TLabelSheetWriter writer(target.Sheet, FWorkers.front().Settings.Dpi, target.Placement);
    TExportRun run = PaintLabels(entries, writer.Labels(), callbacks);
    // A sheet of empty labels helps nobody: the failures are all there is to tell.
    if (run.Placed == 0 || run.Stopped())
        return run;
    run.Written = PublishLabelSheet(writer.Finish(), target.Folder);
    return run;
}

TExportRun TExportJob::PaintLabels(const TExportEntries& entries, TLabelSheetPainter& labels,
                                   const TExportCallbacks& callbacks)
{
    int placed = 0;
    int nearEdge = 0;
    TWorker& first = FWorkers.front();
    TLabelSymbolSizer sizer(FSymbology, first.Settings, FPreviewArea,
                            labels.Placement().SizeSymbolForLabel);
    // Labels are filled in entry order: one worker, on this thread.
    TExportRun run = Run(
        AllEntries(entries), 1,
        [&](TWorker& worker, qsizetype index) {
            const TExportEntry& entry = entries.Entries[std::size_t(index)];
            TEntryOutcome outcome;
            TLabelDrawn drawn;
            double moduleMm = 0;
            try {
                const QStringList texts =
                    ExpandLabelText(labels.Placement().Text,
                                    {qint64(index) + 1, entry.Text, entries.Header, entry.Cells});
                const TLabelSymbol symbol =
                    sizer.Render(*worker.Symbol, entry.Text, labels.NextSymbolRoom(texts));
                drawn = labels.AddLabel(symbol.Picture, texts);
                moduleMm = sizer.ModuleMm(symbol, drawn.Scale);
            } catch (const std::exception& error) {
                labels.SkipLabel();
                return Failure(TEntryState::esFailed, error);
            }
            ++placed;
            nearEdge += drawn.NearPaperEdge;
            outcome.Scale = drawn.Scale;
            outcome.Label = {drawn.TextShrunk, drawn.TextCut, false};
            QStringList notes;
            if (drawn.Scale < 1)
                notes << QStringLiteral("drawn at %1% to fit the label")
                             .arg(std::floor(drawn.Scale * 100));
            if (const QString small = ModuleBelowMinimumNote(FSymbology, moduleMm);
                !small.isEmpty()) {
                notes << small;
                outcome.Label.ModuleBelowMinimum = true;
            }
            notes << drawn.Notes;
            outcome.Note = notes.join(QStringLiteral("; "));
            return outcome;
        },
        callbacks);
    run.Placed = placed;
    run.Pages = labels.Pages();
    run.NearPaperEdge = nearEdge;
    return run;
}
