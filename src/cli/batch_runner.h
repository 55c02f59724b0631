#pragma once

#include "cli/batch_options.h"
#include "cli/entry_outcome.h"
#include "io/entry_file_names.h"
#include "io/text_import.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QTextStream;
class TMetafile;
class TZintSymbol;

// The exit status of a run.
enum TBatchExitCode
{
    becAllWritten = 0,
    becSomeFailed = 1,
    becUsageOrInput = 2 // also when no file could be written at all
};

// Renders entries through the window's render pipeline with a symbol of its own and writes
// each into a new file. Workers share nothing, so each can run on a thread of its own; a
// worker itself is used by one thread at a time.
class TBatchWorker final
{
public:
    explicit TBatchWorker(const TBatchSettings& settings);
    ~TBatchWorker();

    // The drawing of one text, as the preview would show it. Raises EZintException.
    TMetafile RenderPicture(const QString& text);
    // Writes the text under its name in the output folder, or under the next free numbered
    // name; nothing is ever replaced. Returns the name written.
    QString WriteEntry(const QString& text, const TEntryFileName& name);
    // WriteEntry under the name of entry `index` and, with verification on, reading the written
    // file back (VerifyWrittenFile). A failing entry's message is "error: ..." or "does not
    // read back (read: ...)". Never raises for a failing entry.
    TEntryOutcome ExportEntry(const QString& text, const TEntryFileNames& names, qsizetype index);

private:
    TBatchSettings FSettings; // a copy with a font of its own: fonts cache per thread

    std::unique_ptr<TZintSymbol> FSymbol;
};

// An exception's message as an entry reports it: "error: ...".
QString AsErrorText(const char* message);

// One entry of a run: its text, the line of the input it starts on, and for a table the cells
// of its record.
struct TBatchEntry
{
    QString Text;
    qsizetype LineNumber = 0;
    QStringList Cells;
};

// What a run works through: the entries, and the header of a table input (empty otherwise).
struct TBatchInput
{
    QStringList Header;
    std::vector<TBatchEntry> Entries;
};

// The entries of the input (a file, or standard input for "-"): its non-empty lines, read by
// the import's rules, or for a table the records with text in the chosen column. Raises
// EZintException when it cannot be read or names no column of the table, ETextDecodeError
// when it cannot be decoded.
TBatchInput ReadBatchInput(const TBatchSettings& settings);

// The file names of all entries of the input, whichever part of them a run writes.
TEntryFileNames PlanFileNames(const TBatchSettings& settings, const TBatchInput& input);

// Reads the input and creates the output folder; on failure says why on `errors` (a decoding
// error with its line and byte) and gives nothing.
std::optional<TBatchInput> PrepareBatchRun(const TBatchSettings& settings, QTextStream& errors);

// The whole run: reads the input, creates the output folder, writes every entry of
// settings.Shard with settings.Jobs workers. An entry that fails is reported on `errors` as
// "line N: <symbology>: error: ..." (N the line of the input file) and skipped; reports come in
// entry order whatever the number of workers, and the files are the same. With `showProgress` a
// progress line is rewritten in place while the run goes on. The run ends with TBatchTally's
// summary line. A run in which no file could be written at all (a full disk, a read-only folder)
// ends as an input error does; one whose entries the encoder all refused has merely failed.
TBatchExitCode RunBatch(const TBatchSettings& settings, QTextStream& errors,
                        bool showProgress = false);
