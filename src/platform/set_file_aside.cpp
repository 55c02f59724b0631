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
        const QString candidate =
            path + QStringLiteral(".bad") + (n == 1 ? QString() : u'.' + QString::number(n));
        const int error = moveWithoutReplacing(from, QFile::encodeName(candidate));
        if (error == 0)
            return {candidate, {}};
        if (error != EEXIST)
            return {{}, QString::fromUtf8(std::strerror(error))};
    }
    return {{}, QString::fromUtf8(std::strerror(EEXIST))};
}
