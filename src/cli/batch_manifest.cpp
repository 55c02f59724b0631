#include "cli/batch_manifest.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString StatusName(TEntryState state)
{
    switch (state) {
    case TEntryState::esWritten:
        return QStringLiteral("written");
    case TEntryState::esVerified:
        return QStringLiteral("verified");
    case TEntryState::esNotVerifiable:
        return QStringLiteral("not verifiable");
    case TEntryState::esUnconfirmed:
        return QStringLiteral("unconfirmed");
    case TEntryState::esFailed:
        return QStringLiteral("failed");
    case TEntryState::esNotWritten:
        return QStringLiteral("not written");
    case TEntryState::esKept:
        return QStringLiteral("kept");
    }
    return {};
}

bool HasFile(TEntryState state)
{
    return state != TEntryState::esFailed && state != TEntryState::esNotWritten;
}

} // namespace

bool TBatchManifest::Open(const QString& path, const QString& outputFolder)
{
    FOutputFolder = outputFolder;
    FFile.setFileName(path);
    return FFile.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

bool TBatchManifest::Record(qint64 number, qsizetype line, const TEntryOutcome& outcome)
{
    QJsonObject record{{QStringLiteral("entry"), number},
                       {QStringLiteral("line"), line},
                       {QStringLiteral("status"), StatusName(outcome.State)}};
    if (HasFile(outcome.State)) {
        QFile written(outcome.Written);
        QCryptographicHash digest(QCryptographicHash::Sha256);
        if (!written.open(QIODevice::ReadOnly) || !digest.addData(&written)) {
            record.insert(QStringLiteral("error"), written.errorString());
        } else {
            record.insert(QStringLiteral("file"),
                          QDir(QDir(FOutputFolder).absolutePath())
                              .relativeFilePath(QFileInfo(outcome.Written).absoluteFilePath()));
            record.insert(QStringLiteral("bytes"), written.size());
            record.insert(QStringLiteral("sha256"), QString::fromLatin1(digest.result().toHex()));
        }
    } else {
        record.insert(QStringLiteral("error"), outcome.Error);
    }
    // One write per line: appends of several runs into one file do not interleave within it.
    const QByteArray text = QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n';
    return FFile.write(text) == text.size();
}
