#pragma once

#include "cli/batch_options.h"
#include "io/export_job.h"
#include "io/text_input.h"
#include "io/text_table.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <utility>

// The entries of a batch run's input (a file, or standard input for "-"), read as they are
// written: its non-empty lines by the import's rules, or for a table the records with text in
// the chosen column. Check() reads the whole input once first, so that bad bytes, a bad record,
// a missing column or a template field the table lacks stop the run before anything is written;
// after it the entries are handed out again from the start, one at a time.
class TBatchInputReader final : public TExportEntrySource
{
public:
    // `remembers` picks the entries, by 1-based number, whose lines LineOf() will be asked for.
    TBatchInputReader(const TBatchSettings& settings, std::function<bool(qint64)> remembers);

    // Reads the input through and rewinds it, telling `seen` (when set) the 1-based position
    // and input line of every entry. Raises EZintException naming the input.
    void Check(const std::function<void(qint64 position, qsizetype line)>& seen = {});

    // After Check(): the table's header (empty for lines) and the number of entries.
    const QStringList& Header() const { return FHeader; }
    qint64 Count() const { return FCount; }

    bool Next(TExportEntry& entry) override;

    // The input line of entry `index` (0-based), once; earlier entries are forgotten.
    qsizetype LineOf(qsizetype index);

private:
    bool NextWithLine(TExportEntry& entry, qsizetype& line);
    void Restart();

    const TBatchSettings& FSettings;
    std::function<bool(qint64)> FRemembers;
    TTextInput FInput;
    std::unique_ptr<TLineReader> FLines;
    std::unique_ptr<TRecordReader> FRecords;
    QStringList FHeader;
    int FColumn = 0;
    qint64 FCount = 0;
    qint64 FHandedOut = 0;
    std::deque<std::pair<qsizetype, qsizetype>> FLineNumbers; // entry index, line
};
