#pragma once

#include "io/name_template.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <vector>

// Where one entry is written: the numbered series of TNumberedFileName over `Name`, tried from
// candidate `FirstCandidate` on.
struct TEntryFileName
{
    QString Name; // file name without folder
    qint64 FirstCandidate = 1;
};

// The file names of one export, decided for all entries before any is written. Each entry is
// named by the template, made safe; where that name falls back to the entry's number when
// nothing of it is left. An entry whose name an earlier entry has already starts at the next
// free " (n)" of it, so two entries of the same name are both written, and the names depend
// on the entries alone: a parallel or split run into an empty folder names every file exactly
// as one run in order does.
class TEntryFileNames final
{
public:
    TEntryFileNames(TNameTemplate nameTemplate, QString extension);

    // Adds the next entry.
    void Add(const TNameFields& fields);

    // The name of the entry added `index`-th (0-based). Raises EZintException with the reason
    // when the template could not name it.
    const TEntryFileName& At(qsizetype index) const;

private:
    struct TPlanned
    {
        TEntryFileName Name;
        QString Error;
    };

    TNameTemplate FTemplate;
    QString FExtension;
    std::vector<TPlanned> FEntries;
    QSet<QString> FTaken;               // every name given so far, numbered ones included
    QHash<QString, qint64> FNextNumber; // per base name, the candidate to try first
};
