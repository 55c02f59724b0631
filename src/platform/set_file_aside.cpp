#include "platform/set_file_aside.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kMaxAttempts = 1000;

// rename() without replacing; file systems without RENAME_NOREPLACE get link() and unlink(),
// which refuse a taken name just as well.
int moveWithoutReplacing(const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    if (::link(from.constData(), to.constData()) != 0)
        return errno;
    return ::unlink(from.constData()) == 0 ? 0 : errno;
}

QString badName(const QString& path, int n)
{
    return path + QStringLiteral(".bad") + (n == 1 ? QString() : u'.' + QString::number(n));
}

// Writes all of `bytes` to a new file `fd`; 0 or the error number.
int writeAll(int fd, const QByteArray& bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count =
            ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return errno;
        written += count;
    }
    return 0;
}

} // namespace

TSetAside SetFileAside(const QString& path)
{
    const QByteArray from = QFile::encodeName(path);
    struct stat info = {};
    if (::lstat(from.constData(), &info) != 0)
        return {{}, QString::fromUtf8(std::strerror(errno))};
    if (S_ISDIR(info.st_mode))
        return {{}, QString::fromUtf8(std::strerror(EISDIR))};
    for (int n = 1; n <= kMaxAttempts; ++n) {
        const QString candidate = badName(path, n);
        const int error = moveWithoutReplacing(from, QFile::encodeName(candidate));
        if (error == 0)
            return {candidate, {}};
        if (error != EEXIST)
            return {{}, QString::fromUtf8(std::strerror(error))};
    }
    return {{}, QString::fromUtf8(std::strerror(EEXIST))};
}

TSetAside CopyFileAside(const QString& path, const QByteArray& bytes)
{
    for (int n = 1; n <= kMaxAttempts; ++n) {
        const QString candidate = badName(path, n);
        const int fd = ::open(QFile::encodeName(candidate).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return {{}, QString::fromUtf8(std::strerror(errno))};
        const int error = writeAll(fd, bytes);
        ::close(fd);
        if (error == 0)
            return {candidate, {}};
        ::unlink(QFile::encodeName(candidate).constData());
        return {{}, QString::fromUtf8(std::strerror(error))};
    }
    return {{}, QString::fromUtf8(std::strerror(EEXIST))};
}
