#pragma once

#include "cli/batch_options.h"
#include "io/export_job.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QTextStream;
class TZintSymbol;

// The exit status of a run.
enum TBatchExitCode
{
    becAllWritten = 0,
    becSomeFailed = 1,
    becUsageOrInput = 2, // also when no file could be written at all
    // Stopped by a signal (TBatchInterrupt), as a shell tells a command ended by it.
    becInterruptedByCtrlC = 128 + 2,
    becInterruptedBySigterm = 128 + 15
};

// What a run works through: the entries (with the header of a table input, empty otherwise)
// and the line of the input each entry starts on.
struct TBatchInput
{
    TExportEntries Entries;
    std::vector<qsizetype> LineNumbers;
};

// The symbol a run encodes with: the chosen symbology with the --option writes applied in
// order. A run makes one per worker.
std::unique_ptr<TZintSymbol> MakeBatchSymbol(const TBatchSettings& settings);

// What the run reports of an entry after "line N: <symbology>: ": "error: ..." for a failure,
// else its note; empty: nothing.
QString EntryReportText(const TEntryOutcome& outcome);

// "line N: <symbology>: <text>" and a line break, where N is the input line of entry `index`.
QString EntryReportLine(const TBatchSettings& settings, const TBatchInput& input, qsizetype index,
                        const QString& text);
QString EntryReportLine(const TBatchSettings& settings, qsizetype line, const QString& text);

// Every entry of the input at once, as TBatchInputReader reads them. Raises EZintException
// naming the input when it cannot be read or lacks a column the run names.
TBatchInput ReadBatchInput(const TBatchSettings& settings);

// Creates the output folder; on failure says so on `errors`.
bool CreateOutputFolder(const TBatchSettings& settings, QTextStream& errors);

// Reads the input and creates the output folder; on failure says why on `errors` (a decoding
// error with its line and byte) and gives nothing.
std::optional<TBatchInput> PrepareBatchRun(const TBatchSettings& settings, QTextStream& errors);

// The whole run: checks the whole input, creates the output folder, then reads the input again
// and writes every entry of settings.Shard with settings.Jobs workers as it is read, holding a
// few entries per worker at a time. An entry that fails is reported on `errors` as
// "line N: <symbology>: error: ..." (N the line of the input file) and skipped; reports come in
// entry order whatever the number of workers, and the files are the same. Progress is told as
// settings.Progress asks (the terminal line only when `showProgress`: standard error is a
// terminal). With settings.OnlyFailed only the entries the manifests do not record as a success
// are written, as with Resume; manifests written for another input stop the run before it
// starts. The run ends with TBatchTally's summary line. A run in which no file could be written at
// all (a full disk, a read-only folder) ends as an input error does; one whose entries the encoder
// all refused has merely failed. Ctrl+C or SIGTERM stop the run after the entries begun: it ends
// becInterruptedByCtrlC or becInterruptedBySigterm, whatever became of the entries.
TBatchExitCode RunBatch(const TBatchSettings& settings, QTextStream& errors,
                        bool showProgress = false);
