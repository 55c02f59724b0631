#include "cli/manifest_check.h"

#include "base/zint_exception.h"
#include "cli/batch_input.h"
#include "cli/batch_manifest.h"
#include "cli/manifest_reader.h"

#include <QDir>
#include <QHash>
#include <QTextStream>

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace {
// The entries a check expects, and where each is kept: the numbers from First to End
// (excluded) that Shard holds, one place each, so that a shard's check needs room for its own.
class TExpectedEntries final
{
public:
    TExpectedEntries(qint64 first, qint64 count, TBatchShard shard)
        : FShard(shard), FEnd(first + count),
          FFirstHeld(first + ((shard.Index - first % shard.Count) + shard.Count) % shard.Count),
          FCount(shard.CountOf(first, count))
    {}
    qint64 Count() const { return FCount; }
    std::optional<qint64> PlaceOf(qint64 entry) const
    {
        if (entry < FFirstHeld || entry >= FEnd || !FShard.Contains(entry))
            return std::nullopt;
        return (entry - FFirstHeld) / FShard.Count;
    }
    qint64 EntryAt(qint64 place) const { return FFirstHeld + place * FShard.Count; }

private:
    TBatchShard FShard;
    qint64 FEnd;
    qint64 FFirstHeld;
    qint64 FCount;
};

// What the manifests say of one entry. A file is known by a hash of its name: the names of
// tens of millions of entries need not be held to tell a second file from the first.
struct TEntrySeen
{
    std::size_t FileKey = 0;
    quint8 Files = 0; // distinct files recorded, counted up to 2
    bool Failed = false;
};

// The file a record names, compared with what the record says of it; empty when it matches.
QString FileProblem(const QString& folder, const TManifestRecord& record)
{
    if (record.File.isEmpty())
        return QStringLiteral("the manifest records no file (%1)").arg(record.Error);
    const TFileDigest digest = DigestOfFile(QDir(folder).filePath(record.File));
    if (!digest.Error.isEmpty())
        return QStringLiteral("\"%1\" cannot be read: %2").arg(record.File, digest.Error);
    if (digest.Bytes != record.Bytes)
        return QStringLiteral("\"%1\" has %2 bytes, the manifest records %3")
            .arg(record.File)
            .arg(digest.Bytes)
            .arg(record.Bytes);
    if (digest.Sha256 != record.Sha256)
        return QStringLiteral("\"%1\" differs from the SHA-256 the manifest records")
            .arg(record.File);
    return {};
}

// Goes through every record of every manifest; false, with the reason on `errors`, when one
// cannot be opened.
template <typename TVisit>
bool ReadAll(const QStringList& paths, QTextStream& errors, bool warn, TVisit visit)
{
    for (const QString& path : paths) {
        TManifestReader reader(path);
        if (!reader.Open()) {
            errors << reader.ErrorText() << Qt::endl;
            return false;
        }
        for (TManifestRecord record; reader.Next(record);)
            if (!visit(path, record))
                return false;
        if (warn)
            for (const QString& problem : reader.Problems())
                errors << "warning: " << problem << Qt::endl;
    }
    return true;
}
} // namespace

