#include "update/scramble_text.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <random>

namespace {
// A text of random code points from every plane, surrogates left out.
QString RandomText(std::mt19937& random)
{
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<char32_t> codePoint(1, 0x10FFFF);
    std::u32string text;
    for (int i = length(random); i > 0; --i) {
        char32_t c = codePoint(random);
        if (c >= 0xD800 && c <= 0xDFFF)
            c = U'ß';
        text += c;
    }
    return QString::fromStdU32String(text);
}
} // namespace

TEST(ScrambleTextTest, RoundTripsRandomUnicodeAsUpperCaseHexOfItsUtf8)
{
    static const QRegularExpression upperHex(QStringLiteral("^([0-9A-F]{2})*$"));
    std::mt19937 random(20261210);
    for (int i = 0; i < 500; ++i) {
        const QString text = RandomText(random);
        const QString scrambled = ScrambleText(text);
        ASSERT_TRUE(upperHex.match(scrambled).hasMatch()) << scrambled.toStdString();
        ASSERT_EQ(scrambled.size(), 2 * text.toUtf8().size());
        ASSERT_EQ(UnscrambleText(scrambled), text);
        ASSERT_EQ(UnscrambleText(scrambled.toLower()), text);
        // A different seed gives a different text that the same seed undoes.
        ASSERT_EQ(UnscrambleText(ScrambleText(text, 7), 7), text);
    }
}

TEST(ScrambleTextTest, HidesTheTextAndChainsTheBytes)
{
    const QString url = QStringLiteral("https://www.kelmora.example/download/lintaro-9.9.exe");
    const QString scrambled = ScrambleText(url);
    EXPECT_FALSE(scrambled.contains(QString::fromLatin1(url.toUtf8().toHex().toUpper())));
    // The same letter twice does not scramble the same way twice.
    const QString twice = ScrambleText(QStringLiteral("aa"));
    EXPECT_NE(twice.left(2), twice.mid(2));
    EXPECT_NE(ScrambleText(url, 1), ScrambleText(url, 2));
}

TEST(ScrambleTextTest, EdgeCases)
{
    EXPECT_EQ(ScrambleText(QString()), QString());
    EXPECT_EQ(UnscrambleText(QString()), QString());
    EXPECT_EQ(UnscrambleText(QStringLiteral("ZZ")), QString());
    const QString scrambled = ScrambleText(QStringLiteral("https://x.example/"));
    for (const QString& broken :
         {scrambled + QStringLiteral("G0"), QStringLiteral("+F") + scrambled, QStringLiteral(" F"),
          scrambled.left(4) + QStringLiteral("0x")})
        EXPECT_EQ(UnscrambleText(broken), QString()) << broken.toStdString();
    // A final single digit is ignored.
    EXPECT_EQ(UnscrambleText(scrambled + QLatin1Char('A')), QStringLiteral("https://x.example/"));
}
