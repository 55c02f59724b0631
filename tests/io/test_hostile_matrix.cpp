#include "base/zint_exception.h"
#include "io/entry_export.h"
#include "io/png_writer.h"
#include "render/render_settings.h"
#include "symbol/zint_symbol.h"
#include "symbol/zint_symbology.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <vector>

namespace {

struct THostileText
{
    const char* Name;
    QString Text;
};

QString Utf8(const char* bytes)
{
    return QString::fromUtf8(bytes);
}

QString Utf8(const char* bytes, qsizetype size)
{
    return QString::fromUtf8(bytes, size);
}

QString Units(std::initializer_list<char16_t> units)
{
    return QString(reinterpret_cast<const QChar*>(units.begin()), qsizetype(units.size()));
}

// Texts a user, a file or a hostile list can hand to any symbology: sizes at and past every
// encoder's limit, bytes that are not text, text that is not what a symbology expects, and the
// special forms some encoders parse (GS1 brackets, add-ons, HIBC, MaxiCode's structured data).
std::vector<THostileText> HostileTexts()
{
    const QString maxicodeMessage = Utf8("[)>\x1e"
                                         "01\x1d"
                                         "961Z00004951\x1dUPSN\x1d"
                                         "06X610\x1d"
                                         "159\x1d"
                                         "1234567\x1d"
                                         "1/1\x1d\x1dY\x1d"
                                         "634 ALPHA DR\x1dPITTSBURGH\x1dPA\x1e\x04");
    return {
        {"empty", QString()},
        {"one letter", Utf8("A")},
        {"one digit", Utf8("7")},
        {"one space", Utf8(" ")},
        {"blanks only", Utf8("     ")},
        {"10,000 letters", QString(10000, u'A')},
        {"10,000 digits", QString(10000, u'7')},
        {"10,000 non-Latin-1", QString(10000, QChar(0x4E2D))},
        {"100,000 letters", QString(100000, u'A')},
        {"100,000 digits", QString(100000, u'1')},
        {"100,000 two-byte", QString(100000, QChar(0x00E9))},
        {"100,000 line breaks", QString(100000, u'\n')},
        {"NUL", Utf8("\0", 1)},
        {"NUL inside digits", Utf8("1234\0"
                                   "5678",
                                   9)},
        {"NULs only", QString(16, QChar(0))},
        {"invalid UTF-8 lead", Utf8("\xc3\x28")},
        {"invalid UTF-8 bytes", Utf8("\xff\xfe\xfd")},
        {"overlong UTF-8 slash", Utf8("\xc0\xaf")},
        {"overlong UTF-8 three bytes", Utf8("\xe0\x80\xaf")},
        {"five-byte UTF-8", Utf8("\xf8\x88\x80\x80\x80")},
        {"truncated UTF-8", Utf8("12\xe2\x82")},
        {"UTF-8 surrogate bytes", Utf8("\xed\xa0\x80")},
        {"lone high surrogate", Units({u'1', 0xD800, u'2'})},
        {"lone low surrogate", Units({0xDC00})},
        {"surrogates reversed", Units({0xDC00, 0xD800})},
        {"noncharacters", Units({0xFFFE, 0xFFFF, 0xFDD0})},
        {"highest code point", Utf8("\xf4\x8f\xbf\xbf")},
        {"combining accent", Utf8("e\xcc\x81")},
        {"stacked combining marks", u'Z' + QString(60, QChar(0x0301))},
        {"Hebrew", Utf8("\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d 123")},
        {"Arabic", Utf8("\xd9\x85\xd8\xb1\xd8\xad\xd8\xa8\xd8\xa7")},
        {"right-to-left override", Utf8("\xe2\x80\xae"
                                        "abc123")},
        {"emoji", Utf8("\xf0\x9f\x98\x80")},
        {"emoji family sequence",
         Utf8("\xf0\x9f\x91\xa8\xe2\x80\x8d\xf0\x9f\x91\xa9\xe2\x80\x8d\xf0\x9f\x91\xa7")},
        {"flag", Utf8("\xf0\x9f\x87\xa9\xf0\x9f\x87\xaa")},
        {"keycap", Utf8("1\xef\xb8\x8f\xe2\x83\xa3")},
        {"Kanji and Hangul", Utf8("\xe6\xbc\xa2\xe5\xad\x97 \xed\x95\x9c\xea\xb5\xad")},
        {"musical symbol", Utf8("\xf0\x9d\x84\x9e")},
        {"control characters", Utf8("\x01\x02\x03\x1f\x7f")},
        {"tab and line breaks", Utf8("a\tb\r\nc\rd\n")},
        {"terminal escape", Utf8("\x1b[31mred\x1b[0m")},
        {"C1 and separators", Utf8("\xc2\x85\xe2\x80\xa8\xe2\x80\xa9")},
        {"byte-order mark", Utf8("\xef\xbb\xbf"
                                 "12345")},
        {"GS1 element", Utf8("[01]12345678901231")},
        {"GS1 two elements", Utf8("[01]12345678901231[10]ABC123")},
        {"GS1 open bracket", Utf8("[01")},
        {"GS1 close bracket first", Utf8("]01[12")},
        {"GS1 empty brackets", Utf8("[]")},
        {"GS1 empty data", Utf8("[01]")},
        {"GS1 nested brackets", Utf8("[[01]]12345678901231")},
        {"GS1 unknown identifier", Utf8("[999]1234")},
        {"GS1 parentheses", Utf8("(01)12345678901231")},
        {"GS1 long identifier", Utf8("[0123456789]1")},
        {"escape sequences", Utf8("\\d\\x\\u\\0\\")},
        {"add-on two digits", Utf8("123456789012+12")},
        {"add-on five digits", Utf8("123456789012+12345")},
        {"add-on six digits", Utf8("123456789012+123456")},
        {"plus only", Utf8("+")},
        {"plus twice", Utf8("1234567+12+34")},
        {"plus first", Utf8("+12345")},
        {"plus last", Utf8("12345+")},
        {"format specifiers", Utf8("%s%s%s%n%x%999999999d")},
        {"argument markers", Utf8("%1%2{0}{1}%%")},
        {"relative path", Utf8("../../../../etc/passwd")},
        {"device names", Utf8("C:\\Windows\\system32\\CON\\NUL.txt")},
        {"device path", Utf8("/dev/zero")},
        {"file address", Utf8("file:///etc/shadow")},
        {"reserved file characters", Utf8("a/b\\c:d*?\"<>|")},
        {"HIBC", Utf8("A123BJC5D6E71")},
        {"HIBC with flag", Utf8("+A123BJC5D6E71")},
        {"HIBC secondary", Utf8("+/$$52001510X3")},
        {"HIBC flag only", Utf8("+$$")},
        {"HIBC lower case", Utf8("a123bjc5d6e71")},
        {"MaxiCode structured", maxicodeMessage},
        {"MaxiCode primary", Utf8("152382802840001")},
        {"MaxiCode header only", Utf8("[)>\x1e"
                                      "01\x1d")},
    };
}

enum class TOutcome
{
    Image,
    CleanError
};

struct TTimedCase
{
    qint64 Milliseconds = 0;
    std::string Name;
};

// Exactly as an export renders and writes: a picture as PNG, or an EZintException.
TOutcome RenderToPng(TZintSymbol& symbol, TZintSymbology symbology, const QString& text,
                     const TRenderSettings& settings)
{
    try {
        const QImage image = RenderEntryImage(symbol, symbology, text, settings, {303, 417});
        EXPECT_FALSE(image.isNull());
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        WritePng(image, png);
        EXPECT_TRUE(png.data().startsWith("\x89PNG\r\n\x1a\n"));
        return TOutcome::Image;
    } catch (const EZintException& error) {
        EXPECT_STRNE(error.what(), "");
        return TOutcome::CleanError;
    }
}

} // namespace