int CheckManifests(const TBatchSettings& settings, QTextStream& out, QTextStream& errors)
{
    // The input's line of each expected entry, when the input is given.
    std::vector<qsizetype> lines;
    qint64 count = settings.ExpectedCount;
    if (!settings.InputPath.isEmpty()) {
        try {
            TBatchInputReader reader(settings, [](qint64) { return false; });
            reader.Check([&](qint64 position, qsizetype line) {
                if (settings.Shard.Contains(settings.FirstNumber + position - 1))
                    lines.push_back(line);
            });
            count = reader.Count();
        } catch (const EZintException& error) {
            errors << QString::fromUtf8(error.what()) << Qt::endl;
            return 2;
        }
    }
    const TExpectedEntries expected(settings.FirstNumber, count, settings.Shard);
    std::vector<TEntrySeen> seen(std::size_t(expected.Count()));
    std::map<qint64, QString> failures;     // the last error of entries that failed
    std::map<qint64, QString> fileProblems; // with an output folder
    std::map<qint64, QStringList> duplicates;
    qint64 ignored = 0;
    const bool ok =
        ReadAll(settings.CheckedManifests, errors, true,
                [&](const QString& path, const TManifestRecord& record) {
                    const std::optional<qint64> place = expected.PlaceOf(record.Entry);
                    if (!place) {
                        ++ignored;
                        return true;
                    }
                    if (!lines.empty() && lines[std::size_t(*place)] != record.Line) {
                        errors << ManifestMismatchText(path, settings.InputPath, record.Entry,
                                                       record.Line, lines[std::size_t(*place)])
                               << Qt::endl;
                        return false;
                    }
                    TEntrySeen& entry = seen[std::size_t(*place)];
                    if (!EntryStateHasFile(record.State)) {
                        entry.Failed = true;
                        failures[record.Entry] = record.Error;
                        return true;
                    }
                    const std::size_t key = qHash(record.File, 0);
                    if (entry.Files == 0) {
                        entry.Files = 1;
                        entry.FileKey = key;
                        if (!settings.OutputFolder.isEmpty())
                            if (const QString problem = FileProblem(settings.OutputFolder, record);
                                !problem.isEmpty())
                                fileProblems[record.Entry] = problem;
                    } else if (entry.FileKey != key) {
                        entry.Files = 2;
                        duplicates[record.Entry];
                    }
                    return true;
                });
    if (!ok)
        return 2;
    // The names of the few entries written twice, read again.
    if (!duplicates.empty())
        ReadAll(settings.CheckedManifests, errors, false,
                [&](const QString&, const TManifestRecord& record) {
                    const auto found = duplicates.find(record.Entry);
                    if (found != duplicates.end() && EntryStateHasFile(record.State) &&
                        !found->second.contains(record.File))
                        found->second << record.File;
                    return true;
                });

    qint64 missing = 0;
    qint64 failed = 0;
    const QString shardNote = settings.Shard.Count > 1 ? QStringLiteral(" (those of shard %1/%2)")
                                                             .arg(settings.Shard.Index)
                                                             .arg(settings.Shard.Count)
                                                       : QString();
    const auto tellMissing = [&](qint64 from, qint64 to) {
        if (from == to)
            out << QStringLiteral("entry %1: missing\n").arg(expected.EntryAt(from));
        else
            out << QStringLiteral("entries %1 to %2%3: missing\n")
                       .arg(expected.EntryAt(from))
                       .arg(expected.EntryAt(to))
                       .arg(shardNote);
    };
    qint64 missingFrom = -1;
    for (qint64 place = 0; place <= expected.Count(); ++place) {
        const bool isMissing = place < expected.Count() && seen[std::size_t(place)].Files == 0 &&
                               !seen[std::size_t(place)].Failed;
        if (isMissing) {
            ++missing;
            if (missingFrom < 0)
                missingFrom = place;
            continue;
        }
        if (missingFrom >= 0)
            tellMissing(std::exchange(missingFrom, -1), place - 1);
        if (place == expected.Count())
            break;
        const qint64 number = expected.EntryAt(place);
        const TEntrySeen& entry = seen[std::size_t(place)];
        if (entry.Files == 0) {
            ++failed;
            out << QStringLiteral("entry %1: failed: %2\n").arg(number).arg(failures[number]);
        } else if (entry.Files > 1) {
            const QStringList& names = duplicates[number];
            out << QStringLiteral("entry %1: written as %2 files: \"%3\"\n")
                       .arg(number)
                       .arg(names.size())
                       .arg(names.join(QStringLiteral("\", \"")));
        }
        if (const auto problem = fileProblems.find(number); problem != fileProblems.end())
            out << QStringLiteral("entry %1: %2\n").arg(number).arg(problem->second);
    }
    const qint64 duplicated = qint64(duplicates.size());
    qint64 wrongFiles = 0;
    for (const auto& [number, problem] : fileProblems)
        wrongFiles += !duplicates.count(number);
    const qint64 complete = expected.Count() - missing - failed - duplicated - wrongFiles;
    out << QStringLiteral("entries %1: complete %2, missing %3, written more than once %4, "
                          "failed %5, files unlike their record %6")
               .arg(expected.Count())
               .arg(complete)
               .arg(missing)
               .arg(duplicated)
               .arg(failed)
               .arg(fileProblems.size());
    if (ignored > 0)
        out << QStringLiteral("; %1 records of other entries ignored").arg(ignored);
    out << Qt::endl;
    return complete == expected.Count() ? 0 : 1;
}
