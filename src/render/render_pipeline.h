#pragma once

#include "symbol/zint_symbology.h"

#include <QSize>
#include <QString>

class QImage;
class TMetafile;
class TZintSymbol;
struct TRenderSettings;

// Clear, symbology, Unicode input: readies the one reused symbol for the next encode.
TZintSymbol& PrepareSymbol(TZintSymbol& symbol, TZintSymbology symbology);

// The largest image any render makes: a side of 32,767 pixels and 256 MiB of pixels.
constexpr int MaxImageSide = 32767;
constexpr qint64 MaxImageBytes = qint64(256) * 1024 * 1024;

// Raises EZintException naming the size when an image of it would be over the bounds.
void CheckImageSize(double width, double height);

// The primary message an encode carries: the one given, else a composite's standard linear
// component, else none (MaxiCode then encodes the text alone, in mode 4).
QString PrimaryMessageFor(TZintSymbology symbology, const QString& given);

// One complete render shared by the preview, both exports and the batch tool: primary
// message, bar height, encode (raising on encoder errors), a fresh metafile and target with
// the settings and the symbology's quiet zones, layout. `previewArea` is the image size for
// "Preview area" and the room that fitted module widths and filled rows take otherwise.
// Raises EZintException with the encoder's or the layout's message, and when the image
// would be too large or its modules narrower than a pixel.
TMetafile RenderSymbolToMetafile(TZintSymbol& symbol, const QString& text,
                                 const TRenderSettings& settings, QSize previewArea);

// The metafile rasterised 1:1, carrying the settings' resolution: 8-bit indexed where
// RasteriseMetafileIndexed draws it, otherwise as RasteriseMetafile does; the pixels are the
// same either way.
QImage RenderedImage(const TMetafile& metafile, const TRenderSettings& settings);
