#include "io/file_publisher.h"

#include "base/zint_exception.h"
#include "io/interrupt_cleanup.h"
#include "io/temporary_file_names.h"
#include "io/unique_file_name.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void throwCannotCreate(const QString& path, int error)
{
    throw ECannotCreateFile("Cannot create file \"" + path.toStdString() + "\". " +
                            std::strerror(error));
}

[[noreturn]] void throwTaken(const QString& path)
{
    throw EFileExists("The file \"" + path.toStdString() + "\" exists already.");
}

QByteArray nativeName(const QString& path)
{
    return QFile::encodeName(path);
}

// Writes everything; returns the error number, 0 on success.
int writeAll(int fd, const QByteArray& contents)
{
    const char* data = contents.constData();
    qsizetype left = contents.size();
    int error = 0;
    while (left > 0 && error == 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            error = errno;
        else if (written == 0)
            error = ENOSPC;
        data += written > 0 ? written : 0;
        left -= written > 0 ? written : 0;
    }
    return error;
}

// Writes everything and closes the descriptor; returns the error number, 0 on success.
int writeAllAndClose(int fd, const QByteArray& contents)
{
    int error = writeAll(fd, contents);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

// A hidden file beside the final one, named as NewTemporaryFileName says, so link() and rename()
// stay within one file system. Removes itself unless released.
class TTemporaryFile final
{
public:
    TTemporaryFile(const QString& finalPath, const QByteArray& contents)
    {
        const QString folder = finalPath.left(finalPath.lastIndexOf(u'/') + 1);
        int fd = -1;
        while (fd < 0) {
            FName = NewTemporaryFileName(folder);
            FGuard.emplace(FName, O_WRONLY);
            fd = FGuard->Fd();
            if (fd < 0 && errno != EEXIST)
                throwCannotCreate(finalPath, errno);
        }
        if (const int error = writeAllAndClose(fd, contents)) {
            ::unlink(FName.constData());
            throwCannotCreate(finalPath, error);
        }
    }
    ~TTemporaryFile()
    {
        if (!FName.isEmpty())
            ::unlink(FName.constData());
    }
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;

    const char* Name() const { return FName.constData(); }
    void Release()
    {
        FGuard.reset();
        FName.clear();
    }

private:
    QByteArray FName;
    std::optional<TRemovedOnInterrupt> FGuard;
};

bool hardLinksUnsupported(int error)
{
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EMLINK;
}

// An unnamed file in the folder (O_TMPFILE): written completely before it gets its only
// name, and gone by itself if anything fails, with one folder update instead of three.
class TAnonymousFile final
{
public:
    // False when the file system has no unnamed files; the named temporary file is used then.
    bool Create(const QString& finalPath, const QByteArray& contents)
    {
        // Lets the tests take the path of file systems without unnamed files.
        static const bool unnamedRefused =
            qEnvironmentVariableIsSet("LINTARO_TEST_NO_UNNAMED_FILES");
        if (unnamedRefused)
            return false;
        const QString folder = finalPath.left(finalPath.lastIndexOf(u'/') + 1);
        FFd = ::open(nativeName(folder.isEmpty() ? QStringLiteral(".") : folder).constData(),
                     O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (FFd < 0)
            return false;
        if (const int error = writeAll(FFd, contents))
            throwCannotCreate(finalPath, error);
        return true;
    }
    ~TAnonymousFile()
    {
        if (FFd >= 0)
            ::close(FFd);
    }

    // 0 when linked, else the error number; EEXIST when the name is taken.
    int LinkAs(const QByteArray& name) const
    {
        if (::linkat(FFd, "", AT_FDCWD, name.constData(), AT_EMPTY_PATH) == 0)
            return 0;
        if (errno != ENOENT && errno != EPERM)
            return errno;
        // Without the capability for AT_EMPTY_PATH the descriptor is linked through /proc.
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(FFd);
        return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(),
                        AT_SYMLINK_FOLLOW) == 0
                   ? 0
                   : errno;
    }

private:
    int FFd = -1;
};

// Links under the first free candidate; link() fails with EEXIST instead of replacing, and
// the name appears complete. Nothing when the file system has no hard links.
template <typename TLink>
std::optional<QString> linkUnderFirstFreeName(const TNumberedFileName& names, qint64 first,
                                              qint64 last, TLink link)
{
    for (qint64 n = first;; ++n) {
        if (n > last)
            throwTaken(names.Candidate(last));
        const QString candidate = names.Candidate(n);
        const int error = link(nativeName(candidate));
        if (error == 0)
            return candidate;
        if (hardLinksUnsupported(error))
            return std::nullopt;
        if (error != EEXIST)
            throwCannotCreate(candidate, error);
    }
}

// Without hard links: rename() that refuses to replace puts the complete file under the first
// free name in one step. Where the file system cannot refuse (some network and FUSE file
// systems), the exclusive create decides who owns a name, and rename() then puts the complete
// file there; the empty reservation shows only for the moment between the two calls, and an
// interrupt then removes it.
QString renameOverFirstFreeName(TTemporaryFile& temporary, const TNumberedFileName& names,
                                qint64 first, qint64 last, bool reserve)
{
    for (qint64 n = first;; ++n) {
        if (n > last)
            throwTaken(names.Candidate(last));
        const QString candidate = names.Candidate(n);
        const QByteArray name = nativeName(candidate);
        if (!reserve) {
            if (::renameat2(AT_FDCWD, temporary.Name(), AT_FDCWD, name.constData(),
                            RENAME_NOREPLACE) == 0) {
                temporary.Release();
                return candidate;
            }
            if (errno == EEXIST)
                continue;
            if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
                throwCannotCreate(candidate, errno);
            reserve = true;
        }
        const TRemovedOnInterrupt reservation(name, O_WRONLY);
        const int fd = reservation.Fd();
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            throwCannotCreate(candidate, errno);
        ::close(fd);
        if (::rename(temporary.Name(), name.constData()) != 0) {
            const int error = errno;
            ::unlink(name.constData());
            throwCannotCreate(candidate, error);
        }
        temporary.Release();
        return candidate;
    }
}

} // namespace

