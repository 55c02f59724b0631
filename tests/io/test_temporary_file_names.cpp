#include "io/qt_printers.h"
#include "io/temporary_file_names.h"
#include "support/temporary_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Creates the file `name` in the folder, empty.
void Create(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    ASSERT_GE(fd, 0) << path.toStdString();
    ::close(fd);
}

// The name of a temporary that a process now gone created, as a killed run leaves it.
QString LeftByAProcessNowGone(const QString& folder)
{
    int pipeEnds[2];
    EXPECT_EQ(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        const QByteArray name = NewTemporaryFileName(folder + u'/');
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        const bool told = fd >= 0 && ::write(pipeEnds[1], name.constData(),
                                             std::size_t(name.size())) == name.size();
        ::_exit(told ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    char name[4096] = {};
    EXPECT_GT(::read(pipeEnds[0], name, sizeof name - 1), 0);
    ::close(pipeEnds[0]);
    return QFileInfo(QFile::decodeName(name)).fileName();
}

void MakeOld(const QString& path)
{
    const std::time_t old = std::time(nullptr) - StaleTemporaryAgeSeconds - 60;
    const timespec times[2] = {{old, 0}, {old, 0}};
    ASSERT_EQ(
        ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW), 0);
}

} // namespace

TEST(TemporaryFileNames, NamesAreHiddenFreshAndTellTheirProcess)
{
    const QByteArray first = NewTemporaryFileName(QStringLiteral("out/"));
    EXPECT_TRUE(first.startsWith("out/.lintaro-" + QByteArray::number(::getpid()) + '-'))
        << first.toStdString();
    EXPECT_TRUE(first.endsWith(".tmp"));
    EXPECT_TRUE(first.contains('@'));
    EXPECT_NE(NewTemporaryFileName(QStringLiteral("out/")), first);
}

// Only what a killed run of this program left is removed: never a file of a live process,
// nor anything a user named alike.
TEST(TemporaryFileNames, StaleTemporariesAloneAreRemoved)
{
    const TTemporaryFolder dir;
    const QString gone = LeftByAProcessNowGone(dir.Path());
    ASSERT_FALSE(gone.isEmpty());
    const QByteArray own = NewTemporaryFileName(dir.Path() + u'/');
    Create(own);
    const QString otherHost = QStringLiteral(".lintaro-1-abc@elsewhere.example.tmp");
    const QString oldOtherHost = QStringLiteral(".lintaro-1-abd@elsewhere.example.tmp");
    dir.Write(otherHost, "x");
    MakeOld(dir.Write(oldOtherHost, "x"));
    // Named alike, but not files of ours.
    const QStringList users = {QStringLiteral(".lintaro-notes.tmp"),
                               QStringLiteral("lintaro-1-abe@elsewhere.example.tmp"),
                               QStringLiteral(".lintaro-1-abf@elsewhere.example.tmp.png"),
                               QStringLiteral(".lintaro--abg@elsewhere.example.tmp")};
    for (const QString& name : users)
        MakeOld(dir.Write(name, "user"));
    // A link and a folder under the names of stale temporaries.
    const QString link = QStringLiteral(".lintaro-1-abh@elsewhere.example.tmp");
    ASSERT_TRUE(QFile::link(dir.FilePath(users.first()), dir.FilePath(link)));
    MakeOld(dir.FilePath(link));
    const QString folder = gone.left(gone.size() - 4) + QStringLiteral("0.tmp");
    ASSERT_TRUE(QDir(dir.Path()).mkdir(folder));

    EXPECT_EQ(RemoveStaleTemporaryFiles(dir.Path()), 2);
    QStringList expected = users;
    expected << QFileInfo(QFile::decodeName(own)).fileName() << otherHost << link << folder;
    expected.sort();
    EXPECT_EQ(dir.Entries(), expected);
    EXPECT_EQ(RemoveStaleTemporaryFiles(dir.FilePath(QStringLiteral("missing"))), 0);
}
