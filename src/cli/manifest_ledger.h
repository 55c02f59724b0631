#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// What the manifests of earlier runs say of each entry, for a run of the entries that did not
// succeed (--only-failed): the last record of an entry decides, reading the manifests in the
// order given and each from its first line on, so that a retry's success or failure stands
// over what came before it. Only the entries a run may write are kept.
class TManifestLedger final
{
public:
    // Reads every manifest, keeping the entries `wanted` takes. Nothing, with `error` saying
    // why, when one cannot be read.
    static std::optional<TManifestLedger>
    Read(const QStringList& paths, const std::function<bool(qint64)>& wanted, QString& error);

    // Whether the last record of `entry` is a success; false without a record.
    bool Succeeded(qint64 entry) const;
    // How many entries from `first` up to `end` (excluded) succeeded.
    qint64 SucceededIn(qint64 first, qint64 end) const;

    // Nothing when the record of `entry`, if any, is on `line` of the input; else the message
    // that the manifests were written for another input.
    std::optional<QString> Mismatch(qint64 entry, qsizetype line, const QString& input) const;

    // The lines of the manifests that were no records.
    const QStringList& Problems() const { return FProblems; }

private:
    struct TLast
    {
        qint64 Entry;
        qsizetype Line;
        int Manifest; // index into FPaths
        bool Succeeded;
    };
    const TLast* Find(qint64 entry) const;

    QStringList FPaths;
    std::vector<TLast> FEntries; // by entry, one each
    QStringList FProblems;
};
