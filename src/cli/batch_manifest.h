#pragma once

#include "io/entry_outcome.h"

#include <QFile>
#include <QString>

// The record a run keeps of its entries on the output volume, as JSON lines, one per entry as
// it finishes: {"entry": number, "line": input line, "status": ..., "file": path inside the
// output folder ("000/123/000123456.png" in a subfolder), "bytes": size, "sha256": hex digest} for
// a file written or kept, with "error" instead of the file for a failure. Appended and handed to
// the system line by line, so that a run stopped at any point, even killed, leaves a true record of
// the entries it finished, and the runs of every shard and retry can share one file.
class TBatchManifest final
{
public:
    // Opens `path` for appending, creating it, for the files of `outputFolder`. False when it
    // cannot be.
    bool Open(const QString& path, const QString& outputFolder);
    bool IsOpen() const { return FFile.isOpen(); }
    QString ErrorString() const { return FFile.errorString(); }

    // Appends the line of one entry. False when it cannot be written.
    bool Record(qint64 number, qsizetype line, const TEntryOutcome& outcome);

private:
    QFile FFile;
    QString FOutputFolder;
};