bool HoldsPublishedFile(const QString& path)
{
    struct stat status = {};
    const QByteArray name = nativeName(path);
    if (::stat(name.constData(), &status) != 0) {
        if (errno == ENOENT)
            return false;
        throwCannotCreate(path, errno);
    }
    if (!S_ISREG(status.st_mode))
        throwCannotCreate(path, EEXIST);
    if (status.st_size > 0)
        return true;
    if (::unlink(name.constData()) != 0 && errno != ENOENT)
        throwCannotCreate(path, errno);
    return false;
}

void PublishFileReplacing(const QByteArray& contents, const QString& path)
{
    TTemporaryFile temporary(path, contents);
    if (::rename(temporary.Name(), nativeName(path).constData()) != 0)
        throwCannotCreate(path, errno);
    temporary.Release();
}

QString PublishNewFile(const QByteArray& contents, const TNumberedFileName& names,
                       qint64 firstCandidate, TNewFileMethod method, qint64 lastCandidate)
{
    bool linksWork = method == TNewFileMethod::nfmLinkComplete;
    if (linksWork) {
        TAnonymousFile anonymous;
        if (anonymous.Create(names.Candidate(1), contents)) {
            const std::optional<QString> linked = linkUnderFirstFreeName(
                names, firstCandidate, lastCandidate,
                [&](const QByteArray& name) { return anonymous.LinkAs(name); });
            if (linked)
                return *linked;
            linksWork = false;
        }
    }
    TTemporaryFile temporary(names.Candidate(1), contents);
    if (linksWork) {
        const std::optional<QString> linked = linkUnderFirstFreeName(
            names, firstCandidate, lastCandidate, [&](const QByteArray& name) {
                return ::link(temporary.Name(), name.constData()) == 0 ? 0 : errno;
            });
        if (linked)
            return *linked;
    }
    return renameOverFirstFreeName(temporary, names, firstCandidate, lastCandidate,
                                   method == TNewFileMethod::nfmRenameOverReservation);
}
