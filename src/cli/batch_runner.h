#pragma once

#include "cli/batch_options.h"
#include "cli/entry_outcome.h"
#include "io/text_import.h"

#include <QString>

#include <memory>

class QImage;
class QTextStream;
class TMetafile;
class TZintSymbol;

// The exit status of a run.
enum TBatchExitCode
{
    becAllWritten = 0,
    becSomeFailed = 1,
    becUsageOrInput = 2
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
    // The same rasterised. Raises EZintException.
    QImage RenderEntry(const QString& text);
    // Writes entry `number` (1-based) as "<number><ext>" in the output folder, or under the
    // next free numbered name; nothing is ever replaced. Returns the name written.
    QString WriteEntry(int number, const QString& text);
    // WriteEntry and, with verification on, reading the written file back (VerifyWrittenFile).
    // A failing entry's message is "error: ..." or "does not read back (read: ...)". Never
    // raises for a failing entry.
    TEntryOutcome ExportEntry(int number, const QString& text);

private:
    TBatchSettings FSettings; // a copy with a font of its own: fonts cache per thread

    std::unique_ptr<TZintSymbol> FSymbol;
};

// An exception's message as an entry reports it: "error: ...".
QString AsErrorText(const char* message);

// The texts of the input (a file, or standard input for "-"), read by the import's rules,
// with the lines they stand on. Raises EZintException when it cannot be read or decoded.
QList<TNumberedLine> ReadBatchInput(const TBatchSettings& settings);

// The whole run: reads the input, creates the output folder, writes every entry with
// settings.Jobs workers. An entry that fails is reported on `errors` as
// "line N: <symbology>: error: ..." (N the line of the input file) and skipped; reports come in
// entry order whatever the number of workers, and the files are the same. With `showProgress` a
// progress line is rewritten in place while the run goes on. The run ends with TBatchTally's
// summary line.
TBatchExitCode RunBatch(const TBatchSettings& settings, QTextStream& errors,
                        bool showProgress = false);
