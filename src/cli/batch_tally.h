#pragma once

#include "io/entry_outcome.h"

#include <QString>

// Counts the entries of a run by what became of them, for the summary line.
class TBatchTally final
{
public:
    void Count(TEntryState state);
    int Failed() const { return FFailed; }
    int Written() const { return FWritten; }
    int NotWritten() const { return FNotWritten; }
    int Kept() const { return FKept; }

    // "written N, failed M, S s, R images/s"; with verification "written N, verified V,
    // unconfirmed C, not verifiable U, failed M, ...". Written counts the files kept under
    // their own names. When files of an earlier run were left, "kept K, " follows "written N, ".
    QString SummaryLine(bool verify, double seconds) const;

private:
    int FWritten = 0;
    int FVerified = 0;
    int FNotVerifiable = 0;
    int FUnconfirmed = 0;
    int FFailed = 0; // every entry without its file, NotWritten included
    int FNotWritten = 0;
    int FKept = 0; // entries whose file an earlier run wrote
};
