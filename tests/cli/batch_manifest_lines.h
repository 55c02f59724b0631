#pragma once

// Reads back the JSON lines of a run's manifest.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <vector>

// Every line of the manifest, each a JSON object.
inline std::vector<QJsonObject> ManifestRecords(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<QJsonObject> records;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty())
            continue;
        const QJsonDocument document = QJsonDocument::fromJson(line);
        EXPECT_TRUE(document.isObject()) << line.toStdString();
        records.push_back(document.object());
    }
    return records;
}

// Whether the file a record names in `folder` has the size and SHA-256 it records.
inline bool RecordMatchesItsFile(const QJsonObject& record, const QString& folder)
{
    QFile file(QDir(folder).filePath(record.value(QStringLiteral("file")).toString()));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    return record.value(QStringLiteral("bytes")).toInteger() == bytes.size() &&
           record.value(QStringLiteral("sha256")).toString() ==
               QString::fromLatin1(
                   QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}
