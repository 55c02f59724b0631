#include "io/entry_export.h"

#include "io/image_writer.h"
#include "render/render_pipeline.h"
#include "render/zint_metafile.h"

#include <QImage>

QImage RenderEntryImage(TZintSymbol& symbol, TZintSymbology symbology, const QString& text,
                        const TRenderSettings& settings, QSize previewArea)
{
    return RenderedImage(
        RenderSymbolToMetafile(PrepareSymbol(symbol, symbology), text, settings, previewArea),
        settings);
}

QString ExportEntryToNewFile(TZintSymbol& symbol, TZintSymbology symbology, const QString& text,
                             const TRenderSettings& settings, QSize previewArea,
                             const QString& path, qint64 firstCandidate)
{
    return SaveImageToNewFile(RenderEntryImage(symbol, symbology, text, settings, previewArea),
                              path, firstCandidate);
}
