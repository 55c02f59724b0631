#pragma once

#include "cli/entry_outcome.h"

#include <QString>

// Counts the entries of a run by what became of them, for the summary line.
class TBatchTally final
{
public:
    void Count(TEntryState state);
    int Failed() const { return FFailed; }

    // "written N, failed M, S s, R images/s"; with verification "written N, verified V,
    // not verifiable U, failed M, ...". Written counts the files kept under their own names.
    QString SummaryLine(bool verify, double seconds) const;

private:
    int FWritten = 0;
    int FVerified = 0;
    int FNotVerifiable = 0;
    int FFailed = 0;
};
