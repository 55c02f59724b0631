#include "io/text_import.h"

#include "base/zint_exception.h"
#include "platform/read_regular_file.h"

#include <QFile>

#include <unicode/ucnv.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const kNoMapping = "No mapping for the Unicode character exists in the target "
                               "multi-byte code page";

// ICU's plain "windows-1252" alias is ambiguous; this is the table Windows itself uses,
// including the C1 controls for the five bytes the code page leaves undefined.
const char* converterName(TTextEncoding encoding)
{
    switch (encoding) {
    case TTextEncoding::teAnsi:
        return "ibm-5348_P100-1997";
    case TTextEncoding::teAscii:
        return "US-ASCII";
    case TTextEncoding::teUnicode:
        return "UTF-16LE";
    case TTextEncoding::teBigEndianUnicode:
        return "UTF-16BE";
    case TTextEncoding::teUtf8:
        return "UTF-8";
    case TTextEncoding::teUtf7:
        return "UTF-7";
    }
    return "ibm-5348_P100-1997";
}

struct TByteOrderMark
{
    QByteArrayView FBytes;
    TTextEncoding FEncoding;
};

// A mark decides the encoding whatever was chosen, and is not part of the text.
TTextEncoding detectByteOrderMark(QByteArrayView& bytes, TTextEncoding chosen)
{
    static const TByteOrderMark marks[] = {
        {QByteArrayView("\xEF\xBB\xBF", 3), TTextEncoding::teUtf8},
        {QByteArrayView("\xFF\xFE", 2), TTextEncoding::teUnicode},
        {QByteArrayView("\xFE\xFF", 2), TTextEncoding::teBigEndianUnicode},
    };
    for (const TByteOrderMark& mark : marks) {
        if (bytes.startsWith(mark.FBytes)) {
            bytes = bytes.sliced(mark.FBytes.size());
            return mark.FEncoding;
        }
    }
    return chosen;
}

struct TConverterCloser
{
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};

// The line a position of a decoded text stands on: every line end before it counts, CR LF once.
qsizetype lineAt(const QChar* begin, const QChar* position)
{
    qsizetype line = 1;
    for (const QChar* p = begin; p != position; ++p) {
        if (*p == u'\n' || (*p == u'\r' && (p + 1 == position || p[1] != u'\n')))
            ++line;
    }
    return line;
}

// `bytes` starts `skipped` bytes into the file (after a byte-order mark).
QString decodeStrictly(QByteArrayView bytes, qsizetype skipped, TTextEncoding encoding)
{
    if (bytes.size() >= INT32_MAX)
        throw EZintException(std::strerror(EFBIG));
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, TConverterCloser> converter(
        ucnv_open(converterName(encoding), &status));
    if (U_FAILURE(status))
        throw EZintException(std::string("Cannot decode text: ") + u_errorName(status));
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &status);

    // None of the encodings yields more UTF-16 units than it has bytes.
    QString text(bytes.size() + 1, Qt::Uninitialized);
    UChar* const begin = reinterpret_cast<UChar*>(text.data());
    UChar* target = begin;
    const char* source = bytes.data();
    ucnv_toUnicode(converter.get(), &target, begin + text.size(), &source,
                   bytes.data() + bytes.size(), nullptr, true, &status);
    if (U_FAILURE(status)) {
        // The converter stops just past the bytes it could not map.
        char invalid[32];
        int8_t invalidLength = sizeof invalid;
        UErrorCode invalidStatus = U_ZERO_ERROR;
        ucnv_getInvalidChars(converter.get(), invalid, &invalidLength, &invalidStatus);
        const qsizetype offset =
            skipped + (source - bytes.data()) - (U_SUCCESS(invalidStatus) ? invalidLength : 0);
        throw ETextDecodeError(
            encoding, lineAt(text.constData(), text.constData() + (target - begin)), offset);
    }
    text.truncate(target - begin);
    return text;
}

QList<TNumberedLine> nonEmptyLines(const QString& text)
{
    QList<TNumberedLine> lines;
    const QChar* const begin = text.constData();
    const QChar* const end = begin + text.size();
    const QChar* lineStart = begin;
    qsizetype lineNumber = 1;
    for (const QChar* p = begin; p != end; ++p) {
        if (*p != u'\r' && *p != u'\n')
            continue;
        if (p != lineStart)
            lines.append({QString(lineStart, p - lineStart), lineNumber});
        if (*p == u'\r' && p + 1 != end && p[1] == u'\n')
            ++p;
        lineStart = p + 1;
        ++lineNumber;
    }
    if (lineStart != end)
        lines.append({QString(lineStart, end - lineStart), lineNumber});
    return lines;
}

QStringList textsOf(const QList<TNumberedLine>& lines)
{
    QStringList texts;
    texts.reserve(lines.size());
    for (const TNumberedLine& line : lines)
        texts.append(line.Text);
    return texts;
}

[[noreturn]] void throwCannotOpen(const QString& path, int error)
{
    throw EZintException("Cannot open file \"" + path.toStdString() + "\". " +
                         std::strerror(error));
}

} // namespace

ETextDecodeError::ETextDecodeError(TTextEncoding encoding, qsizetype line, qsizetype byteOffset)
    : EZintException(kNoMapping), FEncoding(encoding), FLine(line), FByteOffset(byteOffset)
{}

QString DecodeText(const QByteArray& bytes, TTextEncoding encoding)
{
    QByteArrayView view(bytes);
    const TTextEncoding actual = detectByteOrderMark(view, encoding);
    return decodeStrictly(view, bytes.size() - view.size(), actual);
}

QByteArray ReadFileBytes(const QString& path)
{
    const QByteArray nativePath = QFile::encodeName(path);
    const int fd = ::open(nativePath.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throwCannotOpen(path, errno);
    struct stat info = {};
    int error = ::fstat(fd, &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;

    QByteArray bytes;
    if (error == 0) {
        // The size is only a hint: the file may grow or shrink while it is read.
        bytes.reserve(static_cast<qsizetype>(info.st_size) + 1);
        error = ReadToEnd(fd, bytes, std::numeric_limits<qint64>::max());
    }
    ::close(fd);
    if (error != 0)
        throwCannotOpen(path, error);
    return bytes;
}

const QStringList& TextEncodingNames()
{
    static const QStringList names = {
        QStringLiteral("ANSI"),    QStringLiteral("ASCII"),
        QStringLiteral("Unicode"), QStringLiteral("Big Endian Unicode"),
        QStringLiteral("UTF-8"),   QStringLiteral("UTF-7"),
    };
    return names;
}

TTextEncoding TextEncodingFromIndex(int index)
{
    if (index < 0 || index >= TextEncodingNames().size())
        return TTextEncoding::teAnsi;
    return static_cast<TTextEncoding>(index);
}

QStringList DecodeTextLines(const QByteArray& bytes, TTextEncoding encoding)
{
    return textsOf(DecodeNumberedLines(bytes, encoding));
}

QList<TNumberedLine> DecodeNumberedLines(const QByteArray& bytes, TTextEncoding encoding)
{
    return nonEmptyLines(DecodeText(bytes, encoding));
}

QStringList SplitTextLines(const QString& text)
{
    return textsOf(nonEmptyLines(text));
}

QStringList ReadTextLines(const QString& path, TTextEncoding encoding)
{
    return textsOf(ReadNumberedLines(path, encoding));
}

QList<TNumberedLine> ReadNumberedLines(const QString& path, TTextEncoding encoding)
{
    // The file's bytes are gone before the lines are cut, which lowers the peak for big files.
    const QString text = DecodeText(ReadFileBytes(path), encoding);
    return nonEmptyLines(text);
}
