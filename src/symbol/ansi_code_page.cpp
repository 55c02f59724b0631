#include "symbol/ansi_code_page.h"

#include <array>

namespace {
// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five unassigned bytes.
constexpr std::array<char16_t, 32> HighControlRange{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char toAnsi(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] != 0 && HighControlRange[i] == unit)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}
} // namespace

QByteArray ToAnsiCodePage(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar character : text)
        bytes.append(toAnsi(character.unicode()));
    return bytes;
}
