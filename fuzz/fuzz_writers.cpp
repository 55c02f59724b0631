#include "fuzz_support.h"
#include "scratch_folder.h"

#include "base/zint_exception.h"
#include "cli/batch_options.h"
#include "io/entry_export.h"
#include "symbol/zint_symbol.h"

#include <QDir>
#include <QFileInfo>

// Parts: the render options of a lintaro-batch command line, NUL between arguments (sizes,
// units, resolution, bands, colours with alpha, fonts, symbology, format), then the text. The
// text is rendered with them and written as every export writes it: a file of the chosen format
// or an EZintException, and nothing else left in the folder.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EnsureFuzzApplication();
    const QList<QByteArray> parts = FuzzParts(FuzzBytes(data, size), 2);
    QStringList arguments{QStringLiteral("lintaro-batch"), QStringLiteral("-o"),
                          QStringLiteral("out"), QStringLiteral("in.txt")};
    for (const QByteArray& argument : parts[0].split('\0'))
        arguments << QString::fromUtf8(argument);
    const TBatchParseResult parsed = ParseBatchOptions(arguments);
    if (parsed.Command != TBatchCommand::bcRun)
        return 0;
    const TBatchSettings& settings = parsed.Settings;
    QDir folder(ScratchFolder() + QStringLiteral("/pictures"));
    folder.removeRecursively();
    FuzzCheck(folder.mkpath(QStringLiteral(".")), "cannot make the folder");
    TZintSymbol symbol;
    symbol.SetSymbolType(settings.Symbology);
    try {
        const QString written = ExportEntryToNewFile(
            symbol, settings.Symbology, QString::fromUtf8(parts[1]), settings.Render,
            settings.PreviewArea, folder.filePath(QStringLiteral("1") + settings.Extension));
        FuzzCheck(QFileInfo(written).size() > 0, "an empty file written");
    } catch (const EZintException&) {
        // a clean refusal
    }
    FuzzCheck(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size() <= 1,
              "a temporary file left behind");
    return 0;
}
