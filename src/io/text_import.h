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

// Bytes that are not valid in the encoding. The message is the one the window shows; the place
// is for messages that can name it: the line as TNumberedLine counts it, and the offset of the
// first invalid byte from the start of the input, counted from 0 as hex dumps count.
class ETextDecodeError final : public EZintException
{
public:
    ETextDecodeError(TTextEncoding encoding, qsizetype line, qsizetype byteOffset);
    // The one in force: a byte-order mark overrides the choice.
    TTextEncoding Encoding() const { return FEncoding; }
    qsizetype Line() const { return FLine; }
    qsizetype ByteOffset() const { return FByteOffset; }

private:
    TTextEncoding FEncoding;
    qsizetype FLine;
    qsizetype FByteOffset;
};

// The whole text of a file's bytes. A byte-order mark overrides the chosen encoding and is not
// part of the text. Raises ETextDecodeError for invalid bytes anywhere.
QString DecodeText(const QByteArray& bytes, TTextEncoding encoding);

// Every byte of a file. Raises EZintException naming the path when it cannot be read.
QByteArray ReadFileBytes(const QString& path);

// The texts a file contributes to the list: its lines in file order, empty lines left out.
// A byte-order mark overrides the chosen encoding. The whole input is decoded before anything
// is returned, so invalid bytes anywhere yield an ETextDecodeError and no texts.
QStringList DecodeTextLines(const QByteArray& bytes, TTextEncoding encoding);
QList<TNumberedLine> DecodeNumberedLines(const QByteArray& bytes, TTextEncoding encoding);

// The texts of an already decoded text, such as the clipboard's, split as a file's lines are.
QStringList SplitTextLines(const QString& text);

// Reads the whole file, then decodes it as DecodeTextLines does.
QStringList ReadTextLines(const QString& path, TTextEncoding encoding);
QList<TNumberedLine> ReadNumberedLines(const QString& path, TTextEncoding encoding);
