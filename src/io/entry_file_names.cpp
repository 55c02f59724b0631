#include "io/entry_file_names.h"

#include "base/zint_exception.h"
#include "io/safe_file_name.h"
#include "io/unique_file_name.h"

#include <algorithm>
#include <utility>

TEntryFileNames::TEntryFileNames(TNameTemplate nameTemplate, QString extension)
    : FTemplate(std::move(nameTemplate)), FExtension(std::move(extension))
{}

void TEntryFileNames::Add(const TNameFields& fields)
{
    QString name;
    try {
        name = SafeFileName(FTemplate.Expand(fields), FExtension);
    } catch (const EZintException& error) {
        FEntries.push_back({{}, QString::fromUtf8(error.what())});
        return;
    }
    if (name.isEmpty())
        name = SafeFileName(QString::number(fields.Number), FExtension);
    const TNumberedFileName series(name);
    qint64& next = FNextNumber[name];
    qint64 candidate = std::max<qint64>(next, 1);
    QString given = series.Candidate(candidate);
    while (FTaken.contains(given))
        given = series.Candidate(++candidate);
    FTaken.insert(given);
    next = candidate + 1;
    FEntries.push_back({{name, candidate}, {}});
}

const TEntryFileName& TEntryFileNames::At(qsizetype index) const
{
    const TPlanned& planned = FEntries.at(std::size_t(index));
    if (!planned.Error.isEmpty())
        throw EZintException(planned.Error.toStdString());
    return planned.Name;
}
