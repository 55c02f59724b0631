#include "cli/batch_runner.h"

#include "base/zint_exception.h"
#include "cli/batch_options.h"
#include "cli/batch_tally.h"
#include "cli/verify_read_back.h"
#include "cli/verify_written_file.h"
#include "io/entry_export.h"
#include "io/text_table.h"
#include "render/zint_metafile.h"
#include "symbol/property_registry.h"
#include "symbol/zint_symbol.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace {
QString SymbologyName(TZintSymbology symbology)
{
    return QString::fromUtf8(SymbologyCatalogue[std::size_t(symbology)].DisplayName);
}

// Copies of a QFont share a private part that caches the loaded font engine without a lock,
// so a worker thread gets a font built afresh rather than a copy.
QFont FontOfItsOwn(const QFont& font)
{
    QFont own(font.families());
    own.fromString(font.toString());
    return own;
}

TBatchSettings WorkerSettings(const TBatchSettings& settings)
{
    TBatchSettings own = settings;
    own.Render.Font = FontOfItsOwn(settings.Render.Font);
    return own;
}

QByteArray ReadStandardInput()
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        throw EZintException("Cannot read standard input. " + input.errorString().toStdString());
    return input.readAll();
}
} // namespace

QString AsErrorText(const char* message)
{
    // Encoder messages carry their "error: " already; layout and file messages get it here.
    const QString text = QString::fromUtf8(message);
    const QString tag = QStringLiteral("error: ");
    return text.startsWith(tag) ? text : tag + text;
}

TBatchWorker::TBatchWorker(const TBatchSettings& settings)
    : FSettings(WorkerSettings(settings)), FSymbol(std::make_unique<TZintSymbol>())
{
    FSymbol->SetSymbolType(settings.Symbology);
    for (const auto& [path, value] : settings.PropertyWrites)
        WritePropertyPath(FSymbol.get(), path, PropertyValue(value), QLatin1Char('.'));
}

TBatchWorker::~TBatchWorker() = default;

TMetafile TBatchWorker::RenderPicture(const QString& text)
{
    return RenderEntryPicture(*FSymbol, FSettings.Symbology, text, FSettings.Render,
                              FSettings.PreviewArea);
}

QString TBatchWorker::WriteEntry(const QString& text, const TEntryFileName& name)
{
    return ExportEntryToNewFile(
        *FSymbol, FSettings.Symbology, text, FSettings.Render, FSettings.PreviewArea,
        QDir(FSettings.OutputFolder).filePath(name.Name), name.FirstCandidate);
}

TEntryOutcome TBatchWorker::ExportEntry(const QString& text, const TEntryFileNames& names,
                                        qsizetype index)
{
    try {
        const QString written = WriteEntry(text, names.At(index));
        if (!FSettings.Verify)
            return {};
        return VerifyWrittenFile(written, FSettings.Symbology, text,
                                 PrimaryMessageCarried(*FSymbol, FSettings.Render.PrimaryMessage),
                                 FSettings.Render.Dpi);
    } catch (const ECannotCreateFile& error) {
        return {TEntryState::esNotWritten, AsErrorText(error.what())};
    } catch (const std::exception& error) {
        return {TEntryState::esFailed, AsErrorText(error.what())};
    }
}

namespace {
// What the name template reads of one entry.
TNameFields NameFields(qint64 number, const TBatchEntry& entry, const QStringList& header)
{
    return {number, entry.Text, header, entry.Cells};
}

TBatchInput ReadLines(const TBatchSettings& settings)
{
    const QList<TNumberedLine> lines =
        settings.InputPath == QLatin1String("-")
            ? DecodeNumberedLines(ReadStandardInput(), settings.Encoding)
            : ReadNumberedLines(settings.InputPath, settings.Encoding);
    TBatchInput input;
    input.Entries.reserve(std::size_t(lines.size()));
    for (const TNumberedLine& line : lines)
        input.Entries.push_back({line.Text, line.LineNumber, {}});
    return input;
}

TBatchInput ReadTable(const TBatchSettings& settings)
{
    const QChar delimiter = *settings.TableDelimiter;
    TTextTable table = settings.InputPath == QLatin1String("-")
                           ? ParseDelimitedText(ReadStandardInput(), settings.Encoding, delimiter,
                                                settings.TableHasHeader)
                           : ReadTextTable(settings.InputPath, settings.Encoding, delimiter,
                                           settings.TableHasHeader);
    const int column = TableColumnIndex(table, settings.TextColumn);
    KeepRecordsWithText(table, column);
    TBatchInput input;
    input.Header = std::move(table.Header);
    input.Entries.reserve(table.Records.size());
    for (TTableRecord& record : table.Records) {
        const QString text = record.Cells.at(column);
        input.Entries.push_back({text, record.LineNumber, std::move(record.Cells)});
    }
    return input;
}
} // namespace

TBatchInput ReadBatchInput(const TBatchSettings& settings)
{
    return settings.TableDelimiter ? ReadTable(settings) : ReadLines(settings);
}

TEntryFileNames PlanFileNames(const TBatchSettings& settings, const TBatchInput& input)
{
    TEntryFileNames names(settings.Names, settings.Extension);
    for (std::size_t i = 0; i < input.Entries.size(); ++i)
        names.Add(NameFields(qint64(i) + 1, input.Entries[i], input.Header));
    return names;
}

namespace {
// Entries are handed out one at a time to whichever worker is free; their outcomes are
// collected by entry number so the run can report them in order.
class TEntryBoard final
{
public:
    explicit TEntryBoard(int count) : FOutcomes(std::size_t(count)) {}

    // The next entry nobody has taken yet, or -1 when all are taken.
    int Take()
    {
        const int index = FNext.fetch_add(1);
        return index < int(FOutcomes.size()) ? index : -1;
    }

