#include "io/text_decoder.h"

#include "base/zint_exception.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <cstdint>
#include <utility>

namespace {

struct TEncodingTable
{
    TTextEncoding Encoding;
    const char* Converter;
};

// ICU's plain "windows-1252" alias is ambiguous; this is the table Windows itself uses,
// including the C1 controls for the five bytes the code page leaves undefined.
const TEncodingTable kChoices[] = {
    {TTextEncoding::teAnsi, "ibm-5348_P100-1997"},
    {TTextEncoding::teAscii, "US-ASCII"},
    {TTextEncoding::teUnicode, "UTF-16LE"},
    {TTextEncoding::teBigEndianUnicode, "UTF-16BE"},
    {TTextEncoding::teUtf8, "UTF-8"},
    {TTextEncoding::teUtf7, "UTF-7"},
};

struct TByteOrderMark
{
    QByteArrayView Bytes;
    const char* Converter;
    const char* Name;
};

// UTF-32 LE before UTF-16 LE: its mark begins with the other's.
const TByteOrderMark kMarks[] = {
    {QByteArrayView("\xEF\xBB\xBF", 3), "UTF-8", "UTF-8"},
    {QByteArrayView("\xFF\xFE\0\0", 4), "UTF-32LE", "UTF-32"},
    {QByteArrayView("\0\0\xFE\xFF", 4), "UTF-32BE", "UTF-32"},
    {QByteArrayView("\xFF\xFE", 2), "UTF-16LE", "Unicode"},
    {QByteArrayView("\xFE\xFF", 2), "UTF-16BE", "Big Endian Unicode"},
};

constexpr qsizetype kLongestMark = 4;

bool isEightBit(TTextEncoding encoding)
{
    return encoding != TTextEncoding::teUnicode && encoding != TTextEncoding::teBigEndianUnicode;
}

// UTF-16 text of Latin letters has a 0 in every other byte; 8-bit text of any kind has none.
bool looksLikeUtf16(QByteArrayView sample)
{
    const qsizetype pairs = std::min<qsizetype>(sample.size(), 4096) / 2;
    if (pairs < 2)
        return false;
    qsizetype lowZero = 0;
    qsizetype highZero = 0;
    for (qsizetype i = 0; i < pairs; ++i) {
        const bool first = sample[2 * i] == 0;
        const bool second = sample[2 * i + 1] == 0;
        lowZero += !first && second;
        highZero += first && !second;
    }
    return std::max(lowZero, highZero) * 4 >= pairs * 3;
}

void closeConverter(UConverter* converter)
{
    if (converter)
        ucnv_close(converter);
}

} // namespace

TTextDecoder::TTextDecoder(TTextEncoding chosen, QString sourceName)
    : FChosen(chosen), FSourceName(std::move(sourceName)), FConverter(nullptr, closeConverter)
{}

TTextDecoder::~TTextDecoder() = default;

void TTextDecoder::Start(QByteArrayView& bytes)
{
    const char* converter = kChoices[0].Converter;
    for (const TEncodingTable& choice : kChoices)
        if (choice.Encoding == FChosen)
            converter = choice.Converter;
    FEncodingName = TextEncodingNames().value(static_cast<int>(FChosen));
    bool marked = false;
    for (const TByteOrderMark& mark : kMarks) {
        if (bytes.startsWith(mark.Bytes)) {
            bytes = bytes.sliced(mark.Bytes.size());
            FConsumed = mark.Bytes.size();
            converter = mark.Converter;
            FEncodingName = QString::fromLatin1(mark.Name);
            marked = true;
            break;
        }
    }
    if (!marked && isEightBit(FChosen) && looksLikeUtf16(bytes))
        throw EZintException(
            QStringLiteral("Cannot read \"%1\": every other byte is 0, as in UTF-16 text without "
                           "a byte-order mark. Choose the encoding Unicode (utf-16le) or Big "
                           "Endian Unicode (utf-16be).")
                .arg(FSourceName)
                .toStdString());
    UErrorCode status = U_ZERO_ERROR;
    FConverter.reset(ucnv_open(converter, &status));
    if (U_SUCCESS(status))
        ucnv_setToUCallBack(FConverter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                            &status);
    if (U_FAILURE(status))
        throw EZintException(std::string("Cannot decode text: ") + u_errorName(status));
    FStarted = true;
}

void TTextDecoder::CountLines(const QChar* begin, const QChar* end)
{
    for (const QChar* p = begin; p != end; ++p) {
        if (*p == u'\n' && !FEndsInCr)
            ++FLine;
        else if (*p == u'\r')
            ++FLine;
        FEndsInCr = *p == u'\r';
    }
}

void TTextDecoder::Decode(QByteArrayView bytes, bool last, QString& text)
{
    if (!FStarted) {
        // A mark may arrive split over pieces.
        FHead.append(bytes.data(), bytes.size());
        if (FHead.size() < kLongestMark && !last)
            return;
        const QByteArray head = std::exchange(FHead, {});
        QByteArrayView whole(head);
        Start(whole);
        return Decode(whole, last, text);
    }
    // No encoding yields more UTF-16 units than it has bytes, but a converter may hold back a
    // few bytes of one piece and let them out with the next: the room grows when it runs out.
    const char* source = bytes.data();
    const char* const sourceEnd = source + bytes.size();
    UErrorCode status = U_BUFFER_OVERFLOW_ERROR;
    while (status == U_BUFFER_OVERFLOW_ERROR) {
        status = U_ZERO_ERROR;
        const qsizetype oldSize = text.size();
        const qsizetype room = oldSize + (sourceEnd - source) + 16;
        // Doubling keeps a long line from being copied once per piece.
        if (text.capacity() < room)
            text.reserve(std::max(room, 2 * text.capacity()));
        text.resize(room);
        UChar* const begin = reinterpret_cast<UChar*>(text.data()) + oldSize;
        UChar* target = begin;
        const char* const pieceStart = source;
        ucnv_toUnicode(FConverter.get(), &target,
                       reinterpret_cast<UChar*>(text.data()) + text.size(), &source, sourceEnd,
                       nullptr, last, &status);
        const QChar* const decoded = reinterpret_cast<const QChar*>(begin);
        CountLines(decoded, decoded + (target - begin));
        text.truncate(oldSize + (target - begin));
        FConsumed += source - pieceStart;
    }
    if (U_FAILURE(status)) {
        // The converter stops just past the bytes it could not map.
        char invalid[32];
        int8_t invalidLength = sizeof invalid;
        UErrorCode invalidStatus = U_ZERO_ERROR;
        ucnv_getInvalidChars(FConverter.get(), invalid, &invalidLength, &invalidStatus);
        const qint64 offset = FConsumed - (U_SUCCESS(invalidStatus) ? invalidLength : 0);
        throw ETextDecodeError(FSourceName, FEncodingName, FLine, offset);
    }
}
