#include "base/zint_exception.h"
#include "io/file_publisher.h"
#include "io/interrupt_cleanup.h"
#include "io/unique_file_name.h"
#include "refused_file_features.h"
#include "support/temporary_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <map>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string thrownMessage(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EZintException& error) {
        return error.what();
    }
    return "(nothing thrown)";
}

} // namespace

// Both ways of naming a new file; the second is what file systems without hard links get.
class FilePublisher : public testing::TestWithParam<TNewFileMethod>
{
protected:
    QString path(const QString& name) const { return FDir.FilePath(name); }
    QStringList entries() const { return FDir.Entries(); }

    TTemporaryFolder FDir;
};

INSTANTIATE_TEST_SUITE_P(Methods, FilePublisher,
                         testing::Values(TNewFileMethod::nfmLinkComplete,
                                         TNewFileMethod::nfmRenameNoReplace,
                                         TNewFileMethod::nfmRenameOverReservation),
                         [](const auto& info) {
                             return info.param == TNewFileMethod::nfmLinkComplete
                                        ? std::string("Link")
                                    : info.param == TNewFileMethod::nfmRenameNoReplace
                                        ? std::string("RenameNoReplace")
                                        : std::string("RenameOverReservation");
                         });

// A file, a folder and a link to nowhere all hold their names; the file goes to the next one.
TEST_P(FilePublisher, NamesTakenByAnythingAreSkippedAndKept)
{
    ASSERT_TRUE(QFile(path(QStringLiteral("1.png"))).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QDir(FDir.Path()).mkdir(QStringLiteral("1 (2).png")));
    const QString nowhere = path(QStringLiteral("nowhere.png"));
    ASSERT_EQ(::symlink(QFile::encodeName(nowhere).constData(),
                        QFile::encodeName(path(QStringLiteral("1 (3).png"))).constData()),
              0);

    const QByteArray contents(5000, 'c');
    EXPECT_EQ(
        PublishNewFile(contents, TNumberedFileName(path(QStringLiteral("1.png"))), 1, GetParam()),
        path(QStringLiteral("1 (4).png")));
    EXPECT_EQ(ReadWholeFile(path(QStringLiteral("1 (4).png"))), contents);
    EXPECT_TRUE(ReadWholeFile(path(QStringLiteral("1.png"))).isEmpty());
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("1 (2).png"), QStringLiteral("1 (3).png"),
                                      QStringLiteral("1 (4).png"), QStringLiteral("1.png")}));
}

// A last candidate bounds the series: when all names up to it are taken nothing is written,
// neither under a later name nor over a taken one.
TEST_P(FilePublisher, NoNameAfterTheLastCandidateIsTried)
{
    const TNumberedFileName names(path(QStringLiteral("1.png")));
    ASSERT_TRUE(QFile(path(QStringLiteral("1 (2).png"))).open(QIODevice::WriteOnly));
    EXPECT_EQ(PublishNewFile("new", names, 1, GetParam(), 1), path(QStringLiteral("1.png")));
    EXPECT_EQ(thrownMessage([&] { PublishNewFile("again", names, 1, GetParam(), 2); }),
              "The file \"" + path(QStringLiteral("1 (2).png")).toStdString() +
                  "\" exists already.");
    EXPECT_THROW(PublishNewFile("again", names, 2, GetParam(), 2), EFileExists);
    EXPECT_EQ(ReadWholeFile(path(QStringLiteral("1.png"))), QByteArray("new"));
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("1 (2).png"), QStringLiteral("1.png")}));
}

