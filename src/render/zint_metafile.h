#pragma once

#include <QPicture>
#include <QSize>

class QImage;

// A recorded drawing with a pixel size: the preview shows it, exports rasterise it 1:1.
class TMetafile final
{
public:
    TMetafile() = default;
    TMetafile(int width, int height) : FSize(width, height) {}

    int Width() const { return FSize.width(); }
    int Height() const { return FSize.height(); }
    QSize Size() const { return FSize; }
    void SetSize(int width, int height) { FSize = QSize(width, height); }

    QPicture& Picture() { return FPicture; }
    const QPicture& Picture() const { return FPicture; }
    bool IsEmpty() const { return FPicture.isNull(); }

private:
    QSize FSize;
    QPicture FPicture;
};

// Plays the metafile 1:1 into an RGB image of the metafile's size (white where nothing
// was drawn, as the background fill normally covers everything).
QImage RasteriseMetafile(const TMetafile& metafile);
