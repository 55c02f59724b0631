#include "support/temporary_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

TTemporaryFolder::TTemporaryFolder()
{
    EXPECT_TRUE(FDir.isValid()) << FDir.errorString().toStdString();
}

QString TTemporaryFolder::Write(const QString& name, const QByteArray& content) const
{
    const QString path = FilePath(name);
    EXPECT_TRUE(QDir().mkpath(QFileInfo(path).path())) << path.toStdString();
    WriteWholeFile(path, content);
    return path;
}

QStringList TTemporaryFolder::Files(const QString& subfolder) const
{
    return QDir(FilePath(subfolder)).entryList(QDir::Files, QDir::Name);
}

QStringList TTemporaryFolder::Entries() const
{
    return QDir(Path()).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray ReadWholeFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteWholeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    EXPECT_EQ(file.write(content), content.size()) << path.toStdString();
}
