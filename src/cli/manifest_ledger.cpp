#include "cli/manifest_ledger.h"

#include "cli/batch_manifest.h"
#include "cli/manifest_reader.h"

#include <algorithm>

std::optional<TManifestLedger> TManifestLedger::Read(const QStringList& paths,
                                                     const std::function<bool(qint64)>& wanted,
                                                     QString& error)
{
    TManifestLedger ledger;
    ledger.FPaths = paths;
    for (int i = 0; i < paths.size(); ++i) {
        TManifestReader reader(paths.at(i));
        if (!reader.Open()) {
            error = reader.ErrorText();
            return std::nullopt;
        }
        for (TManifestRecord record; reader.Next(record);)
            if (wanted(record.Entry))
                ledger.FEntries.push_back(
                    {record.Entry, record.Line, i, EntryStateHasFile(record.State)});
        ledger.FProblems += reader.Problems();
    }
    // Stable, and the last of each entry kept: later records stand over earlier ones.
    auto& entries = ledger.FEntries;
    std::stable_sort(entries.begin(), entries.end(),
                     [](const TLast& a, const TLast& b) { return a.Entry < b.Entry; });
    std::reverse(entries.begin(), entries.end());
    entries.erase(std::unique(entries.begin(), entries.end(),
                              [](const TLast& a, const TLast& b) { return a.Entry == b.Entry; }),
                  entries.end());
    std::reverse(entries.begin(), entries.end());
    entries.shrink_to_fit();
    return ledger;
}

const TManifestLedger::TLast* TManifestLedger::Find(qint64 entry) const
{
    const auto found =
        std::lower_bound(FEntries.begin(), FEntries.end(), entry,
                         [](const TLast& last, qint64 number) { return last.Entry < number; });
    return found != FEntries.end() && found->Entry == entry ? &*found : nullptr;
}

bool TManifestLedger::Succeeded(qint64 entry) const
{
    const TLast* last = Find(entry);
    return last && last->Succeeded;
}

qint64 TManifestLedger::SucceededIn(qint64 first, qint64 end) const
{
    const auto byEntry = [](const TLast& last, qint64 number) { return last.Entry < number; };
    const auto from = std::lower_bound(FEntries.begin(), FEntries.end(), first, byEntry);
    const auto to = std::lower_bound(from, FEntries.end(), end, byEntry);
    return std::count_if(from, to, [](const TLast& last) { return last.Succeeded; });
}

std::optional<QString> TManifestLedger::Mismatch(qint64 entry, qsizetype line,
                                                 const QString& input) const
{
    const TLast* last = Find(entry);
    if (!last || last->Line == line)
        return std::nullopt;
    return ManifestMismatchText(FPaths.at(last->Manifest), input, entry, last->Line, line);
}
