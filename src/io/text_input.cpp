#include "io/text_input.h"

#include "base/zint_exception.h"
#include "platform/read_regular_file.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype kPieceSize = 1 << 16;

[[noreturn]] void throwCannotOpen(const QString& path, const QString& reason)
{
    throw EZintException(
        QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason).toStdString());
}

QString tooLarge(qint64 cap)
{
    return QStringLiteral("It is larger than %1 MiB, the most that is read at once; split it "
                          "into smaller files.")
        .arg(cap >> 20);
}

} // namespace

TTextInput::TTextInput(const QString& path, TTextEncoding encoding, qint64 sizeCap)
    : FName(path == QLatin1String("-") ? QStringLiteral("standard input") : path),
      FEncoding(encoding)
{
    if (path == QLatin1String("-")) {
        if (const int error = ReadToEnd(STDIN_FILENO, FBytes, kWholeTextSizeCap))
            throwCannotOpen(FName, QString::fromUtf8(std::strerror(error)));
        if (FBytes.size() > kWholeTextSizeCap)
            throwCannotOpen(FName, tooLarge(kWholeTextSizeCap));
    } else {
        Open(path, sizeCap);
    }
    Rewind();
}

TTextInput::TTextInput(QByteArray bytes, TTextEncoding encoding, QString name)
    : FName(std::move(name)), FEncoding(encoding), FBytes(std::move(bytes))
{
    Rewind();
}

TTextInput::TTextInput(QString text)
    : FName(QStringLiteral("the text")), FEncoding(TTextEncoding::teUnicode), FEnded(true),
      FBuffer(std::move(text))
{}

TTextInput::~TTextInput()
{
    if (FFd >= 0)
        ::close(FFd);
}

void TTextInput::Open(const QString& path, qint64 sizeCap)
{
    // Non-blocking, so that a FIFO without a writer cannot hold the open.
    FFd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (FFd < 0)
        throwCannotOpen(path, QString::fromUtf8(std::strerror(errno)));
    struct stat info = {};
    if (::fstat(FFd, &info) != 0)
        throwCannotOpen(path, QString::fromUtf8(std::strerror(errno)));
    if (S_ISDIR(info.st_mode))
        throwCannotOpen(path, QString::fromUtf8(std::strerror(EISDIR)));
    if (!S_ISREG(info.st_mode))
        throwCannotOpen(path, QStringLiteral("It is not a regular file but a device, a FIFO or a "
                                             "socket; save the texts in a file and load that."));
    if (sizeCap >= 0 && info.st_size > sizeCap)
        throwCannotOpen(path, tooLarge(sizeCap));
    if (sizeCap >= 0) {
        // Read whole at once; the size is only a hint, the file may grow while it is read.
        FBytes.reserve(qsizetype(info.st_size) + 1);
        const int error = ReadToEnd(FFd, FBytes, sizeCap);
        ::close(std::exchange(FFd, -1));
        if (error != 0)
            throwCannotOpen(path, QString::fromUtf8(std::strerror(error)));
        if (FBytes.size() > sizeCap)
            throwCannotOpen(path, tooLarge(sizeCap));
        return;
    }
    ::fcntl(FFd, F_SETFL, ::fcntl(FFd, F_GETFL) & ~O_NONBLOCK);
}

void TTextInput::Rewind()
{
    if (FFd >= 0 && ::lseek(FFd, 0, SEEK_SET) != 0)
        throwCannotOpen(FName, QString::fromUtf8(std::strerror(errno)));
    FBytesRead = 0;
    FEnded = false;
    FDecoder = std::make_unique<TTextDecoder>(FEncoding, FName);
    FBuffer.clear();
    FStart = 0;
}

bool TTextInput::ReadMore(qint64 line)
{
    if (FEnded)
        return false;
    if (FBuffer.size() - FStart > kLongestLine)
        throw EZintException(QStringLiteral("Cannot read \"%1\": line %2 is longer than %3 MiB. "
                                            "Check that it is a text file with line breaks.")
                                 .arg(FName)
                                 .arg(line)
                                 .arg(kLongestLine >> 20)
                                 .toStdString());
    // The consumed text goes before the window grows, so it holds about one line at a time.
    FBuffer.remove(0, FStart);
    FStart = 0;
    const qsizetype before = FBuffer.size();
    while (FBuffer.size() == before && !FEnded) {
        if (FFd < 0) {
            const qsizetype size = std::min<qsizetype>(kPieceSize, FBytes.size() - FBytesRead);
            FEnded = FBytesRead + size == FBytes.size();
            FDecoder->Decode(QByteArrayView(FBytes).sliced(FBytesRead, size), FEnded, FBuffer);
            FBytesRead += size;
            continue;
        }
        char piece[kPieceSize];
        const ssize_t count = ::read(FFd, piece, sizeof piece);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throwCannotOpen(FName, QString::fromUtf8(std::strerror(errno)));
        FEnded = count == 0;
        FDecoder->Decode(QByteArrayView(piece, count), FEnded, FBuffer);
    }
    return FBuffer.size() > before;
}
