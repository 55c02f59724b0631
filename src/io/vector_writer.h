#pragma once

#include "io/file_publisher.h"
#include "io/image_format.h"

#include <QString>

class QIODevice;
class TMetafile;

// SVG and PDF files drawn from the display list itself, so every bar, dot and letter stands at
// the position the raster image has it. One picture pixel is 1/dpi inch: the SVG's view box
// is the picture's pixel size and its width and height the physical size, a PDF page is
// exactly the picture. Refuse an empty picture with an EZintException, as the raster writers do.

void WriteVector(const TMetafile& picture, int dpi, TImageFileFormat format, QIODevice& device);

// As SaveImageToNewFile: under `path`'s numbered name `firstCandidate` or the next free one up
// to `lastCandidate`, never replacing a file.
QString SaveVectorToNewFile(const TMetafile& picture, int dpi, const QString& path,
                            qint64 firstCandidate = 1, qint64 lastCandidate = AnyCandidate);

// Replaces the file (the user agreed), or leaves it as it was on failure.
void SaveVectorReplacing(const TMetafile& picture, int dpi, const QString& path);
