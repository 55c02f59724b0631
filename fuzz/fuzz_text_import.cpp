#include "fuzz_support.h"

#include "base/zint_exception.h"
#include "io/text_import.h"

// The first byte is the open dialog's encoding choice (indexes past the list included), the
// rest the file. A file decodes whole into lines without line breaks, or is refused whole.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const TTextEncoding encoding = TextEncodingFromIndex(data[0] % 8);
    const QByteArray file = FuzzBytes(data + 1, size - 1);

    QList<TNumberedLine> lines;
    try {
        lines = DecodeNumberedLines(file, encoding);
    } catch (const EZintException&) {
        return 0;
    }
    qsizetype previousLine = 0;
    QStringList texts;
    for (const TNumberedLine& line : std::as_const(lines)) {
        FuzzCheck(!line.Text.isEmpty(), "an empty line is listed");
        FuzzCheck(!line.Text.contains(u'\r') && !line.Text.contains(u'\n'),
                  "a line holds a line break");
        FuzzCheck(line.LineNumber > previousLine, "line numbers do not increase");
        previousLine = line.LineNumber;
        texts << line.Text;
    }
    FuzzCheck(DecodeTextLines(file, encoding) == texts, "numbered and plain texts differ");
    FuzzCheck(SplitTextLines(texts.join(u'\n')) == texts, "the lines do not split back");
    return 0;
}
