#include "io/text_import.h"

#include "base/zint_exception.h"
#include "io/text_input.h"

ETextDecodeError::ETextDecodeError(const QString& sourceName, const QString& encodingName,
                                   qsizetype line, qsizetype byteOffset)
    : EZintException(QStringLiteral("Cannot read \"%1\": byte %2 on line %3 is not valid %4 "
                                    "text. Choose the encoding the file was saved in.")
                         .arg(sourceName)
                         .arg(byteOffset)
                         .arg(line)
                         .arg(encodingName)
                         .toStdString()),
      FLine(line), FByteOffset(byteOffset)
{}

bool TLineReader::Next(TNumberedLine& line)
{
    qsizetype scanned = 0; // characters after the start known to hold no line end
    bool ended = false;
    for (;;) {
        const QString& buffer = FInput.Buffer();
        const qsizetype start = FInput.Start();
        qsizetype end = start + scanned;
        while (end < buffer.size() && buffer[end] != u'\r' && buffer[end] != u'\n')
            ++end;
        // A CR at the end of what is read may be the first half of CR LF.
        const bool partial =
            end == buffer.size() || (buffer[end] == u'\r' && end + 1 == buffer.size());
        if (partial && !ended) {
            scanned = end - start;
            ended = !FInput.ReadMore(FLine);
            continue;
        }
        if (end == buffer.size()) {
            // The last line has no line end.
            FInput.ConsumeTo(end);
            if (end == start)
                return false;
            line = {buffer.mid(start, end - start), FLine++};
            return true;
        }
        qsizetype next = end + 1;
        if (buffer[end] == u'\r' && next < buffer.size() && buffer[next] == u'\n')
            ++next;
        const qsizetype number = FLine++;
        FInput.ConsumeTo(next);
        scanned = 0;
        if (end != start) {
            line = {buffer.mid(start, end - start), number};
            return true;
        }
    }
}

const QStringList& TextEncodingNames()
{
    static const QStringList names = {
        QStringLiteral("ANSI"),    QStringLiteral("ASCII"),
        QStringLiteral("Unicode"), QStringLiteral("Big Endian Unicode"),
        QStringLiteral("UTF-8"),   QStringLiteral("UTF-7"),
    };
    return names;
}

TTextEncoding TextEncodingFromIndex(int index)
{
    if (index < 0 || index >= TextEncodingNames().size())
        return TTextEncoding::teAnsi;
    return static_cast<TTextEncoding>(index);
}

namespace {
QList<TNumberedLine> numberedLines(TTextInput& input)
{
    QList<TNumberedLine> lines;
    TLineReader reader(input);
    for (TNumberedLine line; reader.Next(line);)
        lines.append(std::move(line));
    return lines;
}

QStringList textsOf(const QList<TNumberedLine>& lines)
{
    QStringList texts;
    texts.reserve(lines.size());
    for (const TNumberedLine& line : lines)
        texts.append(line.Text);
    return texts;
}
} // namespace

QStringList DecodeTextLines(const QByteArray& bytes, TTextEncoding encoding)
{
    return textsOf(DecodeNumberedLines(bytes, encoding));
}

QList<TNumberedLine> DecodeNumberedLines(const QByteArray& bytes, TTextEncoding encoding)
{
    TTextInput input(bytes, encoding, QStringLiteral("the text"));
    return numberedLines(input);
}

QStringList SplitTextLines(const QString& text)
{
    TTextInput input(text);
    return textsOf(numberedLines(input));
}

QStringList ReadTextLines(const QString& path, TTextEncoding encoding)
{
    TTextInput input(path, encoding, kWholeTextSizeCap);
    const QStringList texts = textsOf(numberedLines(input));
    if (texts.isEmpty())
        ThrowNoTexts(input.Name());
    return texts;
}

void ThrowNoTexts(const QString& sourceName)
{
    throw EZintException(
        QStringLiteral("The file \"%1\" holds no texts: it is empty or has only empty "
                       "lines. Load a file with one text on each line.")
            .arg(sourceName)
            .toStdString());
}
