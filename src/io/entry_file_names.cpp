#include "io/entry_file_names.h"

#include "base/zint_exception.h"
#include "io/safe_file_name.h"
#include "io/unique_file_name.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kPartBits = 16;

// FNV-1a over the UTF-16 units, then a strong final mix: the same on every machine, so that
// every part of a split run plans the same names.
quint64 fingerprint(const QString& name)
{
    quint64 hash = 14695981039346656037ULL;
    for (const QChar c : name) {
        hash ^= c.unicode();
        hash *= 1099511628211ULL;
    }
    hash ^= hash >> 33;
    hash *= 0xff51afd7ed558ccdULL;
    hash ^= hash >> 33;
    hash *= 0xc4ceb9fe1a85ec53ULL;
    hash ^= hash >> 33;
    return hash;
}

} // namespace

TEntryFileNames::TEntryFileNames(TNameTemplate nameTemplate, QString extension)
    : FTemplate(std::move(nameTemplate)), FExtension(std::move(extension)),
      FTaken(std::size_t(1) << kPartBits)
{}

bool TEntryFileNames::Take(const QString& name)
{
    const quint64 print = fingerprint(name);
    std::vector<quint64>& part = FTaken[print >> (64 - kPartBits)];
    const auto place = std::lower_bound(part.begin(), part.end(), print);
    if (place != part.end() && *place == print)
        return false;
    if (part.size() == part.capacity()) {
        // A quarter more at a time: vectors that double would hold a third of their room empty.
        std::vector<quint64> grown;
        grown.reserve(part.size() + part.size() / 4 + 4);
        grown.insert(grown.end(), part.begin(), place);
        grown.push_back(print);
        grown.insert(grown.end(), place, part.end());
        part = std::move(grown);
        return true;
    }
    part.insert(place, print);
    return true;
}

TEntryFileName TEntryFileNames::Next(const TNameFields& fields)
{
    TEntryFileName named;
    named.Name = SafeFileName(FTemplate.Expand(fields), FExtension);
    if (named.Name.isEmpty())
        named.Name = SafeFileName(QString::number(fields.Number), FExtension);
    named.Folder = FTemplate.FolderOf(fields.Number);
    const QString path = named.RelativePath();
    if (Take(path))
        return named;
    const TNumberedFileName series(path);
    const quint64 base = fingerprint(path);
    qint64 candidate = std::max<qint64>(FNextNumber.value(base, 2), 2);
    while (!Take(series.Candidate(candidate)))
        ++candidate;
    FNextNumber.insert(base, candidate + 1);
    named.FirstCandidate = candidate;
    return named;
}
