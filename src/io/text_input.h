#pragma once

#include "io/text_decoder.h"
#include "io/text_import.h"

#include <QByteArray>
#include <QString>

// A file the user loads is read whole, and standard input is held whole, up to this size.
constexpr qint64 kWholeTextSizeCap = qint64(256) << 20;

// Read piece by piece, one line or record is held at a time; none may be longer than this many
// characters.
constexpr qsizetype kLongestLine = qsizetype(16) << 20;

// The decoded characters of one input, read ahead a piece at a time into a window that the
// readers of lines and records consume from the front. A file is opened without blocking and
// only a regular one is read: a FIFO, a device, or a link to one is refused, never waited for.
// Every failure raises EZintException with a message that names the input and says what to do.
class TTextInput final
{
public:
    // A file, or standard input for "-"; `sizeCap` bounds a file read whole (-1: unbounded, for
    // reading piece by piece). Standard input is always held whole, up to kWholeTextSizeCap.
    TTextInput(const QString& path, TTextEncoding encoding, qint64 sizeCap);
    // Bytes already in memory, named in messages as `name`.
    TTextInput(QByteArray bytes, TTextEncoding encoding, QString name);
    // Text already decoded, such as the clipboard's.
    explicit TTextInput(QString text);
    ~TTextInput();
    TTextInput(const TTextInput&) = delete;
    TTextInput& operator=(const TTextInput&) = delete;

    const QString& Name() const { return FName; }

    // The text read so far and not yet consumed starts at Buffer()[Start()].
    const QString& Buffer() const { return FBuffer; }
    qsizetype Start() const { return FStart; }
    // Marks the text before `position` as consumed.
    void ConsumeTo(qsizetype position) { FStart = position; }

    // Decodes the next piece onto the buffer; false when the input is used up. `line` is the
    // line the unconsumed text starts on, for the message when it grows past kLongestLine.
    bool ReadMore(qint64 line);

    // Starts again from the first byte, for a second pass over a file.
    void Rewind();

private:
    void Open(const QString& path, qint64 sizeCap);

    QString FName;
    TTextEncoding FEncoding;
    int FFd = -1;
    QByteArray FBytes; // the whole input when held in memory
    qsizetype FBytesRead = 0;
    bool FEnded = false;
    std::unique_ptr<TTextDecoder> FDecoder;
    QString FBuffer;
    qsizetype FStart = 0;
};
