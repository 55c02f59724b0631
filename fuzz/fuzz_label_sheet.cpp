#include "fuzz_support.h"

#include "base/zint_exception.h"
#include "io/entry_export.h"
#include "io/label_sheet.h"
#include "io/label_sheet_writer.h"
#include "render/render_settings.h"
#include "render/zint_metafile.h"
#include "symbol/zint_symbol.h"

// Bytes: resolution (dots per inch / 4 + 1), placement bits, the number of labels, then the
// sheet's geometry as lintaro-batch --sheet reads it. A sheet the reader takes is filled with
// small symbols, one label in three left empty, and finished: a PDF or an EZintException.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    EnsureFuzzApplication();
    const TLabelSheetReading reading =
        ReadLabelSheet(QString::fromUtf8(FuzzBytes(data + 3, size - 3)));
    if (!reading.Sheet) {
        FuzzCheck(!reading.Error.isEmpty(), "a refused sheet without a reason");
        return 0;
    }
    static TZintSymbol symbol;
    symbol.SetSymbolType(TZintSymbology::zsCODE128);
    static const TMetafile picture = RenderEntryPicture(
        symbol, TZintSymbology::zsCODE128, QStringLiteral("A1"), TRenderSettings(), {303, 417});
    const TLabelPlacement placement{TZintHAlign(data[1] % 3), TZintVAlign((data[1] >> 2) % 3),
                                    (data[1] & 0x10) != 0};
    try {
        TLabelSheetWriter writer(*reading.Sheet, data[0] * 4 + 1, placement);
        for (int label = 0; label < data[2] % 40; ++label) {
            if (label % 3 == 2)
                writer.Labels().SkipLabel();
            else
                FuzzCheck(writer.Labels().AddLabel(picture) > 0, "a label drawn at no size");
        }
        FuzzCheck(writer.Finish().startsWith("%PDF-"), "a sheet that is no PDF");
    } catch (const EZintException&) {
        // a clean refusal
    }
    return 0;
}
