#include "cli/manifest_reader.h"

#include "cli/batch_manifest.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <optional>

namespace {
// A whole number of at least 1, or nothing.
std::optional<qint64> Positive(const QJsonObject& object, const QString& key)
{
    const QJsonValue value = object.value(key);
    if (!value.isDouble() || value.toDouble() != double(value.toInteger()) || value.toInteger() < 1)
        return std::nullopt;
    return value.toInteger();
}
} // namespace

TManifestReader::TManifestReader(const QString& path) : FFile(path) {}

bool TManifestReader::Open()
{
    return FFile.open(QIODevice::ReadOnly);
}

QString TManifestReader::ErrorText() const
{
    return QStringLiteral("Cannot read the manifest \"%1\": %2.")
        .arg(FFile.fileName(), FFile.errorString());
}

bool TManifestReader::Next(TManifestRecord& record)
{
    while (!FFile.atEnd()) {
        const QByteArray line = FFile.readLine().trimmed();
        ++FLineNumber;
        if (line.isEmpty())
            continue;
        const auto skip = [&](const QString& why) {
            FProblems << QStringLiteral("Manifest \"%1\", line %2: %3.")
                             .arg(FFile.fileName(), QString::number(FLineNumber), why);
        };
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        if (!document.isObject()) {
            skip(QStringLiteral("not a record (%1)").arg(error.errorString()));
            continue;
        }
        const QJsonObject object = document.object();
        const std::optional<qint64> entry = Positive(object, QStringLiteral("entry"));
        const std::optional<qint64> inputLine = Positive(object, QStringLiteral("line"));
        const std::optional<TEntryState> state =
            ManifestStatusState(object.value(QStringLiteral("status")).toString());
        if (!entry || !inputLine || !state) {
            skip(QStringLiteral("a record without a valid entry, line or status"));
            continue;
        }
        record = {*entry,
                  qsizetype(*inputLine),
                  *state,
                  object.value(QStringLiteral("file")).toString(),
                  object.value(QStringLiteral("bytes")).toInteger(-1),
                  object.value(QStringLiteral("sha256")).toString(),
                  object.value(QStringLiteral("error")).toString()};
        return true;
    }
    return false;
}

QString ManifestMismatchText(const QString& manifest, const QString& input, qint64 entry,
                             qsizetype recordedLine, qsizetype inputLine)
{
    return QStringLiteral("The manifest \"%1\" does not match the input \"%2\": it records entry "
                          "%3 on line %4, the input has it on line %5. Give the input, "
                          "--first-number and table options of the run that wrote it.")
        .arg(manifest, input, QString::number(entry), QString::number(recordedLine),
             QString::number(inputLine));
}
