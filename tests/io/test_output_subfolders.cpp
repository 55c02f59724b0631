#include "base/zint_exception.h"
#include "io/output_subfolders.h"
#include "io/qt_printers.h"
#include "io/temporary_file_names.h"
#include "support/temporary_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

std::string RefusalOf(TOutputSubfolders& subfolders, const QString& relative)
{
    try {
        subfolders.Prepare(relative);
    } catch (const ECannotCreateFile& error) {
        return error.what();
    }
    return "(nothing raised)";
}

} // namespace

TEST(OutputSubfolders, LevelsAreMadeInsideTheOutputFolder)
{
    const TTemporaryFolder dir;
    const QString root = dir.FilePath(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkpath(root));
    TOutputSubfolders subfolders(root, false);
    EXPECT_EQ(subfolders.Prepare({}), root);
    const QString made = subfolders.Prepare(QStringLiteral("000/123"));
    EXPECT_EQ(made, root + QStringLiteral("/000/123"));
    EXPECT_TRUE(QFileInfo(made).isDir());
    // Made already, by this run or another.
    EXPECT_EQ(subfolders.Prepare(QStringLiteral("000/123")), made);
    EXPECT_EQ(TOutputSubfolders(root, false).Prepare(QStringLiteral("000/124")),
              root + QStringLiteral("/000/124"));
}

// A link or a file planted under a level's name fails the entries of that folder; nothing is
// made or written where the link leads.
TEST(OutputSubfolders, NothingButAFolderOfItsOwnIsEntered)
{
    const TTemporaryFolder dir;
    const QString root = dir.FilePath(QStringLiteral("out"));
    const QString outside = dir.FilePath(QStringLiteral("outside"));
    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("/real")));
    ASSERT_TRUE(QDir().mkpath(outside));
    ASSERT_TRUE(QFile::link(outside, root + QStringLiteral("/00")));
    ASSERT_TRUE(QFile::link(root + QStringLiteral("/real"), root + QStringLiteral("/01")));
    ASSERT_TRUE(QFile::link(dir.FilePath(QStringLiteral("nowhere")), root + QStringLiteral("/02")));
    dir.Write(QStringLiteral("out/03"), "file");
    TOutputSubfolders subfolders(root, false);
    const std::string notAFolder = "Something other than a folder holds the name.";
    const std::string notInside = "It would not be inside the output folder.";
    const struct
    {
        const char* Relative;
        const char* Refused; // the level named in the message
        std::string Reason;
    } cases[] = {
        {"00", "00", notAFolder},        {"00/123", "00", notAFolder},   {"01/5", "01", notAFolder},
        {"02", "02", notAFolder},        {"03/1", "03", notAFolder},     {"..", "..", notInside},
        {"../outside", "..", notInside}, {"4/../..", "4/..", notInside}, {"/tmp", "", notInside},
        {"5//6", "5", notInside},        {".", ".", notInside},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Relative);
        EXPECT_EQ(RefusalOf(subfolders, QString::fromUtf8(c.Relative)),
                  "Cannot create folder \"" +
                      QDir(root).filePath(QString::fromUtf8(c.Refused)).toStdString() + "\". " +
                      c.Reason);
    }
    EXPECT_TRUE(QDir(outside).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_TRUE(QDir(root + QStringLiteral("/real")).isEmpty());
}

// Asked to, each folder's first use clears what killed runs left there; a later use does not
// look again.
TEST(OutputSubfolders, StaleTemporariesGoOnAFoldersFirstUse)
{
    const TTemporaryFolder dir;
    const QString root = dir.FilePath(QStringLiteral("out"));
    const QString stale = QStringLiteral("/.lintaro-1-abc@elsewhere.example.tmp");
    const std::time_t old = std::time(nullptr) - StaleTemporaryAgeSeconds - 60;
    const timespec times[2] = {{old, 0}, {old, 0}};
    for (const QString& folder : {QStringLiteral("out"), QStringLiteral("out/1/2")})
        ASSERT_EQ(::utimensat(AT_FDCWD,
                              QFile::encodeName(dir.Write(folder + stale, "x")).constData(), times,
                              0),
                  0);
    TOutputSubfolders keeping(root, false);
    keeping.Prepare(QStringLiteral("1/2"));
    keeping.Prepare({});
    EXPECT_TRUE(QFile::exists(root + stale));
    EXPECT_TRUE(QFile::exists(root + QStringLiteral("/1/2") + stale));

    TOutputSubfolders removing(root, true);
    removing.Prepare(QStringLiteral("1/2"));
    EXPECT_FALSE(QFile::exists(root + QStringLiteral("/1/2") + stale));
    EXPECT_TRUE(QFile::exists(root + stale)) << "a folder not used is not looked at";
    removing.Prepare({});
    EXPECT_FALSE(QFile::exists(root + stale));
}
