#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A folder of the test's own, removed with everything in it when the test ends.
class TTemporaryFolder
{
public:
    TTemporaryFolder();

    QString Path() const { return FDir.path(); }
    // The path of `name` in the folder; `name` may hold subfolders.
    QString FilePath(const QString& name) const { return FDir.filePath(name); }
    // Writes the file, making the folders on the way, and returns its path.
    QString Write(const QString& name, const QByteArray& content) const;
    // The names of the files in the folder (or one of its subfolders), sorted.
    QStringList Files(const QString& subfolder = {}) const;
    // Every name in the folder, hidden ones and folders too, sorted: a temporary file left
    // behind shows here.
    QStringList Entries() const;

private:
    QTemporaryDir FDir;
};

// The whole file; empty when it cannot be read.
QByteArray ReadWholeFile(const QString& path);
// Creates or replaces the file with `content`; a failure fails the test.
void WriteWholeFile(const QString& path, const QByteArray& content);
