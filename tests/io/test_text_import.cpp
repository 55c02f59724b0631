#include "base/zint_exception.h"
#include "io/qt_printers.h"
#include "io/text_import.h"
#include "support/temporary_folder.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

const char* const kNoMapping =
    "No mapping for the Unicode character exists in the target multi-byte code page";

QByteArray utf16(const QString& text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding);
    return encoder.encode(text);
}

} // namespace

// The list example: empty lines go, a line of one blank and duplicates stay, in every
// encoding, whatever the line ends.
TEST(TextImport, KeepsEveryNonEmptyLineInOrder)
{
    const QStringList expected = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral(" "),
                                  QStringLiteral("A")};
    const QString lineEnds[] = {QStringLiteral("\n"), QStringLiteral("\r"), QStringLiteral("\r\n")};
    for (const QString& end : lineEnds) {
        const QStringList lines = {QStringLiteral("A"), QString(), QStringLiteral("B"),
                                   QStringLiteral(" "), QStringLiteral("A")};
        const QString withLastEnd = lines.join(end) + end;
        const QString withoutLastEnd = lines.join(end);
        for (const QString& text : {withLastEnd, withoutLastEnd}) {
            const struct
            {
                TTextEncoding FEncoding;
                QByteArray FBytes;
            } cases[] = {
                {TTextEncoding::teAnsi, text.toLatin1()},
                {TTextEncoding::teAscii, text.toLatin1()},
                {TTextEncoding::teUnicode, utf16(text, QStringConverter::Utf16LE)},
                {TTextEncoding::teBigEndianUnicode, utf16(text, QStringConverter::Utf16BE)},
                {TTextEncoding::teUtf8, text.toUtf8()},
                {TTextEncoding::teUtf7, text.toLatin1()},
            };
            for (const auto& c : cases)
                EXPECT_EQ(DecodeTextLines(c.FBytes, c.FEncoding), expected)
                    << "encoding " << static_cast<int>(c.FEncoding) << ", bytes "
                    << c.FBytes.toHex().constData();
        }
    }
}

TEST(TextImport, MixedAndRepeatedLineEndsSplitOnlyAtLineEnds)
{
    // CR CR LF is an empty line; LF CR ends two lines; blanks and tabs are text.
    const QByteArray bytes("one\r\r\ntwo\n\rthree\t\r\n\r\n  \nfour");
    EXPECT_EQ(DecodeTextLines(bytes, TTextEncoding::teUtf8),
              (QStringList{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three\t"),
                           QStringLiteral("  "), QStringLiteral("four")}));
    EXPECT_TRUE(DecodeTextLines(QByteArray("\r\n\n\r"), TTextEncoding::teUtf8).isEmpty());
    EXPECT_TRUE(DecodeTextLines(QByteArray(), TTextEncoding::teUnicode).isEmpty());
}

// Messages name the line of the file, so blank lines and every kind of line end count.
TEST(TextImport, NumberedLinesCountEveryLineOfTheFile)
{
    using TLines = QList<std::pair<QString, qsizetype>>;
    struct TCase
    {
        QByteArray Bytes;
        TTextEncoding Encoding;
        TLines Expected;
    };
    const TCase cases[] = {
        {"one\n\ntwo\r\n\r\nthree",
         TTextEncoding::teUtf8,
         {{QStringLiteral("one"), 1}, {QStringLiteral("two"), 3}, {QStringLiteral("three"), 5}}},
        {"\r\r\ra\rb\r",
         TTextEncoding::teAscii,
         {{QStringLiteral("a"), 4}, {QStringLiteral("b"), 5}}},
        {"one\r\r\ntwo\n\rthree",
         TTextEncoding::teUtf8,
         {{QStringLiteral("one"), 1}, {QStringLiteral("two"), 3}, {QStringLiteral("three"), 5}}},
        {utf16(QStringLiteral("\uFEFF\n\nx\r\ny"), QStringConverter::Utf16LE),
         TTextEncoding::teAnsi,
         {{QStringLiteral("x"), 3}, {QStringLiteral("y"), 4}}},
        // A NUL is text like any other character.
        {QByteArray("\nabc\0def\n", 9),
         TTextEncoding::teUtf8,
         {{QString::fromUtf16(u"abc\0def", 7), 2}}},
    };
    for (const TCase& c : cases) {
        TLines lines;
        for (const TNumberedLine& line : DecodeNumberedLines(c.Bytes, c.Encoding))
            lines.append({line.Text, line.LineNumber});
        EXPECT_EQ(lines, c.Expected) << c.Bytes.toHex().constData();
        QStringList texts;
        for (const auto& line : c.Expected)
            texts.append(line.first);
        EXPECT_EQ(DecodeTextLines(c.Bytes, c.Encoding), texts) << c.Bytes.toHex().constData();
    }
}

