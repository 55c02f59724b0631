#include "platform/read_regular_file.h"

#include <QFile>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TRegularFileRead failed(TRegularFileState state, const QString& reason)
{
    return {state, {}, reason};
}

TRegularFileRead failedWithError(int error)
{
    return failed(error == ENOENT ? TRegularFileState::rfsMissing : TRegularFileState::rfsRefused,
                  QString::fromUtf8(std::strerror(error)));
}

TRegularFileRead readOpenFile(int fd)
{
    struct stat info = {};
    if (::fstat(fd, &info) != 0)
        return failedWithError(errno);
    if (S_ISDIR(info.st_mode))
        return failed(TRegularFileState::rfsFolder, QString::fromUtf8(std::strerror(EISDIR)));
    if (!S_ISREG(info.st_mode))
        return failed(TRegularFileState::rfsRefused, QStringLiteral("Not a regular file"));
    const QString tooLarge =
        QStringLiteral("File too large (over %1 MiB)").arg(kSelfOpenedFileSizeCap >> 20);
    if (info.st_size > kSelfOpenedFileSizeCap)
        return failed(TRegularFileState::rfsRefused, tooLarge);

    // The size is only a hint: the file may grow while it is read.
    QByteArray bytes;
    bytes.reserve(qsizetype(info.st_size) + 1);
    if (const int error = ReadToEnd(fd, bytes, kSelfOpenedFileSizeCap))
        return failedWithError(error);
    if (bytes.size() > kSelfOpenedFileSizeCap)
        return failed(TRegularFileState::rfsRefused, tooLarge);
    return {TRegularFileState::rfsRead, bytes, {}};
}

} // namespace

int ReadToEnd(int fd, QByteArray& bytes, qint64 limit)
{
    char chunk[65536];
    while (bytes.size() <= limit) {
        const ssize_t count = ::read(fd, chunk, sizeof chunk);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return errno;
        if (count == 0)
            break;
        bytes.append(chunk, count);
    }
    return 0;
}

TRegularFileRead ReadRegularFile(const QString& path)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return failedWithError(errno);
    TRegularFileRead result = readOpenFile(fd);
    ::close(fd);
    return result;
}

bool IsUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    [[maybe_unused]] const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}
