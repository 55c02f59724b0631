#pragma once

#include "cli/batch_runner.h"

class QTextStream;
struct TBatchSettings;

// The run with a label sheet: reads the input, renders the entries in order onto the sheet's
// labels, writes the sheet into the output folder. An entry that fails leaves its label empty
// and is reported as "line N: <symbology>: error: ..."; one scaled down to fit its label as
// "line N: <symbology>: drawn at P% to fit the label", and what else had to give (module below
// minimum, text lines shrunk or cut) the same way, joined by "; ". No entries, no file. Warns
// once of labels drawn where most printers cannot print; ends with "written N labels on P pages
// to "<file>", failed M, S s" ("1 page"), naming after M the labels whose text was shrunk or
// cut or whose module is below the minimum, when there are any ("text cut 3").
TBatchExitCode RunLabelSheet(const TBatchSettings& settings, QTextStream& errors);
