#include "platform/set_file_aside.h"
#include "support/temporary_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

// Each bad file gets a name of its own; none set aside earlier is replaced.
TEST(SetFileAside, NumbersTheNameWhenEarlierFilesHoldIt)
{
    TTemporaryFolder dir;
    const QString path = dir.FilePath(QStringLiteral("settings.ini"));
    for (const char* contents : {"first", "second", "third"}) {
        WriteWholeFile(path, contents);
        EXPECT_FALSE(SetFileAside(path).NewPath.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(ReadWholeFile(path + QStringLiteral(".bad")), "first");
    EXPECT_EQ(ReadWholeFile(path + QStringLiteral(".bad.2")), "second");
    EXPECT_EQ(ReadWholeFile(path + QStringLiteral(".bad.3")), "third");
}

// A FIFO and a link move as they are: the link keeps pointing where it did, its target stays.
TEST(SetFileAside, MovesFifosAndLinksThemselvesButNoFolder)
{
    TTemporaryFolder dir;
    const QString fifo = dir.FilePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(SetFileAside(fifo).NewPath, fifo + QStringLiteral(".bad"));
    EXPECT_TRUE(QFileInfo(fifo + QStringLiteral(".bad")).exists());

    const QString link = dir.FilePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), link));
    EXPECT_EQ(SetFileAside(link).NewPath, link + QStringLiteral(".bad"));
    EXPECT_EQ(QFileInfo(link + QStringLiteral(".bad")).symLinkTarget(),
              QStringLiteral("/dev/zero"));

    const QString folder = dir.FilePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const TSetAside kept = SetFileAside(folder);
    EXPECT_TRUE(kept.NewPath.isEmpty());
    EXPECT_EQ(kept.Reason, QStringLiteral("Is a directory"));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(SetFileAside(dir.FilePath(QStringLiteral("missing"))).Reason,
              QStringLiteral("No such file or directory"));
}

// The copy takes the next free name of the same series and leaves the file where it is.
TEST(SetFileAside, ACopyKeepsTheBytesUnderTheNextFreeName)
{
    TTemporaryFolder dir;
    const QString path = dir.FilePath(QStringLiteral("Lintaro.conf"));
    const QByteArray bytes("Language=\xff\xfe\x80 kept\n");
    WriteWholeFile(path, bytes);
    WriteWholeFile(path + QStringLiteral(".bad"), "earlier");
    EXPECT_EQ(CopyFileAside(path, bytes).NewPath, path + QStringLiteral(".bad.2"));
    EXPECT_EQ(ReadWholeFile(path + QStringLiteral(".bad.2")), bytes);
    EXPECT_EQ(ReadWholeFile(path + QStringLiteral(".bad")), "earlier");
    EXPECT_EQ(ReadWholeFile(path), bytes);

    // A link planted under the next name is not written through.
    const QString target = dir.FilePath(QStringLiteral("target"));
    WriteWholeFile(target, "untouched");
    ASSERT_TRUE(QFile::link(target, path + QStringLiteral(".bad.3")));
    EXPECT_EQ(CopyFileAside(path, bytes).NewPath, path + QStringLiteral(".bad.4"));
    EXPECT_EQ(ReadWholeFile(target), "untouched");
}
