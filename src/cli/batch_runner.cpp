#include "cli/batch_runner.h"

#include "base/zint_exception.h"
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
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace {
QString SymbologyName(TZintSymbology symbology)
{
    return QString::fromUtf8(SymbologyCatalogue[std::size_t(symbology)].DisplayName);
}

QByteArray ReadStandardInput()
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        throw EZintException("Cannot read standard input. " + input.errorString().toStdString());
    return input.readAll();
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
    return QStringLiteral("line %1: %2: %3\n")
        .arg(input.LineNumbers.at(std::size_t(index)))
        .arg(SymbologyName(settings.Symbology), text);
}

namespace {
TBatchInput ReadLines(const TBatchSettings& settings)
{
    const QList<TNumberedLine> lines =
        settings.InputPath == QLatin1String("-")
            ? DecodeNumberedLines(ReadStandardInput(), settings.Encoding)
            : ReadNumberedLines(settings.InputPath, settings.Encoding);
    TBatchInput input;
    input.Entries.Entries.reserve(std::size_t(lines.size()));
    input.LineNumbers.reserve(std::size_t(lines.size()));
    for (const TNumberedLine& line : lines) {
        input.Entries.Entries.push_back({line.Text, {}});
        input.LineNumbers.push_back(line.LineNumber);
    }
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
    input.Entries.Header = std::move(table.Header);
    input.Entries.Entries.reserve(table.Records.size());
    input.LineNumbers.reserve(table.Records.size());
    for (TTableRecord& record : table.Records) {
        const QString text = record.Cells.at(column);
        input.Entries.Entries.push_back({text, std::move(record.Cells)});
        input.LineNumbers.push_back(record.LineNumber);
    }
    return input;
}
} // namespace

TBatchInput ReadBatchInput(const TBatchSettings& settings)
{
    return settings.TableDelimiter ? ReadTable(settings) : ReadLines(settings);
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
    if (settings.Verify && !IsVerifiable(settings.Symbology))
        errors << SymbologyName(settings.Symbology) << ": not verifiable" << Qt::endl;

    QElapsedTimer clock;
    clock.start();
    // Made here, one after another: a symbol applies the --option writes as it is made.
    const std::size_t workerCount = std::max<std::size_t>(
        1, std::min(std::size_t(settings.Jobs), input.Entries.Entries.size()));
    std::vector<std::unique_ptr<TZintSymbol>> symbols;
    std::vector<TZintSymbol*> workers;
    for (std::size_t i = 0; i < workerCount; ++i) {
        symbols.push_back(MakeBatchSymbol(settings));
        workers.push_back(symbols.back().get());
    }
    TExportJob job(settings.Symbology, settings.Render, settings.PreviewArea, workers);
    TFolderExport target{settings.OutputFolder,
                         settings.Names,
                         settings.Extension,
                         [&](qint64 number) { return settings.Shard.Contains(number); },
                         {}};
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
    callbacks.EntryDone = [&](qsizetype index, const TEntryOutcome& outcome) {
        tally.Count(outcome.State);
        const QString text = EntryReportText(outcome);
        if (text.isEmpty())
            return true;
        if (std::exchange(progressShown, false))
            errors << EraseLine;
        errors << EntryReportLine(settings, input, index, text);
        return true;
    };
    callbacks.Progress = [&](int done, int total) {
        if (showProgress && done < total && clock.elapsed() - progressShownAt >= ProgressInterval) {
            progressShownAt = clock.elapsed();
            errors << EraseLine << ProgressLine(done, total, progressShownAt / 1000.0);
            progressShown = true;
        }
        errors.flush();
        return true;
    };
    job.WriteFiles(input.Entries, target, callbacks);
    if (progressShown)
        errors << EraseLine;

    errors << tally.SummaryLine(settings.Verify, clock.nsecsElapsed() / 1e9) << Qt::endl;
    if (tally.Failed() == 0)
        return becAllWritten;
    return tally.Written() == 0 && tally.NotWritten() > 0 ? becUsageOrInput : becSomeFailed;
}