// Writers racing for the same names each get names of their own, and every file holds exactly
// what its writer wrote.
TEST_P(FilePublisher, ConcurrentWritersNeverShareOrTruncateAFile)
{
    constexpr int Writers = 4;
    constexpr int FilesEach = 40;
    const TNumberedFileName names(path(QStringLiteral("1.png")));
    std::map<QByteArray, int> expected;
    std::vector<std::thread> threads;
    for (int writer = 0; writer < Writers; ++writer) {
        for (int file = 0; file < FilesEach; ++file)
            expected[QByteArray(1000 + 97 * file, char('a' + writer))] = 0;
        threads.emplace_back([&, writer] {
            for (int file = 0; file < FilesEach; ++file)
                PublishNewFile(QByteArray(1000 + 97 * file, char('a' + writer)), names, 1,
                               GetParam());
        });
    }
    for (std::thread& thread : threads)
        thread.join();

    const QStringList written = entries();
    ASSERT_EQ(written.size(), Writers * FilesEach);
    for (const QString& name : written) {
        const auto found = expected.find(ReadWholeFile(path(name)));
        ASSERT_NE(found, expected.end()) << name.toStdString() << " holds what nobody wrote";
        ++found->second;
    }
    for (const auto& [contents, count] : expected)
        EXPECT_EQ(count, 1) << contents.size() << " bytes of '" << contents.front() << "'";
}

// A write cut short (by a file size limit, as by a full disk) leaves no file and no temporary.
TEST_P(FilePublisher, ShortWriteLeavesNothingBehind)
{
    const QString target = path(QStringLiteral("1.png"));
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous = {};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    rlimit tight = previous;
    tight.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &tight);
    const std::string message = thrownMessage(
        [&] { PublishNewFile(QByteArray(4000, 'x'), TNumberedFileName(target), 1, GetParam()); });
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(message, "Cannot create file \"" + target.toStdString() + "\". File too large");
    EXPECT_TRUE(entries().isEmpty()) << entries().join(u' ').toStdString();
}

TEST_P(FilePublisher, RemovedFolderIsReportedWithTheFileName)
{
    const QString folder = path(QStringLiteral("gone"));
    ASSERT_TRUE(QDir(FDir.Path()).mkdir(QStringLiteral("gone")));
    const QString target = folder + QStringLiteral("/1.png");
    EXPECT_EQ(PublishNewFile("first", TNumberedFileName(target), 1, GetParam()), target);
    ASSERT_TRUE(QDir(folder).removeRecursively());

    EXPECT_EQ(
        thrownMessage([&] { PublishNewFile("second", TNumberedFileName(target), 1, GetParam()); }),
        "Cannot create file \"" + target.toStdString() + "\". No such file or directory");
    EXPECT_TRUE(entries().isEmpty());
}

namespace {
// Runs `child` in a process of its own and answers the signal that ended it (0: none).
int endingSignal(const std::function<void()>& child, const std::function<void(pid_t)>& parent)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        child();
        ::_exit(0);
    }
    parent(pid);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}
} // namespace

// A name holds a published file unless it is missing or an empty reservation, which a killed
// publisher can leave and which is removed for the name to be written.
TEST(HoldsPublishedFile, OnlyACompleteFileCounts)
{
    const TTemporaryFolder dir;
    const QString complete = dir.Write(QStringLiteral("complete.png"), "x");
    const QString reservation = dir.Write(QStringLiteral("reservation.png"), "");
    EXPECT_TRUE(HoldsPublishedFile(complete));
    EXPECT_FALSE(HoldsPublishedFile(dir.FilePath(QStringLiteral("missing.png"))));
    EXPECT_FALSE(HoldsPublishedFile(reservation));
    EXPECT_FALSE(QFile::exists(reservation));
    ASSERT_TRUE(QDir(dir.Path()).mkdir(QStringLiteral("folder.png")));
    EXPECT_THROW(HoldsPublishedFile(dir.FilePath(QStringLiteral("folder.png"))), ECannotCreateFile);
    EXPECT_EQ(dir.Entries(),
              (QStringList{QStringLiteral("complete.png"), QStringLiteral("folder.png")}));
}

