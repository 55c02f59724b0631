#pragma once

#include "symbol/zint_symbology.h"

#include <QSize>
#include <QString>

class QImage;
class TZintSymbol;
struct TRenderSettings;

// The picture of one text as every export writes it. Raises EZintException.
QImage RenderEntryImage(TZintSymbol& symbol, TZintSymbology symbology, const QString& text,
                        const TRenderSettings& settings, QSize previewArea);

// Renders one text and writes it under `path`'s numbered name `firstCandidate` or the next
// free one (SaveImageToNewFile); never replaces a file. Returns the name written. Raises
// EZintException. The window's folder export and the batch tool both write through here, so
// their files are the same.
QString ExportEntryToNewFile(TZintSymbol& symbol, TZintSymbology symbology, const QString& text,
                             const TRenderSettings& settings, QSize previewArea,
                             const QString& path, qint64 firstCandidate = 1);
