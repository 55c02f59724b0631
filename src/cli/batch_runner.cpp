#include "cli/batch_runner.h"

#include "base/zint_exception.h"
#include "cli/batch_input.h"
#include "cli/batch_interrupt.h"
#include "cli/batch_manifest.h"
#include "cli/batch_options.h"
#include "cli/batch_tally.h"
#include "cli/verify_read_back.h"
#include "cli/verify_written_file.h"
#include "io/text_table.h"
#include "symbol/property_registry.h"
#include "symbol/zint_symbol.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <csignal>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace {
QString SymbologyName(TZintSymbology symbology)
{
    return QString::fromUtf8(SymbologyCatalogue[std::size_t(symbology)].DisplayName);
}

} // namespace

std::unique_ptr<TZintSymbol> MakeBatchSymbol(const TBatchSettings& settings)
{
    auto symbol = std::make_unique<TZintSymbol>();
    symbol->SetSymbolType(settings.Symbology);
    for (const auto& [path, value] : settings.PropertyWrites)
        WritePropertyPath(symbol.get(), path, PropertyValue(value), QLatin1Char('.'));
    return symbol;
}

QString EntryReportText(const TEntryOutcome& outcome)
{
    if (!outcome.Error.isEmpty()) {
        // Encoder messages carry their "error: " already; layout and file messages get it here.
        const QString tag = QStringLiteral("error: ");
        return outcome.Error.startsWith(tag) ? outcome.Error : tag + outcome.Error;
    }
    return outcome.Note;
}

QString EntryReportLine(const TBatchSettings& settings, const TBatchInput& input, qsizetype index,
                        const QString& text)
{
    return EntryReportLine(settings, input.LineNumbers.at(std::size_t(index)), text);
}

QString EntryReportLine(const TBatchSettings& settings, qsizetype line, const QString& text)
{
    return QStringLiteral("line %1: %2: %3\n")
        .arg(line)
        .arg(SymbologyName(settings.Symbology), text);
}

TBatchInput ReadBatchInput(const TBatchSettings& settings)
{
    TBatchInputReader reader(settings, [](qint64) { return true; });
    reader.Check();
    TBatchInput input;
    input.Entries.Header = reader.Header();
    input.Entries.Entries.reserve(std::size_t(reader.Count()));
    input.LineNumbers.reserve(std::size_t(reader.Count()));
    for (TExportEntry entry; reader.Next(entry);) {
        input.LineNumbers.push_back(reader.LineOf(qsizetype(input.LineNumbers.size())));
        input.Entries.Entries.push_back(std::move(entry));
    }
    return input;
}

namespace {
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

TBatchExitCode InterruptedExit(QTextStream& errors)
{
    const bool ctrlC = TBatchInterrupt::Received() == SIGINT;
    errors << QStringLiteral("Stopped by %1: the entries not begun were not written.")
                  .arg(ctrlC ? QStringLiteral("Ctrl+C") : QStringLiteral("SIGTERM"))
           << Qt::endl;
    return ctrlC ? becInterruptedByCtrlC : becInterruptedBySigterm;
}
} // namespace

std::optional<TBatchInput> PrepareBatchRun(const TBatchSettings& settings, QTextStream& errors)
{
    TBatchInput input;
    try {
        input = ReadBatchInput(settings);
    } catch (const EZintException& error) {
        errors << QString::fromUtf8(error.what()) << Qt::endl;
        return std::nullopt;
    }
    if (!CreateOutputFolder(settings, errors))
        return std::nullopt;
    return input;
}

bool CreateOutputFolder(const TBatchSettings& settings, QTextStream& errors)
{
    if (QDir().mkpath(settings.OutputFolder))
        return true;
    errors << "Cannot create folder \"" << settings.OutputFolder << "\"." << Qt::endl;
    return false;
}

