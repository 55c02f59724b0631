#pragma once

#include <QImage>

class TMetafile;

// The metafile rasterised 1:1 into an 8-bit indexed image with exactly the pixels
// RasteriseMetafile gives, its palette the colours the commands name (white first, for what
// nothing covers). Rectangle fills are written into the indices at their whole-pixel edges;
// shapes and text are painted into a mask of the area they reach and merged.
// Returns a null image where indices cannot keep that promise (a translucent colour, a pixel a
// shape covers only in part, a mask the drawing overflows, more than 256 colours): the caller
// then rasterises through RasteriseMetafile.
QImage RasteriseMetafileIndexed(const TMetafile& metafile);
