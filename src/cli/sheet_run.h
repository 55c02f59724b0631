#pragma once

#include "cli/batch_runner.h"

class QTextStream;
struct TBatchSettings;

// The run with a label sheet: reads the input, renders the entries in order onto the sheet's
// labels, writes the sheet into the output folder. An entry that fails leaves its label empty
// and is reported as "line N: <symbology>: error: ..."; one scaled down to fit its label as
// "line N: <symbology>: drawn at P% to fit the label". No entries, no file. Ends with
// "written N labels on P pages to "<file>", failed M, S s" ("1 page").
TBatchExitCode RunLabelSheet(const TBatchSettings& settings, QTextStream& errors);