TBatchExitCode RunBatch(const TBatchSettings& settings, QTextStream& errors, bool showProgress)
{
    TBatchInterrupt::Install();
    const TBatchShard shard = settings.Shard;
    const qint64 firstNumber = settings.FirstNumber;
    const auto included = [shard](qint64 number) { return shard.Contains(number); };
    std::optional<TBatchInputReader> reader;
    try {
        reader.emplace(settings,
                       [=](qint64 position) { return shard.Contains(firstNumber + position - 1); });
        reader->Check();
    } catch (const EZintException& error) {
        errors << QString::fromUtf8(error.what()) << Qt::endl;
        return becUsageOrInput;
    }
    if (TBatchInterrupt::Received() != 0)
        return InterruptedExit(errors);
    if (!CreateOutputFolder(settings, errors))
        return becUsageOrInput;
    TBatchManifest manifest;
    if (!settings.ManifestPath.isEmpty() &&
        !manifest.Open(settings.ManifestPath, settings.OutputFolder)) {
        errors << QStringLiteral("Cannot open the manifest \"%1\": %2.")
                      .arg(settings.ManifestPath, manifest.ErrorString())
               << Qt::endl;
        return becUsageOrInput;
    }
    if (reader->Count() == 0)
        errors << QStringLiteral("The input \"%1\" holds no texts: it is empty or has only empty "
                                 "lines.")
                      .arg(settings.InputPath)
               << Qt::endl;
    if (settings.Verify && !IsVerifiable(settings.Symbology))
        errors << SymbologyName(settings.Symbology) << ": not verifiable" << Qt::endl;
    const qint64 total = shard.CountOf(firstNumber, reader->Count());

    QElapsedTimer clock;
    clock.start();
    // Made here, one after another: a symbol applies the --option writes as it is made.
    const std::size_t workerCount =
        std::size_t(std::max<qint64>(1, std::min<qint64>(settings.Jobs, total)));
    std::vector<std::unique_ptr<TZintSymbol>> symbols;
    std::vector<TZintSymbol*> workers;
    for (std::size_t i = 0; i < workerCount; ++i) {
        symbols.push_back(MakeBatchSymbol(settings));
        workers.push_back(symbols.back().get());
    }
    TExportJob job(settings.Symbology, settings.Render, settings.PreviewArea, workers);
    TFolderExport target{settings.OutputFolder, settings.Names, settings.Extension, included, {}};
    target.FirstNumber = firstNumber;
    target.KeepWritten = settings.Resume;
    if (settings.Verify)
        target.Check = [&](const TZintSymbol& symbol, const QString& text, const QString& written) {
            return VerifyWrittenFile(written, settings.Symbology, text,
                                     PrimaryMessageCarried(symbol, settings.Render.PrimaryMessage),
                                     settings.Render.Dpi);
        };

    TBatchTally tally;
    qint64 progressShownAt = -ProgressInterval;
    bool progressShown = false;
    TExportCallbacks callbacks;
    bool manifestFailed = false;
    callbacks.EntryDone = [&](qsizetype index, const TEntryOutcome& outcome) {
        tally.Count(outcome.State);
        const qsizetype line = reader->LineOf(index);
        if (manifest.IsOpen() && !manifest.Record(firstNumber + index, line, outcome))
            manifestFailed = true;
        const QString text = EntryReportText(outcome);
        if (!text.isEmpty()) {
            if (std::exchange(progressShown, false))
                errors << EraseLine;
            errors << EntryReportLine(settings, line, text);
        }
        return !manifestFailed && TBatchInterrupt::Received() == 0;
    };
    callbacks.Progress = [&](int done, int total) {
        if (showProgress && done < total && clock.elapsed() - progressShownAt >= ProgressInterval) {
            progressShownAt = clock.elapsed();
            errors << EraseLine << ProgressLine(done, total, progressShownAt / 1000.0);
            progressShown = true;
        }
        errors.flush();
        return TBatchInterrupt::Received() == 0;
    };
    try {
        job.WriteFiles(*reader, reader->Header(), int(total), target, callbacks);
    } catch (const EZintException& error) {
        // The input changed after it was checked.
        errors << QString::fromUtf8(error.what()) << Qt::endl;
        return becUsageOrInput;
    }
    if (progressShown)
        errors << EraseLine;

    errors << tally.SummaryLine(settings.Verify, clock.nsecsElapsed() / 1e9) << Qt::endl;
    if (TBatchInterrupt::Received() != 0)
        return InterruptedExit(errors);
    if (manifestFailed) {
        // A run without its record would be taken for one that did not happen.
        errors << QStringLiteral("Cannot write the manifest \"%1\": %2. The run was stopped.")
                      .arg(settings.ManifestPath, manifest.ErrorString())
               << Qt::endl;
        return becUsageOrInput;
    }
    if (tally.Failed() == 0)
        return becAllWritten;
    return tally.Written() == 0 && tally.NotWritten() > 0 ? becUsageOrInput : becSomeFailed;
}
