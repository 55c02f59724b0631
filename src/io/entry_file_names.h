#pragma once

#include "io/name_template.h"

#include <QHash>
#include <QString>

#include <vector>

// Where one entry is written: the numbered series of TNumberedFileName over `Name` in
// `Folder`, tried from candidate `FirstCandidate` on.
struct TEntryFileName
{
    QString Name;   // file name without folder
    QString Folder; // the subfolder of the output folder ("000/123"); empty: the folder itself
    qint64 FirstCandidate = 1;

    // The folder and the name, as the output folder sees them.
    QString RelativePath() const { return Folder.isEmpty() ? Name : Folder + u'/' + Name; }
};

// The file names of one export, decided entry after entry in input order. Each entry is named
// by the template, made safe; where that name falls back to the entry's number when nothing of
// it is left; a {n:0W/G} field puts it into its subfolder. An entry whose name an earlier entry
// has already (in the same folder) starts at the next free " (n)"
// of it, so two entries of the same name are both written, and the names depend on the entries
// alone: a parallel or split run into an empty folder names every file exactly as one run in
// order does. Only a 64-bit fingerprint of each name given is kept, so that ten million names
// fit in about 100 MB.
class TEntryFileNames final
{
public:
    TEntryFileNames(TNameTemplate nameTemplate, QString extension);

    // Names the next entry. Raises EZintException with the reason when the template cannot
    // name it; the entry then takes no name.
    TEntryFileName Next(const TNameFields& fields);

private:
    // False when the name was given before.
    bool Take(const QString& name);

    TNameTemplate FTemplate;
    QString FExtension;
    // Every name given so far, numbered ones included, sorted within parts chosen by the
    // fingerprint's top bits, so that an insertion moves few neighbours.
    std::vector<std::vector<quint64>> FTaken;
    QHash<quint64, qint64> FNextNumber; // per base name given more than once
};
