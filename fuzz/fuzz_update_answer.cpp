#include "fuzz_support.h"

#include "update/scramble_text.h"
#include "update/service_answer.h"
#include "update/tag_value.h"

// The input is the service's answer as the post returns it. The version and address it names
// survive the store's scrambling, and a damaged stored value unscrambles to something or nothing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString body = QString::fromUtf8(FuzzBytes(data, size));
    const QStringList lines = ResponseLines(body);
    for (const QString& line : lines)
        FuzzCheck(!line.contains(u'\r') && !line.contains(u'\n'), "a line holds a line break");

    if (!lines.isEmpty()) {
        const QString version = TagValue(lines[0], QStringLiteral("version"));
        FuzzCheck(!IsNewerVersion(version, version), "a version is newer than itself");
    }
    if (lines.size() >= 2) {
        const QString url = TagValue(lines[1], QStringLiteral("url"));
        // What the store keeps is the address's UTF-8, so a lone surrogate comes back replaced.
        FuzzCheck(UnscrambleText(ScrambleText(url)) == QString::fromUtf8(url.toUtf8()),
                  "the address does not unscramble to itself");
    }
    UnscrambleText(body);
    return 0;
}
