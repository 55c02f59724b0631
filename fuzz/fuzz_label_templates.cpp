#include "fuzz_support.h"
#include "scratch_folder.h"

#include "base/zint_exception.h"
#include "io/entry_export.h"
#include "io/label_products.h"
#include "io/label_sheet_painter.h"
#include "io/label_sheet_writer.h"
#include "render/render_settings.h"
#include "render/zint_metafile.h"
#include "symbol/zint_symbol.h"

#include <QDir>

namespace {
// Products and labels beyond these are checked alike; a bounded run keeps inputs quick.
constexpr std::size_t MaxProductsDrawn = 4;
constexpr int MaxLabelsDrawn = 64;
constexpr int Dpi = 72;

// Every label of the page lies on its page, and its content inside its box.
void CheckLabels(const TLabelSheet& sheet)
{
    constexpr double Slack = 1e-6;
    const QRectF page(QPointF(), sheet.Page);
    for (int i = 0; i < std::min(sheet.LabelsPerPage(), MaxLabelsDrawn); ++i) {
        const QRectF label = sheet.LabelRect(i);
        FuzzCheck(page.adjusted(-Slack, -Slack, Slack, Slack).contains(label),
                  "a label beyond its page");
        FuzzCheck(LabelInDots(sheet, i, Dpi).contains(LabelContentInDots(sheet, i, Dpi)) ||
                      LabelContentInDots(sheet, i, Dpi).isEmpty(),
                  "a label's content beyond its box");
    }
}
} // namespace

// The input is a template file of the kind glabels-data installs (paper sizes may come in the
// same file). Every product it makes is on its page, and a few are drawn with their outlines.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EnsureFuzzApplication();
    QDir().mkpath(ScratchFolder() + QStringLiteral("/templates"));
    WriteScratchFile(QStringLiteral("templates/fuzz-templates.xml"), FuzzBytes(data, size));
    const TLabelProductCatalogue catalogue =
        TLabelProductCatalogue::Load({ScratchFolder() + QStringLiteral("/templates")});
    static TZintSymbol symbol;
    symbol.SetSymbolType(TZintSymbology::zsQRCODE);
    static const TMetafile picture = RenderEntryPicture(
        symbol, TZintSymbology::zsQRCODE, QStringLiteral("A1"), TRenderSettings(), {303, 417});
    std::size_t drawn = 0;
    for (const TLabelProduct& product : catalogue.Products()) {
        FuzzCheck(product.Sheet || !product.Unsupported.isEmpty(),
                  "a product neither filled nor refused");
        if (!product.Sheet)
            continue;
        FuzzCheck(LabelSheetMisfit(*product.Sheet).isEmpty(), "a product that does not fit");
        CheckLabels(*product.Sheet);
        if (drawn++ >= MaxProductsDrawn || product.Sheet->LabelsPerPage() > MaxLabelsDrawn)
            continue;
        try {
            TLabelSheetWriter writer(*product.Sheet, Dpi,
                                     {TZintHAlign::haCenter, TZintVAlign::vaCenter, true});
            for (int i = 0; i < product.Sheet->LabelsPerPage(); ++i)
                FuzzCheck(writer.Labels().AddLabel(picture) > 0, "a label drawn at no size");
            FuzzCheck(writer.Finish().startsWith("%PDF-"), "a sheet that is no PDF");
        } catch (const EZintException&) {
            // labels smaller than a dot: a clean refusal
        }
    }
    return 0;
}
