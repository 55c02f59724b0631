#pragma once

// Runs the real lintaro-batch against temporary folders and reads back what it wrote.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include "support/barcode_decoder.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

struct TRun
{
    int ExitCode = -1;
    QByteArray Output;
    QString Errors;
};

// Every run draws a quiet zone and centres the symbol, as a label is printed to be scanned:
// the readers search outwards from the middle.
inline const QStringList QuietZone = {QStringLiteral("--whitespace"), QStringLiteral("10m"),
                                      QStringLiteral("--halign"),     QStringLiteral("center"),
                                      QStringLiteral("--valign"),     QStringLiteral("center")};

// Every entry of a folder and its subfolders by its path inside the folder, hidden ones and
// folders included, with the contents of the files.
inline QMap<QString, QByteArray> FolderContents(const QString& folder)
{
    QMap<QString, QByteArray> contents;
    const QDir root(folder);
    for (QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        contents.insert(root.relativeFilePath(path), ReadWholeFile(path));
    }
    return contents;
}

// The names of both sides, then the bytes of each name.
inline void ExpectSameFiles(const QMap<QString, QByteArray>& expected,
                            const QMap<QString, QByteArray>& actual)
{
    ASSERT_EQ(expected.keys(), actual.keys());
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_TRUE(actual.value(it.key()) == it.value()) << it.key().toStdString();
}

class BatchTool : public testing::Test
{
protected:
    // Runs the tool, or `program` when the tool runs under another (it is then an argument).
    TRun Run(const QStringList& arguments, const QByteArray& standardInput = {},
             const QString& program = QStringLiteral(LINTARO_BATCH_EXECUTABLE)) const
    {
        QProcess process;
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForStarted()) << process.errorString().toStdString();
        process.write(standardInput);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(120000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        TRun run{process.exitCode(), process.readAllStandardOutput(),
                 QString::fromUtf8(process.readAllStandardError())};
        // A sanitizer report in the tool would otherwise pass as an expected failure.
        EXPECT_FALSE(run.Errors.contains(QStringLiteral("Sanitizer")) ||
                     run.Errors.contains(QStringLiteral("runtime error")))
            << run.Errors.toStdString();
        return run;
    }

    // Writes the input file and returns its path.
    QString WriteInput(const QByteArray& input) const
    {
        const QString path = FDir.filePath(QStringLiteral("input.txt"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(input);
        return path;
    }

    // Writes the input file and runs the tool on it into `folder` (Out() by default).
    TRun Export(const QByteArray& input, const QStringList& options, QString folder = {}) const
    {
        const QString path = WriteInput(input);
        return Run(QStringList{QStringLiteral("-o"), folder.isEmpty() ? Out() : folder, path} +
                   QuietZone + options);
    }

    QString Out() const { return FDir.filePath(QStringLiteral("out")); }
    QString OutFile(const QString& name) const { return QDir(Out()).filePath(name); }
    QStringList Files() const { return QDir(Out()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir FDir;
};
