#pragma once

#include "symbol/zint_symbology.h"

#include <QSize>
#include <QString>

#include <functional>

class TMetafile;
class TZintSymbol;
class TZintRenderTargetWMF;

// The primary message every encode carries: the linear component of composites and
// MaxiCode's primary message.
extern const QString PrimaryMessage;

// Clear, symbology, Unicode input: readies the one reused symbol for the next encode.
TZintSymbol& PrepareSymbol(TZintSymbol& symbol, TZintSymbology symbology);

// Copies colours, font and layout settings into a fresh target before it renders.
using TApplyRenderSettings = std::function<void(TZintRenderTargetWMF& target)>;

// One complete render shared by the preview, the folder export and the batch tool:
// primary, encode (raising on encoder errors), a fresh metafile of the area's size and a
// fresh metafile target, settings, layout. Raises EZintException with the encoder's or the
// layout's message; the returned metafile may be larger than the area ("Inflate Image").
TMetafile RenderSymbolToMetafile(TZintSymbol& symbol, const QString& text, QSize area,
                                 const TApplyRenderSettings& applySettings);
