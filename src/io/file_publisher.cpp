#include "io/file_publisher.h"

#include "base/zint_exception.h"
#include "io/unique_file_name.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

[[noreturn]] void throwCannotCreate(const QString& path, int error)
{
    throw EZintException("Cannot create file \"" + path.toStdString() + "\". " +
                         std::strerror(error));
}

QByteArray nativeName(const QString& path)
{
    return QFile::encodeName(path);
}

// Writes everything and closes the descriptor; returns the error number, 0 on success.
int writeAllAndClose(int fd, const QByteArray& contents)
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
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

// A hidden, randomly named file beside the final one, so link() and rename() stay within
// one file system. Removes itself unless released.
class TTemporaryFile final
{
public:
    TTemporaryFile(const QString& finalPath, const QByteArray& contents)
    {
        const QString folder = finalPath.left(finalPath.lastIndexOf(u'/') + 1);
        int fd = -1;
        while (fd < 0) {
            const QString suffix = QString::number(QRandomGenerator::global()->generate64(), 36);
            FName =
                nativeName(folder + QStringLiteral(".lintaro-") + suffix + QStringLiteral(".tmp"));
            // 0666 lets the umask decide, as for any newly created file.
            fd = ::open(FName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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
    void Release() { FName.clear(); }

private:
    QByteArray FName;
};

// For file systems without hard links: create the name exclusively and write into it,
// removing it again when the write fails.
bool writeNewFileInPlace(const QByteArray& contents, const QString& path)
{
    const QByteArray name = nativeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST)
        return false;
    if (fd < 0)
        throwCannotCreate(path, errno);
    if (const int error = writeAllAndClose(fd, contents)) {
        ::unlink(name.constData());
        throwCannotCreate(path, error);
    }
    return true;
}

bool hardLinksUnsupported(int error)
{
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EMLINK;
}

} // namespace

void PublishFileReplacing(const QByteArray& contents, const QString& path)
{
    TTemporaryFile temporary(path, contents);
    if (::rename(temporary.Name(), nativeName(path).constData()) != 0)
        throwCannotCreate(path, errno);
    temporary.Release();
}

QString PublishNewFile(const QByteArray& contents, const TNumberedFileName& names)
{
    TTemporaryFile temporary(names.Candidate(1), contents);
    for (qint64 n = 1;; ++n) {
        const QString candidate = names.Candidate(n);
        // link() fails with EEXIST instead of replacing, and the name appears complete.
        if (::link(temporary.Name(), nativeName(candidate).constData()) == 0)
            return candidate;
        if (hardLinksUnsupported(errno))
            break;
        if (errno != EEXIST)
            throwCannotCreate(candidate, errno);
    }
    for (qint64 n = 1;; ++n) {
        const QString candidate = names.Candidate(n);
        if (writeNewFileInPlace(contents, candidate))
            return candidate;
    }
}
