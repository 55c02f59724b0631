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
            .arg(record.File, QString::number(digest.Bytes), QString::number(record.Bytes));
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

// What the manifests say of the expected entries.
struct TFindings
{
    std::vector<TEntrySeen> Seen;             // by place
    std::map<qint64, QString> Failures;       // the last error of entries that failed
    std::map<qint64, QString> FileProblems;   // with an output folder
    std::map<qint64, QStringList> Duplicates; // the files of entries written more than once
    qint64 Ignored = 0;                       // records of entries not expected
};

// `lines`: the input's line of each expected entry; empty without the input.
std::optional<TFindings> ReadFindings(const TBatchSettings& settings,
                                      const TExpectedEntries& expected,
                                      const std::vector<qsizetype>& lines, QTextStream& errors)
{
    TFindings found;
    found.Seen.resize(std::size_t(expected.Count()));
    const bool read =
        ReadAll(settings.CheckedManifests, errors, true,
                [&](const QString& path, const TManifestRecord& record) {
                    const std::optional<qint64> place = expected.PlaceOf(record.Entry);
                    if (!place) {
                        ++found.Ignored;
                        return true;
                    }
                    if (!lines.empty() && lines[std::size_t(*place)] != record.Line) {
                        errors << ManifestMismatchText(path, settings.InputPath, record.Entry,
                                                       record.Line, lines[std::size_t(*place)])
                               << Qt::endl;
                        return false;
                    }
                    TEntrySeen& entry = found.Seen[std::size_t(*place)];
                    if (!EntryStateHasFile(record.State)) {
                        entry.Failed = true;
                        found.Failures[record.Entry] = record.Error;
                        return true;
                    }
                    const std::size_t key = qHash(record.File, 0);
                    if (entry.Files == 0) {
                        entry.Files = 1;
                        entry.FileKey = key;
                        const QString problem = settings.OutputFolder.isEmpty()
                                                    ? QString()
                                                    : FileProblem(settings.OutputFolder, record);
                        if (!problem.isEmpty())
                            found.FileProblems[record.Entry] = problem;
                    } else if (entry.FileKey != key) {
                        entry.Files = 2;
                        found.Duplicates[record.Entry];
                    }
                    return true;
                });
    if (!read)
        return std::nullopt;
    // The names of the few entries written twice, read again.
    if (!found.Duplicates.empty())
        ReadAll(settings.CheckedManifests, errors, false,
                [&](const QString&, const TManifestRecord& record) {
                    const auto names = found.Duplicates.find(record.Entry);
                    if (names != found.Duplicates.end() && EntryStateHasFile(record.State) &&
                        !names->second.contains(record.File))
                        names->second << record.File;
                    return true;
                });
    return found;
}

// Tells every problem in entry order, then the summary; whether every entry is complete.
bool ReportFindings(const TBatchSettings& settings, const TExpectedEntries& expected,
                    TFindings& found, QTextStream& out)
{
    const QString shardNote = settings.Shard.Count > 1 ? QStringLiteral(" (those of shard %1/%2)")
                                                             .arg(settings.Shard.Index)
                                                             .arg(settings.Shard.Count)
                                                       : QString();
    qint64 missing = 0;
    qint64 failed = 0;
    qint64 missingFrom = -1;
    const auto tellMissing = [&](qint64 to) {
        const qint64 from = std::exchange(missingFrom, -1);
        if (from == to)
            out << QStringLiteral("entry %1: missing\n").arg(expected.EntryAt(from));
        else
            out << QStringLiteral("entries %1 to %2%3: missing\n")
                       .arg(QString::number(expected.EntryAt(from)),
                            QString::number(expected.EntryAt(to)), shardNote);
    };
    for (qint64 place = 0; place < expected.Count(); ++place) {
        const TEntrySeen& entry = found.Seen[std::size_t(place)];
        if (entry.Files == 0 && !entry.Failed) {
            ++missing;
            if (missingFrom < 0)
                missingFrom = place;
            continue;
        }
        if (missingFrom >= 0)
            tellMissing(place - 1);
        const QString number = QString::number(expected.EntryAt(place));
        if (entry.Files == 0) {
            ++failed;
            out << QStringLiteral("entry %1: failed: %2\n")
                       .arg(number, found.Failures[expected.EntryAt(place)]);
        } else if (entry.Files > 1) {
            const QStringList& names = found.Duplicates[expected.EntryAt(place)];
            out << QStringLiteral("entry %1: written as %2 files: \"%3\"\n")
                       .arg(number, QString::number(names.size()),
                            names.join(QStringLiteral("\", \"")));
        }
        const auto problem = found.FileProblems.find(expected.EntryAt(place));
        if (problem != found.FileProblems.end())
            out << QStringLiteral("entry %1: %2\n").arg(number, problem->second);
    }
    if (missingFrom >= 0)
        tellMissing(expected.Count() - 1);
    qint64 wrongFiles = 0;
    for (const auto& [entry, problem] : found.FileProblems)
        wrongFiles += !found.Duplicates.count(entry);
    const qint64 duplicated = qint64(found.Duplicates.size());
    const qint64 complete = expected.Count() - missing - failed - duplicated - wrongFiles;
    out << QStringLiteral("entries %1: complete %2, missing %3, written more than once %4, "
                          "failed %5, files unlike their record %6")
               .arg(expected.Count())
               .arg(complete)
               .arg(missing)
               .arg(duplicated)
               .arg(failed)
               .arg(found.FileProblems.size());
    if (found.Ignored > 0)
        out << QStringLiteral("; %1 records of other entries ignored").arg(found.Ignored);
    out << Qt::endl;
    return complete == expected.Count();
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
    std::optional<TFindings> found = ReadFindings(settings, expected, lines, errors);
    if (!found)
        return 2;
    return ReportFindings(settings, expected, *found, out) ? 0 : 1;
}
