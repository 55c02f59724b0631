#pragma once

#include "io/text_import.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>

struct UConverter;

// Decodes one input piece by piece, strictly: a byte-order mark (UTF-8, UTF-16 or UTF-32, either
// byte order) decides the encoding whatever was chosen and is not part of the text; bytes that
// are invalid in the encoding raise ETextDecodeError naming the line and the byte. An 8-bit
// choice over bytes whose every other one is 0 is refused as UTF-16 without a mark rather than
// read as text full of NUL characters.
class TTextDecoder final
{
public:
    // `sourceName` names the input in messages: a path, "standard input" or "the text".
    TTextDecoder(TTextEncoding chosen, QString sourceName);
    ~TTextDecoder();
    TTextDecoder(const TTextDecoder&) = delete;
    TTextDecoder& operator=(const TTextDecoder&) = delete;

    // Decodes the next piece of the input and appends its text; `last` says no piece follows.
    void Decode(QByteArrayView bytes, bool last, QString& text);

private:
    void Start(QByteArrayView& bytes);
    void CountLines(const QChar* begin, const QChar* end);

    TTextEncoding FChosen;
    QString FSourceName;
    QByteArray FHead; // the first bytes, until there are enough to look for a mark
    bool FStarted = false;
    QString FEncodingName;
    std::unique_ptr<UConverter, void (*)(UConverter*)> FConverter;
    qint64 FConsumed = 0; // bytes of the input handed to the converter
    qint64 FLine = 1;     // the line the decoded text has reached
    bool FEndsInCr = false;
};