    void Finish(int index, TEntryOutcome outcome)
    {
        {
            const std::lock_guard<std::mutex> lock(FMutex);
            FOutcomes[std::size_t(index)] = std::move(outcome);
            ++FDone;
        }
        FChanged.notify_one();
    }

    // Waits a little for entry `index` and returns the outcomes ready in order from it on.
    std::vector<TEntryOutcome> ReadyFrom(int index, int& done)
    {
        std::unique_lock<std::mutex> lock(FMutex);
        FChanged.wait_for(lock, std::chrono::milliseconds(200),
                          [&] { return FOutcomes[std::size_t(index)].has_value(); });
        std::vector<TEntryOutcome> ready;
        for (std::size_t i = std::size_t(index); i < FOutcomes.size() && FOutcomes[i]; ++i)
            ready.push_back(*FOutcomes[i]);
        done = FDone;
        return ready;
    }

private:
    std::atomic<int> FNext{0};
    std::mutex FMutex;
    std::condition_variable FChanged;
    std::vector<std::optional<TEntryOutcome>> FOutcomes;
    int FDone = 0;
};

QString ProgressLine(int done, int total, double seconds)
{
    const double rate = seconds > 0 ? done / seconds : 0;
    const QString left = rate > 0
                             ? QStringLiteral("%1 s left").arg((total - done) / rate, 0, 'f', 0)
                             : QStringLiteral("starting");
    return QStringLiteral("%1/%2, %3 images/s, %4")
        .arg(done)
        .arg(total)
        .arg(rate, 0, 'f', 0)
        .arg(left);
}

// How often the progress line is rewritten, in milliseconds.
constexpr qint64 ProgressInterval = 250;

// Goes back to the start of the line and clears it.
const QString EraseLine = QStringLiteral("\r\x1b[K");
} // namespace

std::optional<TBatchInput> PrepareBatchRun(const TBatchSettings& settings, QTextStream& errors)
{
    TBatchInput input;
    try {
        input = ReadBatchInput(settings);
    } catch (const ETextDecodeError& error) {
        errors << settings.InputPath << ": line " << error.Line() << ", byte " << error.ByteOffset()
               << ": " << QString::fromUtf8(error.what()) << Qt::endl;
        return std::nullopt;
    } catch (const EZintException& error) {
        errors << settings.InputPath << ": " << QString::fromUtf8(error.what()) << Qt::endl;
        return std::nullopt;
    }
    if (!QDir().mkpath(settings.OutputFolder)) {
        errors << "Cannot create folder \"" << settings.OutputFolder << "\"." << Qt::endl;
        return std::nullopt;
    }
    return input;
}

TBatchExitCode RunBatch(const TBatchSettings& settings, QTextStream& errors, bool showProgress)
{
    const std::optional<TBatchInput> prepared = PrepareBatchRun(settings, errors);
    if (!prepared)
        return becUsageOrInput;
    const TBatchInput& input = *prepared;
    const QString symbologyName = SymbologyName(settings.Symbology);
    if (settings.Verify && !IsVerifiable(settings.Symbology))
        errors << symbologyName << ": not verifiable" << Qt::endl;

    QElapsedTimer clock;
    clock.start();
    const std::vector<TBatchEntry>& entries = input.Entries;
    const TEntryFileNames names = PlanFileNames(settings, input);
    std::vector<qsizetype> selected;
    for (qsizetype i = 0; i < qsizetype(entries.size()); ++i)
        if (settings.Shard.Contains(i + 1))
            selected.push_back(i);
    const int total = int(selected.size());
    TEntryBoard board(total);
    // Built here, one after another: a worker applies the --option writes as it is made.
    std::vector<std::unique_ptr<TBatchWorker>> workers;
    for (int i = 0; i < std::min(settings.Jobs, total); ++i)
        workers.push_back(std::make_unique<TBatchWorker>(settings));
    std::vector<std::thread> threads;
    for (const auto& worker : workers)
        threads.emplace_back([&board, &selected, &names, &entries, worker = worker.get()] {
            for (int taken = board.Take(); taken >= 0; taken = board.Take()) {
                const qsizetype index = selected[std::size_t(taken)];
                board.Finish(taken, worker->ExportEntry(entries.at(index).Text, names, index));
            }
        });

    int reported = 0;
    TBatchTally tally;
    qint64 progressShownAt = -ProgressInterval;
    bool progressShown = false;
    while (reported < total) {
        int done = 0;
        const std::vector<TEntryOutcome> outcomes = board.ReadyFrom(reported, done);
        for (const TEntryOutcome& outcome : outcomes) {
            const qsizetype line = entries.at(selected[std::size_t(reported++)]).LineNumber;
            tally.Count(outcome.State);
            if (outcome.Message.isEmpty())
                continue;
            if (std::exchange(progressShown, false))
                errors << EraseLine;
            errors << "line " << line << ": " << symbologyName << ": " << outcome.Message << '\n';
        }
        if (showProgress && reported < total &&
            clock.elapsed() - progressShownAt >= ProgressInterval) {
            progressShownAt = clock.elapsed();
            errors << EraseLine << ProgressLine(done, total, progressShownAt / 1000.0);
            progressShown = true;
        }
        errors.flush();
    }
    if (progressShown)
        errors << EraseLine;
    for (std::thread& thread : threads)
        thread.join();

    errors << tally.SummaryLine(settings.Verify, clock.nsecsElapsed() / 1e9) << Qt::endl;
    if (tally.Failed() == 0)
        return becAllWritten;
    return tally.Written() == 0 && tally.NotWritten() > 0 ? becUsageOrInput : becSomeFailed;
}
