#pragma once

#include "io/entry_outcome.h"

#include <QFile>
#include <QString>
#include <QStringList>

// One line of a manifest (TBatchManifest).
struct TManifestRecord
{
    qint64 Entry = 0;
    qsizetype Line = 0;
    TEntryState State = TEntryState::esFailed;
    QString File; // relative to the output folder; empty for a failure
    qint64 Bytes = -1;
    QString Sha256;
    QString Error;
};

// Reads the records of a manifest in the order they were appended. A line that is no record
// (a line cut short by a full disk, or text of something else) is skipped and named in
// Problems(): reading goes on, as every other line still tells the truth.
class TManifestReader final
{
public:
    explicit TManifestReader(const QString& path);

    // False, with ErrorText() saying why, when the file cannot be opened.
    bool Open();
    QString ErrorText() const;

    // The next record; false after the last.
    bool Next(TManifestRecord& record);

    // "Manifest \"PATH\", line N: ..." for every line skipped so far.
    const QStringList& Problems() const { return FProblems; }

private:
    QFile FFile;
    qint64 FLineNumber = 0;
    QStringList FProblems;
};

// The message for a manifest whose record of `entry` puts it on another line of the input than
// the input does: it was written for another input (or slice).
QString ManifestMismatchText(const QString& manifest, const QString& input, qint64 entry,
                             qsizetype recordedLine, qsizetype inputLine);
