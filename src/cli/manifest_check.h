#pragma once

class QTextStream;
struct TBatchSettings;

// lintaro-batch --check-manifest: whether the manifests of the runs of every shard (and every
// retry) together record each expected entry exactly once, from the manifests alone, without
// listing the output folder. The entries expected are settings.ExpectedCount entries, or those
// of the input, numbered from settings.FirstNumber, of settings.Shard. Every problem goes to
// `out` as a line, in entry order: "entry N: missing" (consecutive ones as "entries A to B"),
// "entry N: written as 2 files: ...", "entry N: failed: ERROR", and with an output folder the
// files whose size or SHA-256 differ from their record; then a summary line. Returns 0 when
// every entry is there once, 1 otherwise, 2 when a manifest cannot be read or was written for
// another input.
int CheckManifests(const TBatchSettings& settings, QTextStream& out, QTextStream& errors);