TEST(TextImport, ByteOrderMarkOverridesTheChosenEncoding)
{
    const QString text = QStringLiteral("Grüße\r\n€ 5\r\n");
    const QStringList expected = {QStringLiteral("Grüße"), QStringLiteral("€ 5")};
    const struct
    {
        QByteArray FBytes;
        TTextEncoding FChosen;
    } cases[] = {
        {utf16(text, QStringConverter::Utf16LE).prepend("\xFF\xFE"), TTextEncoding::teUtf8},
        {utf16(text, QStringConverter::Utf16BE).prepend("\xFE\xFF"), TTextEncoding::teUtf8},
        {utf16(text, QStringConverter::Utf16LE).prepend("\xFF\xFE"),
         TTextEncoding::teBigEndianUnicode},
        {utf16(text, QStringConverter::Utf16BE).prepend("\xFE\xFF"), TTextEncoding::teAnsi},
        {text.toUtf8().prepend("\xEF\xBB\xBF"), TTextEncoding::teAscii},
        {text.toUtf8().prepend("\xEF\xBB\xBF"), TTextEncoding::teUnicode},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeTextLines(c.FBytes, c.FChosen), expected) << c.FBytes.toHex().constData();
}

TEST(TextImport, DecodesEachEncodingsOwnCharacters)
{
    const struct
    {
        QByteArray FBytes;
        TTextEncoding FEncoding;
        QString FExpected;
    } cases[] = {
        // Windows-1252: the euro sign, accented letters, and undefined bytes as C1 controls
        // (what Windows itself yields for them).
        {QByteArray("\x80 caf\xE9 \x81\x8D\x8F\x90\x9D"), TTextEncoding::teAnsi,
         QStringLiteral("€ café \u0081\u008D\u008F\u0090\u009D")},
        {QByteArray("Hi Mom -+Jjo--!"), TTextEncoding::teUtf7, QStringLiteral("Hi Mom -☺-!")},
        {QByteArray("\xF0\x9F\x98\x80"), TTextEncoding::teUtf8, QStringLiteral("😀")},
        {utf16(QStringLiteral("😀"), QStringConverter::Utf16BE), TTextEncoding::teBigEndianUnicode,
         QStringLiteral("😀")},
        // Without a mark the choice stands, even where a mark-less file looks like UTF-16.
        {QByteArray("a\0b\0", 4), TTextEncoding::teUtf8, QString::fromUtf16(u"a\0b\0", 4)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeTextLines(c.FBytes, c.FEncoding), QStringList{c.FExpected})
            << c.FBytes.toHex().constData();
}

// The message is the window's; the place is the line and the offset of the first bad byte in
// the input, a byte-order mark included.
TEST(TextImport, InvalidBytesAnywhereRefuseTheWholeFileAndTellWhere)
{
    const struct
    {
        QByteArray FBytes;
        TTextEncoding FEncoding;
        qsizetype FLine;
        qsizetype FByte;
    } cases[] = {
        {QByteArray("good\nbad \xFF\n"), TTextEncoding::teUtf8, 2, 9},
        {QByteArray("good\n\xC3\x28\n"), TTextEncoding::teUtf8, 2, 5},     // broken sequence
        {QByteArray("\xED\xA0\x80"), TTextEncoding::teUtf8, 1, 0},         // encoded surrogate
        {QByteArray("\xC0\xAF"), TTextEncoding::teUtf8, 1, 0},             // overlong
        {QByteArray("good\nlast \xE2\x82"), TTextEncoding::teUtf8, 2, 10}, // cut at the end
        {QByteArray("\xEF\xBB\xBFok\r\n\r\nx\xFF"), TTextEncoding::teAnsi, 3, 10},
        {QByteArray("a\rb\r\ncaf\xE9"), TTextEncoding::teAscii, 3, 8},
        {QByteArray("A\0B", 3), TTextEncoding::teUnicode, 1, 2}, // odd byte count
        {QByteArray("\xFF\xFE"
                    "a\0\r\0"
                    "\x00\xD8\x41\x00",
                    10),
         TTextEncoding::teAnsi, 2, 6},
        {QByteArray("\xD8\x00", 2), TTextEncoding::teBigEndianUnicode, 1, 0},
        {QByteArray("caf\xE9"), TTextEncoding::teUtf7, 1, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.FBytes.toHex().constData());
        try {
            DecodeTextLines(c.FBytes, c.FEncoding);
            ADD_FAILURE() << "nothing thrown";
        } catch (const ETextDecodeError& error) {
            EXPECT_STREQ(error.what(), kNoMapping);
            EXPECT_EQ(error.Line(), c.FLine);
            EXPECT_EQ(error.ByteOffset(), c.FByte);
        }
    }
}

TEST(TextImport, EncodingChoiceTable)
{
    EXPECT_EQ(TextEncodingNames(),
              (QStringList{QStringLiteral("ANSI"), QStringLiteral("ASCII"),
                           QStringLiteral("Unicode"), QStringLiteral("Big Endian Unicode"),
                           QStringLiteral("UTF-8"), QStringLiteral("UTF-7")}));
    EXPECT_EQ(TextEncodingFromIndex(2), TTextEncoding::teUnicode);
    EXPECT_EQ(TextEncodingFromIndex(5), TTextEncoding::teUtf7);
    EXPECT_EQ(TextEncodingFromIndex(6), TTextEncoding::teAnsi);
    EXPECT_EQ(TextEncodingFromIndex(-1), TTextEncoding::teAnsi);
}

class TextImportFile : public ::testing::Test
{
protected:
    std::string readMessage(const QString& path)
    {
        try {
            ReadTextLines(path, TTextEncoding::teUtf8);
        } catch (const EZintException& error) {
            return error.what();
        }
        return "(nothing thrown)";
    }

    TTemporaryFolder FDir;
};

TEST_F(TextImportFile, ReadsTheWholeFileBeyondAnyBufferSize)
{
    QByteArray bytes = "\xFF\xFE";
    QStringList expected;
    for (int i = 0; i < 5000; ++i) {
        expected.append(QStringLiteral("Zeile %1 ä").arg(i));
        bytes += utf16(expected.last() + QStringLiteral("\r\n"), QStringConverter::Utf16LE);
    }
    EXPECT_EQ(ReadTextLines(FDir.Write(QStringLiteral("lines.txt"), bytes), TTextEncoding::teAnsi),
              expected);
}

TEST_F(TextImportFile, UnopenableFilesNameThePathAndTheReason)
{
    const QString missing = FDir.FilePath(QStringLiteral("nichts da.txt"));
    EXPECT_EQ(readMessage(missing),
              "Cannot open file \"" + missing.toStdString() + "\". No such file or directory");
    EXPECT_EQ(readMessage(FDir.Path()),
              "Cannot open file \"" + FDir.Path().toStdString() + "\". Is a directory");
    EXPECT_EQ(readMessage(FDir.Write(QStringLiteral("bad.txt"), "ok\n\xFF")), kNoMapping);
}
