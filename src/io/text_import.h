#pragma once

#include "base/zint_exception.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The encodings the open dialog offers, in the order of its choice list.
enum class TTextEncoding
{
    teAnsi,
    teAscii,
    teUnicode,
    teBigEndianUnicode,
    teUtf8,
    teUtf7
};

// Display names of the encodings, indexed by the enumeration ordinal.
const QStringList& TextEncodingNames();

// The encoding for an index of the dialog's choice; any unknown index counts as ANSI.
TTextEncoding TextEncodingFromIndex(int index);

// One text of a file and the line it stands on (1-based; every line end counts, CR LF once).
struct TNumberedLine
{
    QString Text;
    qsizetype LineNumber = 0;
};

// Bytes that are not valid in the encoding. The message names the input, the line as
// TNumberedLine counts it, and the offset of the first invalid byte from the start of the input,
// counted from 0 as hex dumps count.
class ETextDecodeError final : public EZintException
{
public:
    ETextDecodeError(const QString& sourceName, const QString& encodingName, qsizetype line,
                     qsizetype byteOffset);
    qsizetype Line() const { return FLine; }
    qsizetype ByteOffset() const { return FByteOffset; }

private:
    qsizetype FLine;
    qsizetype FByteOffset;
};

class TTextInput;

// The non-empty lines of an input, one at a time, in file order.
class TLineReader final
{
public:
    explicit TLineReader(TTextInput& input) : FInput(input) {}
    // The next line that holds text; false after the last.
    bool Next(TNumberedLine& line);

private:
    TTextInput& FInput;
    qsizetype FLine = 1;
};

// The texts a file contributes to the list: its lines in file order, empty lines left out.
// A byte-order mark overrides the chosen encoding. The whole input is decoded before anything
// is returned, so invalid bytes anywhere yield an ETextDecodeError and no texts.
QStringList DecodeTextLines(const QByteArray& bytes, TTextEncoding encoding);
QList<TNumberedLine> DecodeNumberedLines(const QByteArray& bytes, TTextEncoding encoding);

// The texts of an already decoded text, such as the clipboard's, split as a file's lines are.
QStringList SplitTextLines(const QString& text);

// Reads a file the user chose, whole (refused over kWholeTextSizeCap), as DecodeTextLines
// does. A file without any text is refused too, with a message that says so.
QStringList ReadTextLines(const QString& path, TTextEncoding encoding);

// The message for an input that holds no text at all.
[[noreturn]] void ThrowNoTexts(const QString& sourceName);
