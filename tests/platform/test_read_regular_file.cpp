#include "platform/read_regular_file.h"
#include "support/temporary_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QString link(const TTemporaryFolder& dir, const QString& name, const QString& target)
{
    const QString path = dir.FilePath(name);
    EXPECT_TRUE(QFile::link(target, path));
    return path;
}

} // namespace

TEST(ReadRegularFile, ReadsRegularFilesUpToTheCapWhole)
{
    TTemporaryFolder dir;
    for (const QByteArray& contents :
         {QByteArray(), QByteArray("[Main]\n"), QByteArray(kSelfOpenedFileSizeCap, 'x')}) {
        const TRegularFileRead read = ReadRegularFile(dir.Write(QStringLiteral("file"), contents));
        EXPECT_EQ(read.State, TRegularFileState::rfsRead) << read.Reason.toStdString();
        EXPECT_EQ(read.Bytes, contents);
    }
    const TRegularFileRead throughLink = ReadRegularFile(
        link(dir, QStringLiteral("link"), dir.Write(QStringLiteral("target"), "linked")));
    EXPECT_EQ(throughLink.Bytes, "linked");
}

// Nothing here may block or read without end: a FIFO without a writer, an endless device, a
// file over the cap. Each is refused with its reason and no bytes.
TEST(ReadRegularFile, RefusesWhatIsNoRegularFileOfTheAllowedSize)
{
    TTemporaryFolder dir;
    const QString fifo = dir.FilePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.Path()).mkdir(QStringLiteral("folder")));
    const struct
    {
        QString Path;
        TRegularFileState State;
        const char* Reason;
    } cases[] = {
        {fifo, TRegularFileState::rfsRefused, "Not a regular file"},
        {link(dir, QStringLiteral("zero"), QStringLiteral("/dev/zero")),
         TRegularFileState::rfsRefused, "Not a regular file"},
        {dir.Write(QStringLiteral("huge"), QByteArray(kSelfOpenedFileSizeCap + 1, 'x')),
         TRegularFileState::rfsRefused, "File too large (over 1 MiB)"},
        {dir.FilePath(QStringLiteral("folder")), TRegularFileState::rfsFolder, "Is a directory"},
        {dir.FilePath(QStringLiteral("missing")), TRegularFileState::rfsMissing,
         "No such file or directory"},
        {link(dir, QStringLiteral("dangling"), dir.FilePath(QStringLiteral("nowhere"))),
         TRegularFileState::rfsMissing, "No such file or directory"},
    };
    for (const auto& c : cases) {
        const TRegularFileRead read = ReadRegularFile(c.Path);
        EXPECT_EQ(read.State, c.State) << c.Path.toStdString();
        EXPECT_EQ(read.Reason, QString::fromUtf8(c.Reason)) << c.Path.toStdString();
        EXPECT_TRUE(read.Bytes.isEmpty()) << c.Path.toStdString();
    }
}
