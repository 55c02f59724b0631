#include "update/scramble_text.h"

#include <QByteArray>

namespace {
constexpr quint16 K1 = 0x6D2B;
constexpr quint16 K2 = 0x3E1F;

// The state advances on the scrambled byte, so both directions chain the same way.
quint16 Advance(quint16 state, quint8 scrambled)
{
    return quint16((quint32(state) + scrambled) * K1 + K2);
}

int HexDigit(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    return -1;
}
} // namespace

QString ScrambleText(const QString& text, quint16 seed)
{
    QByteArray out;
    quint16 state = seed;
    for (const char byte : text.toUtf8()) {
        const auto scrambled = quint8(quint8(byte) ^ (state >> 8));
        out += char(scrambled);
        state = Advance(state, scrambled);
    }
    return QString::fromLatin1(out.toHex().toUpper());
}

QString UnscrambleText(const QString& text, quint16 seed)
{
    const QString digits = text.toUpper();
    QByteArray bytes;
    quint16 state = seed;
    for (qsizetype i = 0; i + 1 < digits.size(); i += 2) {
        const int high = HexDigit(digits[i]);
        const int low = HexDigit(digits[i + 1]);
        if (high < 0 || low < 0)
            return {};
        const auto scrambled = quint8(high * 16 + low);
        bytes += char(scrambled ^ (state >> 8));
        state = Advance(state, scrambled);
    }
    return QString::fromUtf8(bytes);
}
