#include "fuzz_support.h"
#include "scratch_folder.h"

#include "base/zint_exception.h"
#include "i18n/translation_engine.h"

#include <QDir>

namespace {
const QString LanguageFileName = QStringLiteral("xx.lang.txt");

// The key of a "{English}translation" line, or the line itself.
QString KeyOf(const QString& line)
{
    return line.startsWith(u'{') ? line.mid(1, line.indexOf(u'}') - 1) : line;
}
} // namespace

// Three pieces: LanguageCodes.csv, a language file, the user's language identifier. The engine
// picks its file through the code list, and every line's key translates.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QList<QByteArray> parts = FuzzParts(FuzzBytes(data, size), 3);
    const QString folder = ScratchFolder() + QStringLiteral("/Languages");
    QDir().mkpath(folder);
    WriteScratchFile(QStringLiteral("Languages/LanguageCodes.csv"), parts[0]);
    WriteScratchFile(QStringLiteral("Languages/") + LanguageFileName, parts[1]);
    const QString languageId = QString::fromUtf8(parts[2]);

    for (const QString& chosen : {QString(), LanguageFileName}) {
        try {
            InitLanguageIn(folder, chosen, languageId);
        } catch (const EZintException&) {
            continue;
        }
        if (!LanguageLines())
            continue;
        FuzzCheck(*LanguageLines() == SplitLanguageLines(parts[1]),
                  "the engine's lines differ from the file's");
        // A bounded number of lookups keeps a many-line input from slowing the run.
        for (const QString& line : LanguageLines()->mid(0, 64)) {
            Translate(KeyOf(line));
            FindTranslation(KeyOf(line));
        }
    }
    return 0;
}