// Any other exception, a crash, a hang or a sanitizer report fails the case; the time of each
// case is logged, never judged, so slow encoders show up in the log.
TEST(HostileMatrix, EveryTextOnEverySymbologyEndsInAnImageOrACleanError)
{
    const std::vector<THostileText> texts = HostileTexts();
    ASSERT_GE(texts.size(), 60u);
    // The exports' default, and the preview area's fitted modules and filled rows, where the
    // layout sizes everything from the symbol it is given.
    const struct
    {
        const char* Name;
        TRenderSettings Settings;
    } layouts[] = {
        {"export", TRenderSettings()},
        {"preview area", PreviewAreaLayoutSettings()},
    };
    int runs = 0;
    int images = 0;
    int cleanErrors = 0;
    std::vector<TTimedCase> timings;
    for (const auto& layout : layouts) {
        for (const TSymbologyEntry& entry : SymbologyCatalogue) {
            TZintSymbol symbol; // reused across texts, as an export reuses it across entries
            for (const THostileText& hostile : texts) {
                const std::string name =
                    std::string(layout.Name) + " / " + entry.DisplayName + " / " + hostile.Name;
                SCOPED_TRACE(name);
                QElapsedTimer timer;
                timer.start();
                try {
                    const TOutcome outcome =
                        RenderToPng(symbol, entry.Symbology, hostile.Text, layout.Settings);
                    ++(outcome == TOutcome::Image ? images : cleanErrors);
                } catch (const std::exception& error) {
                    ADD_FAILURE() << "not an EZintException: " << error.what();
                }
                ++runs;
                timings.push_back({timer.elapsed(), name});
            }
        }
    }

    std::sort(timings.begin(), timings.end(), [](const TTimedCase& a, const TTimedCase& b) {
        return a.Milliseconds > b.Milliseconds;
    });
    std::cout << "hostile matrix: " << runs << " runs (" << std::size(layouts) << " layouts x "
              << SymbologyCatalogue.size() << " symbologies x " << texts.size() << " texts), "
              << cleanErrors << " clean errors, " << images << " images\n";
    for (std::size_t index = 0; index < std::min<std::size_t>(10, timings.size()); ++index)
        std::cout << "  slowest: " << timings[index].Milliseconds << " ms  " << timings[index].Name
                  << '\n';
}
