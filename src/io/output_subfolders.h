#pragma once

#include <QSet>
#include <QString>

#include <mutex>

// The subfolders an export puts its files in, made inside its output folder only: each level
// is made and opened relative to the one above it, never through a symbolic link, so a link
// planted under a folder's name (to anywhere, inside or out) fails the entries meant for that
// folder instead of carrying their files elsewhere. Shared by an export's workers.
class TOutputSubfolders final
{
public:
    // `removeStale`: on each folder's first use, the temporaries that killed runs left there
    // are removed (RemoveStaleTemporaryFiles).
    TOutputSubfolders(QString root, bool removeStale);

    // The path of `relative` ("000/123"; empty: the output folder itself), made when missing.
    // Raises ECannotCreateFile when a level cannot be made or something other than a folder
    // holds its name, and for a relative path that would leave the output folder (an empty
    // level, ".", "..", a leading '/').
    QString Prepare(const QString& relative);

private:
    void Make(const QString& relative) const;

    QString FRoot;
    bool FRemoveStale;
    std::mutex FMutex;
    QSet<QString> FReady; // made or checked in this run
};
