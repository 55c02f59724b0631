#pragma once

#include "cli/batch_shard.h"

#include <QString>

#include <optional>

class QTextStream;
class TBatchTally;

// How a run tells how far it is, on standard error.
enum class TProgressFormat
{
    pfTerminal, // a line rewritten in place, when standard error is a terminal; else nothing
    pfJsonl,    // a JSON line now and then, and one at the end (TBatchProgress)
    pfNone
};

// How often JSON progress lines are written: after every Entries entries, or every
// Milliseconds, whichever is set.
struct TProgressEvery
{
    qint64 Entries = 0;
    qint64 Milliseconds = 10000;
};

// "terminal", "jsonl" or "none".
std::optional<TProgressFormat> ParseProgressFormat(const QString& text);
// A whole number of entries ("500") or of seconds ("30s"), from 1 to 10^9.
std::optional<TProgressEvery> ParseProgressEvery(const QString& text);

// The progress of one run. As JSON lines, each a complete object of its own so that the runs
// of every shard can be summed: {"shard": K, "shards": N, "total": entries this run takes,
// "done": entries finished, "written", "kept", "failed", "seconds": since the start, "rate":
// entries finished per second}, the last one with "exit": the run's exit status as well.
class TBatchProgress final
{
public:
    TBatchProgress(TProgressFormat format, TProgressEvery every, bool terminal, TBatchShard shard,
                   qint64 total, QTextStream& errors);

    // Before the first entry: the first JSON line, so that the totals are known at once.
    void Start();
    // After entries finished: a line when one is due.
    void Update(const TBatchTally& tally, qint64 milliseconds);
    // Before another line is written to standard error: clears the terminal line.
    void Clear();
    // The last JSON line, or the terminal line cleared.
    void Finish(const TBatchTally& tally, qint64 milliseconds, int exitCode);

private:
    void WriteJson(const TBatchTally& tally, qint64 milliseconds, std::optional<int> exitCode);

    TProgressFormat FFormat;
    TProgressEvery FEvery;
    TBatchShard FShard;
    qint64 FTotal;
    QTextStream& FErrors;
    qint64 FShownAt = -1; // milliseconds; -1: nothing shown yet
    qint64 FShownDone = 0;
    bool FLineShown = false;
};
