#include "base/zint_exception.h"
#include "io/qt_printers.h"
#include "io/text_import.h"
#include "io/text_input.h"
#include "io/text_table.h"
#include "support/temporary_folder.h"

#include <QFile>
#include <QStringEncoder>

#include <gtest/gtest.h>

#include <optional>

#include <sys/stat.h>

namespace {

std::string notValid(const char* where, const char* encoding, const char* source = "the text")
{
    return std::string("Cannot read \"") + source + "\": " + where + " is not valid " + encoding +
           " text. Choose the encoding the file was saved in.";
}

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
        // A mark of UTF-32 decides as one of UTF-16 does.
        {QByteArray("\xFF\xFE\0\0\x00\xF6\x01\0", 8), TTextEncoding::teAnsi, QStringLiteral("😀")},
        {QByteArray("\0\0\xFE\xFF\0\0\0A", 8), TTextEncoding::teUtf8, QStringLiteral("A")},
        // Odd NULs are text; only a NUL in every other byte looks like UTF-16.
        {QByteArray("a\0bc\0de", 7), TTextEncoding::teUtf8, QString::fromUtf16(u"a\0bc\0de", 7)},
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
        const char* FEncodingName;
    } cases[] = {
        {QByteArray("good\nbad \xFF\n"), TTextEncoding::teUtf8, 2, 9, "UTF-8"},
        {QByteArray("good\n\xC3\x28\n"), TTextEncoding::teUtf8, 2, 5, "UTF-8"}, // broken
        {QByteArray("\xED\xA0\x80"), TTextEncoding::teUtf8, 1, 0, "UTF-8"},     // encoded surrogate
        {QByteArray("\xC0\xAF"), TTextEncoding::teUtf8, 1, 0, "UTF-8"},         // overlong
        {QByteArray("good\nlast \xE2\x82"), TTextEncoding::teUtf8, 2, 10, "UTF-8"}, // cut
        {QByteArray("\xEF\xBB\xBFok\r\n\r\nx\xFF"), TTextEncoding::teAnsi, 3, 10, "UTF-8"},
        {QByteArray("a\rb\r\ncaf\xE9"), TTextEncoding::teAscii, 3, 8, "ASCII"},
        {QByteArray("A\0B", 3), TTextEncoding::teUnicode, 1, 2, "Unicode"}, // odd byte count
        {QByteArray("\xFF\xFE"
                    "a\0\r\0"
                    "\x00\xD8\x41\x00",
                    10),
         TTextEncoding::teAnsi, 2, 6, "Unicode"},
        {QByteArray("\xD8\x00", 2), TTextEncoding::teBigEndianUnicode, 1, 0, "Big Endian Unicode"},
        {QByteArray("caf\xE9"), TTextEncoding::teUtf7, 1, 3, "UTF-7"},
        // Past the last character of UTF-32.
        {QByteArray("\xFF\xFE\0\0A\0\0\0\0\0\x11\0", 12), TTextEncoding::teUtf8, 1, 8, "UTF-32"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.FBytes.toHex().constData());
        try {
            DecodeTextLines(c.FBytes, c.FEncoding);
            ADD_FAILURE() << "nothing thrown";
        } catch (const ETextDecodeError& error) {
            EXPECT_EQ(error.what(), notValid(("byte " + std::to_string(c.FByte) + " on line " +
                                              std::to_string(c.FLine))
                                                 .c_str(),
                                             c.FEncodingName));
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
    const QString bad = FDir.Write(QStringLiteral("bad.txt"), "ok\n\xFF");
    EXPECT_EQ(readMessage(bad), notValid("byte 3 on line 2", "UTF-8", bad.toUtf8().constData()));
}

// What a user may hand the loader by mistake or on purpose: each is refused at once with a
// message that names the file and says what to do; nothing is waited for or read to the end.
TEST_F(TextImportFile, HostileFilesAreRefusedWithAClearMessage)
{
    const QString fifo = FDir.FilePath(QStringLiteral("pipe.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = FDir.FilePath(QStringLiteral("zero.csv"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    const QString huge = FDir.Write(QStringLiteral("huge.txt"), "A\n");
    ASSERT_TRUE(QFile::resize(huge, kWholeTextSizeCap + 1)); // sparse: no disk is used
    const QString utf16le =
        FDir.Write(QStringLiteral("utf16.txt"),
                   utf16(QStringLiteral("ABC\r\nDEF"), QStringConverter::Utf16LE));
    const QString utf16be =
        FDir.Write(QStringLiteral("utf16be.csv"),
                   utf16(QStringLiteral("A,B\n1,2"), QStringConverter::Utf16BE));
    const QString empty = FDir.Write(QStringLiteral("empty.txt"), "\xEF\xBB\xBF\r\n\n");
    const QString headerOnly = FDir.Write(QStringLiteral("header.csv"), "SKU,Name\n");
    const std::string notRegular = "It is not a regular file but a device, a FIFO or a socket; "
                                   "save the texts in a file and load that.";
    const std::string utf16Hint = "\": every other byte is 0, as in UTF-16 text without a "
                                  "byte-order mark. Choose the encoding Unicode (utf-16le) or "
                                  "Big Endian Unicode (utf-16be).";
    const std::string noTexts = "\" holds no texts: it is empty or has only empty lines. Load a "
                                "file with one text on each line.";
    const struct
    {
        QString Path;
        std::string Expected;
    } cases[] = {
        {fifo, "Cannot open file \"" + fifo.toStdString() + "\". " + notRegular},
        {zero, "Cannot open file \"" + zero.toStdString() + "\". " + notRegular},
        {huge, "Cannot open file \"" + huge.toStdString() +
                   "\". It is larger than 256 MiB, the most that is read at once; split it into "
                   "smaller files."},
        {utf16le, "Cannot read \"" + utf16le.toStdString() + utf16Hint},
        {utf16be, "Cannot read \"" + utf16be.toStdString() + utf16Hint},
        {empty, "The file \"" + empty.toStdString() + noTexts},
        {headerOnly, "The file \"" + headerOnly.toStdString() + noTexts},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Path.toStdString());
        std::string message = "(nothing thrown)";
        try {
            if (const std::optional<QChar> delimiter = TableDelimiterForFile(c.Path))
                ReadTextTable(c.Path, TTextEncoding::teUtf8, *delimiter, true);
            else
                ReadTextLines(c.Path, TTextEncoding::teAnsi);
        } catch (const EZintException& error) {
            message = error.what();
        }
        EXPECT_EQ(message, c.Expected);
    }
}

// The window's loader reads pieces of a file into one list; lines and CR LF that straddle two
// pieces come out whole.
TEST_F(TextImportFile, LinesAcrossReadPiecesAreWhole)
{
    QByteArray bytes;
    QStringList expected;
    for (int i = 0; bytes.size() < 200000; ++i) {
        expected << QString(i % 7 + 1, QLatin1Char('a' + i % 26));
        bytes += expected.last().toLatin1() + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\r" : "\n");
    }
    EXPECT_EQ(ReadTextLines(FDir.Write(QStringLiteral("pieces.txt"), bytes), TTextEncoding::teUtf8),
              expected);
}
