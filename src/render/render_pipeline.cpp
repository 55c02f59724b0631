#include "render/render_pipeline.h"

#include "render/zint_metafile.h"
#include "render/zint_render_wmf.h"
#include "symbol/zint_symbol.h"

const QString PrimaryMessage = QStringLiteral("1234567890");

TZintSymbol& PrepareSymbol(TZintSymbol& symbol, TZintSymbology symbology)
{
    symbol.Clear();
    symbol.SetSymbolType(symbology);
    symbol.set_input_mode(1);
    return symbol;
}

TMetafile RenderSymbolToMetafile(TZintSymbol& symbol, const QString& text, QSize area,
                                 const TApplyRenderSettings& applySettings)
{
    symbol.set_primary(PrimaryMessage);
    symbol.Encode(text, true);
    TMetafile metafile(area.width(), area.height());
    TZintRenderTargetWMF target;
    target.SetMetafile(&metafile);
    if (applySettings)
        applySettings(target);
    symbol.Render(target);
    return metafile;
}
