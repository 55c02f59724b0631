#pragma once

#include "io/entry_outcome.h"

#include <QFile>
#include <QString>

#include <optional>

// The record a run keeps of its entries on the output volume, as JSON lines, one per entry as
// it finishes: {"entry": number, "line": input line, "status": ..., "file": path in the output
// folder, "bytes": size, "sha256": hex digest} for a file written or kept, with "error"
// instead of the file for a failure. Appended and handed to the system line by line, so that a
// run stopped at any point, even killed, leaves a true record of the entries it finished, and
// the runs of every shard and retry can share one file.
class TBatchManifest final
{
public:
    // Opens `path` for appending, creating it; files are named relative to `folder`. False
    // when it cannot be opened.
    bool Open(const QString& path, const QString& folder);
    bool IsOpen() const { return FFile.isOpen(); }
    QString ErrorString() const { return FFile.errorString(); }

    // Appends the line of one entry. False when it cannot be written.
    bool Record(qint64 number, qsizetype line, const TEntryOutcome& outcome);

private:
    QFile FFile;
    QString FFolder;
};

// The "status" of an entry in the manifest, and back; nothing for a name no state has.
QString ManifestStatusName(TEntryState state);
std::optional<TEntryState> ManifestStatusState(const QString& name);

// Whether an entry in `state` has its file in the folder: it succeeded.
bool EntryStateHasFile(TEntryState state);

// The size and SHA-256 (lower-case hex) of a file as the manifest records them, or why the
// file cannot be read.
struct TFileDigest
{
    qint64 Bytes = -1;
    QString Sha256;
    QString Error; // empty when the file was read
};
TFileDigest DigestOfFile(const QString& path);
