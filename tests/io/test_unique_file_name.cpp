#include "io/qt_printers.h"
#include "io/unique_file_name.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(UniqueFileName, NumberIsInsertedBeforeTheExtension)
{
    const struct
    {
        const char* FPath;
        const char* FThird;
    } cases[] = {
        {"/f/1.png", "/f/1 (3).png"},       {"/f/code", "/f/code (3)"},
        {"/f/a.tar.gz", "/f/a.tar (3).gz"}, {"/f/.png", "/f/ (3).png"},
        {"/f.d/name", "/f.d/name (3)"},     {"rel.bmp", "rel (3).bmp"},
    };
    for (const auto& c : cases) {
        const TNumberedFileName name(QString::fromUtf8(c.FPath));
        EXPECT_EQ(name.Candidate(1), QString::fromUtf8(c.FPath));
        EXPECT_EQ(name.Candidate(3), QString::fromUtf8(c.FThird));
    }
}

TEST(UniqueFileName, SkipsExistingFilesOnly)
{
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return dir.filePath(QString::fromUtf8(name)); };
    EXPECT_EQ(UniqueFileName(path("1.png")), path("1.png"));
    for (const char* name : {"1.png", "1 (2).png", "2.png"}) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(UniqueFileName(path("1.png")), path("1 (3).png"));
    // A link to an existing file counts; a folder does not.
    ASSERT_TRUE(QFile::link(path("2.png"), path("1 (3).png")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("1 (4).png")));
    EXPECT_EQ(UniqueFileName(path("1.png")), path("1 (4).png"));
}
