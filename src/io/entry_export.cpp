#include "io/entry_export.h"

#include "io/image_writer.h"
#include "io/vector_writer.h"
#include "render/render_pipeline.h"
#include "render/render_settings.h"
#include "render/zint_metafile.h"

#include <QImage>

TMetafile RenderEntryPicture(TZintSymbol& symbol, TZintSymbology symbology, const QString& text,
                             const TRenderSettings& settings, QSize previewArea)
{
    return RenderSymbolToMetafile(PrepareSymbol(symbol, symbology), text, settings, previewArea);
}

QImage RenderEntryImage(TZintSymbol& symbol, TZintSymbology symbology, const QString& text,
                        const TRenderSettings& settings, QSize previewArea)
{
    return RenderedImage(RenderEntryPicture(symbol, symbology, text, settings, previewArea),
                         settings);
}

QString SavePictureToNewFile(const TMetafile& picture, const TRenderSettings& settings,
                             const QString& path, qint64 firstCandidate, qint64 lastCandidate)
{
    if (IsVectorFormat(ImageFormatForPath(path)))
        return SaveVectorToNewFile(picture, settings.Dpi, path, firstCandidate, lastCandidate);
    return SaveImageToNewFile(RenderedImage(picture, settings), path, firstCandidate,
                              lastCandidate);
}

void SavePictureReplacing(const TMetafile& picture, const TRenderSettings& settings,
                          const QString& path)
{
    if (IsVectorFormat(ImageFormatForPath(path)))
        SaveVectorReplacing(picture, settings.Dpi, path);
    else
        DosyayiKaydet(RenderedImage(picture, settings), path);
}

QString ExportEntryToNewFile(TZintSymbol& symbol, TZintSymbology symbology, const QString& text,
                             const TRenderSettings& settings, QSize previewArea,
                             const QString& path, qint64 firstCandidate, qint64 lastCandidate)
{
    return SavePictureToNewFile(RenderEntryPicture(symbol, symbology, text, settings, previewArea),
                                settings, path, firstCandidate, lastCandidate);
}