// The signals that end a run remove what is guarded, and only that, then end the process as
// they would have.
TEST(RemovedOnInterrupt, TheEndingSignalsRemoveGuardedFilesOnly)
{
    const TTemporaryFolder dir;
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signalNumber);
        const QString guarded = dir.FilePath(QStringLiteral("guarded"));
        const QString released = dir.FilePath(QStringLiteral("released"));
        const QString taken = dir.Write(QStringLiteral("taken"), "x");
        const int ended = endingSignal(
            [&] {
                {
                    const TRemovedOnInterrupt forgotten(QFile::encodeName(released), O_WRONLY);
                }
                const TRemovedOnInterrupt held(QFile::encodeName(guarded), O_WRONLY);
                // A name that was taken already is not this process's to remove.
                const TRemovedOnInterrupt refused(QFile::encodeName(taken), O_WRONLY);
                if (held.Fd() >= 0 && refused.Fd() < 0 && errno == EEXIST)
                    std::raise(signalNumber);
            },
            [](pid_t) {});
        EXPECT_EQ(ended, signalNumber);
        EXPECT_EQ(dir.Entries(),
                  (QStringList{QStringLiteral("released"), QStringLiteral("taken")}));
        QFile::remove(released);
        QFile::remove(taken);
    }
}

// Without hard links, Ctrl+C in the middle of a run leaves complete files only: no empty
// reservation under a final name, no temporary.
TEST(RemovedOnInterrupt, AnInterruptedRunLeavesCompleteFilesOnly)
{
    const TTemporaryFolder dir;
    const QByteArray contents(3000, 'c');
    const int ended = endingSignal(
        [&] {
            const TNumberedFileName names(dir.FilePath(QStringLiteral("1.png")));
            for (qint64 n = 1;; ++n)
                PublishNewFile(contents, names, n, TNewFileMethod::nfmRenameOverReservation);
        },
        [&](pid_t child) {
            // Interrupted once it is well under way, wherever it then is.
            for (int waited = 0; dir.Entries().size() < 300 && waited < 30000; ++waited)
                ::usleep(1000);
            ::kill(child, SIGINT);
        });
    EXPECT_EQ(ended, SIGINT);
    const QStringList left = dir.Entries();
    EXPECT_FALSE(left.isEmpty());
    for (const QString& name : left) {
        EXPECT_FALSE(name.startsWith(u'.')) << name.toStdString();
        EXPECT_EQ(ReadWholeFile(dir.FilePath(name)), contents) << name.toStdString();
    }
}

// Folders without unnamed files, hard links or a rename that refuses to replace still get
// complete files under free names, and keep no temporary: each missing feature leads to the
// next way of naming a file.
TEST(FilePublisherFallbacks, EveryMissingFeatureLeadsToACompleteFile)
{
    const struct
    {
        const char* Name;
        unsigned Refused;
    } cases[] = {
        {"no unnamed files", rffUnnamedFiles},
        {"no unnamed files, no hard links", rffUnnamedFiles | rffHardLinks},
        {"no unnamed files, no hard links, no refusing rename",
         rffUnnamedFiles | rffHardLinks | rffRenameNoReplace},
        {"no hard links", rffHardLinks},
        {"no hard links, no refusing rename", rffHardLinks | rffRenameNoReplace},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TTemporaryFolder dir;
        const QString taken = dir.Write(QStringLiteral("1.png"), "taken");
        const TNumberedFileName names(taken);
        const QByteArray contents(5000, 'c');
        QString written;
        bool unnamedRefused = false;
        const bool ran = RunWithRefusedFeatures(c.Refused, [&] {
            const int probe = ::open(QFile::encodeName(dir.Path()).constData(),
                                     O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
            unnamedRefused = probe < 0 && errno == EOPNOTSUPP;
            if (probe >= 0)
                ::close(probe);
            written = PublishNewFile(contents, names);
            PublishFileReplacing("replaced", taken);
        });
        if (!ran)
            GTEST_SKIP() << "this system cannot refuse calls to one thread";
        EXPECT_EQ(unnamedRefused, (c.Refused & rffUnnamedFiles) != 0);
        EXPECT_EQ(written, dir.FilePath(QStringLiteral("1 (2).png")));
        EXPECT_EQ(ReadWholeFile(written), contents);
        EXPECT_EQ(ReadWholeFile(taken), QByteArray("replaced"));
        EXPECT_EQ(dir.Entries(),
                  (QStringList{QStringLiteral("1 (2).png"), QStringLiteral("1.png")}));
    }
}
