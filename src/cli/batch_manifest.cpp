#include "cli/batch_manifest.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<TEntryState, const char*>, 7> StatusNames = {{
    {TEntryState::esWritten, "written"},
    {TEntryState::esVerified, "verified"},
    {TEntryState::esNotVerifiable, "not verifiable"},
    {TEntryState::esUnconfirmed, "unconfirmed"},
    {TEntryState::esFailed, "failed"},
    {TEntryState::esNotWritten, "not written"},
    {TEntryState::esKept, "kept"},
}};
} // namespace

QString ManifestStatusName(TEntryState state)
{
    for (const auto& [known, name] : StatusNames)
        if (known == state)
            return QString::fromLatin1(name);
    return {};
}

std::optional<TEntryState> ManifestStatusState(const QString& name)
{
    for (const auto& [state, known] : StatusNames)
        if (name == QLatin1String(known))
            return state;
    return std::nullopt;
}

bool EntryStateHasFile(TEntryState state)
{
    return state != TEntryState::esFailed && state != TEntryState::esNotWritten;
}

TFileDigest DigestOfFile(const QString& path)
{
    QFile file(path);
    QCryptographicHash digest(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !digest.addData(&file))
        return {-1, {}, file.errorString()};
    return {file.size(), QString::fromLatin1(digest.result().toHex()), {}};
}

bool TBatchManifest::Open(const QString& path, const QString& folder)
{
    FFolder = QDir(folder).absolutePath();
    FFile.setFileName(path);
    return FFile.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

bool TBatchManifest::Record(qint64 number, qsizetype line, const TEntryOutcome& outcome)
{
    QJsonObject record{{QStringLiteral("entry"), number},
                       {QStringLiteral("line"), line},
                       {QStringLiteral("status"), ManifestStatusName(outcome.State)}};
    if (EntryStateHasFile(outcome.State)) {
        const TFileDigest digest = DigestOfFile(outcome.Written);
        if (!digest.Error.isEmpty()) {
            record.insert(QStringLiteral("error"), digest.Error);
        } else {
            // Relative to the folder, so that names in subfolders say where they are.
            record.insert(
                QStringLiteral("file"),
                QDir(FFolder).relativeFilePath(QFileInfo(outcome.Written).absoluteFilePath()));
            record.insert(QStringLiteral("bytes"), digest.Bytes);
            record.insert(QStringLiteral("sha256"), digest.Sha256);
        }
    } else {
        record.insert(QStringLiteral("error"), outcome.Error);
    }
    // One write per line: appends of several runs into one file do not interleave within it.
    const QByteArray text = QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n';
    return FFile.write(text) == text.size();
}
