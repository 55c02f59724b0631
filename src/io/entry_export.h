#pragma once

#include "io/file_publisher.h"
#include "symbol/zint_symbology.h"

#include <QSize>
#include <QString>

class QImage;
class TMetafile;
class TZintSymbol;
struct TRenderSettings;

// The drawing of one text as every export writes it. Raises EZintException.
TMetafile RenderEntryPicture(TZintSymbol& symbol, TZintSymbology symbology, const QString& text,
                             const TRenderSettings& settings, QSize previewArea);

// The same rasterised 1:1. Raises EZintException.
QImage RenderEntryImage(TZintSymbol& symbol, TZintSymbology symbology, const QString& text,
                        const TRenderSettings& settings, QSize previewArea);

// Writes a drawing under `path`'s numbered name `firstCandidate` or the next free one, in the
// format the extension names: SVG and PDF as vectors, the others as its raster image. Never
// replaces a file, and tries no name after `lastCandidate` (EFileExists then). Returns the
// name written.
QString SavePictureToNewFile(const TMetafile& picture, const TRenderSettings& settings,
                             const QString& path, qint64 firstCandidate = 1,
                             qint64 lastCandidate = AnyCandidate);

// Writes a drawing under `path` in the format the extension names, as SavePictureToNewFile
// does, replacing a file there (the user agreed); on failure an earlier file stays as it was.
void SavePictureReplacing(const TMetafile& picture, const TRenderSettings& settings,
                          const QString& path);

// Renders one text and writes it as SavePictureToNewFile does. Raises EZintException. The
// window's folder export and the batch tool both write through here, so their files are the
// same.
QString ExportEntryToNewFile(TZintSymbol& symbol, TZintSymbology symbology, const QString& text,
                             const TRenderSettings& settings, QSize previewArea,
                             const QString& path, qint64 firstCandidate = 1,
                             qint64 lastCandidate = AnyCandidate);
