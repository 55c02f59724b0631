#pragma once

#include <QString>

// What became of one entry of a batch run.
enum class TEntryState
{
    esWritten,       // written; verification was not asked for
    esVerified,      // written and read back to what it should read
    esNotVerifiable, // written; the decoder cannot read it
    esFailed,        // not written, or written and set aside because it did not read back
    esNotWritten     // its file could not be written: the folder or the disk is at fault
};

struct TEntryOutcome
{
    TEntryState State = TEntryState::esWritten;
    QString Message; // reported after "line N: <symbology>: "; empty: nothing to report
};
