#include "io/gif_writer.h"

#include "base/zint_exception.h"
#include "io/colour_table.h"

#include <QIODevice>
#include <QImage>

#include <gif_lib.h>

#include <memory>
#include <vector>

// GIF knows one transparent palette entry and nothing else of alpha: fully transparent
// pixels become that entry, and every other pixel is written opaque in its own colour with
// its alpha dropped (a half-transparent red comes out red), as Qt's conversion to RGB32
// does; that has always been this writer's result for partial alpha.

namespace {

const int kMaxColours = 256;
const GifColorType kBlack{0, 0, 0};

// Palette indices, one byte per pixel, with the palette they index.
struct TIndexedPicture
{
    std::vector<GifByteType> FIndices;
    std::vector<GifColorType> FPalette;
    int FTransparentIndex = -1;
};

GifColorType gifColour(QRgb colour)
{
    return GifColorType{static_cast<GifByteType>(qRed(colour)),
                        static_cast<GifByteType>(qGreen(colour)),
                        static_cast<GifByteType>(qBlue(colour))};
}

void indexExactly(const QImage& picture, const TColourTable& table, TIndexedPicture& indexed)
{
    const std::vector<QRgb>& colours = table.Colours();
    std::vector<GifByteType> codes(colours.size());
    for (size_t i = 0; i < colours.size(); ++i) {
        codes[i] = static_cast<GifByteType>(i);
        indexed.FPalette.push_back(gifColour(colours[i]));
    }
    if (!table.OpaqueFormat())
        indexed.FTransparentIndex = table.IndexOf(TColourTable::Invisible);
    const TColourTable::TRowCoder coder(table, codes.data());
    for (int y = 0; y < picture.height(); ++y)
        coder.CodeRow(picture, y, indexed.FIndices.data() + size_t(y) * size_t(picture.width()));
}

// More than 256 colours: giflib's quantisation, keeping the last entry free for transparent
// pixels when there are any.
void quantise(const QImage& picture, TIndexedPicture& indexed)
{
    const size_t pixels = indexed.FIndices.size();
    std::vector<GifByteType> red(pixels), green(pixels), blue(pixels);
    std::vector<size_t> transparent;
    const bool mayBeTransparent = picture.hasAlphaChannel();
    size_t i = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x, ++i) {
            red[i] = static_cast<GifByteType>(qRed(row[x]));
            green[i] = static_cast<GifByteType>(qGreen(row[x]));
            blue[i] = static_cast<GifByteType>(qBlue(row[x]));
            if (mayBeTransparent && qAlpha(row[x]) == 0)
                transparent.push_back(i);
        }
    }
    int paletteSize = transparent.empty() ? kMaxColours : kMaxColours - 1;
    indexed.FPalette.assign(kMaxColours, kBlack);
    if (GifQuantizeBuffer(static_cast<unsigned>(picture.width()),
                          static_cast<unsigned>(picture.height()), &paletteSize, red.data(),
                          green.data(), blue.data(), indexed.FIndices.data(),
                          indexed.FPalette.data()) != GIF_OK)
        throw EZintException("GIF colour reduction failed");
    if (transparent.empty())
        return;
    indexed.FTransparentIndex = kMaxColours - 1;
    for (const size_t pixel : transparent)
        indexed.FIndices[pixel] = static_cast<GifByteType>(indexed.FTransparentIndex);
}

// giflib ignores a failed write of the file's last byte, so the sink remembers any failure.
struct TGifSink
{
    QIODevice& Device;
    bool Failed = false;
};

int writeToDevice(GifFileType* gif, const GifByteType* data, int length)
{
    auto* sink = static_cast<TGifSink*>(gif->UserData);
    const qint64 written = sink->Device.write(reinterpret_cast<const char*>(data), length);
    sink->Failed = sink->Failed || written != length;
    return static_cast<int>(written);
}

struct TColorMapFree
{
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// giflib wants a power-of-two palette of at least two entries; the rest stays black.
std::unique_ptr<ColorMapObject, TColorMapFree> makeColorMap(std::vector<GifColorType> palette)
{
    const int size = 1 << GifBitSize(static_cast<int>(palette.size()));
    palette.resize(static_cast<size_t>(size < 2 ? 2 : size), kBlack);
    return std::unique_ptr<ColorMapObject, TColorMapFree>(
        GifMakeMapObject(static_cast<int>(palette.size()), palette.data()));
}

[[noreturn]] void throwGifError(int error, QIODevice& device)
{
    if (error == E_GIF_ERR_WRITE_FAILED && !device.errorString().isEmpty())
        throw EZintException(device.errorString().toStdString());
    const char* text = GifErrorString(error);
    throw EZintException(text ? text : "GIF writing failed");
}

// The graphic control extension that names the transparent entry (GIF89a).
bool putTransparency(GifFileType* gif, int transparentIndex)
{
    const GifByteType control[4] = {0x01, 0, 0, static_cast<GifByteType>(transparentIndex)};
    return EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, sizeof control, control) == GIF_OK;
}

void encode(const TIndexedPicture& picture, int width, int height, QIODevice& device)
{
    const auto map = makeColorMap(picture.FPalette);
    if (!map)
        throw EZintException("out of memory");
    int error = 0;
    TGifSink sink{device};
    GifFileType* gif = EGifOpen(&sink, writeToDevice, &error);
    if (!gif)
        throwGifError(error, device);
    const bool transparent = picture.FTransparentIndex >= 0;
    EGifSetGifVersion(gif, transparent);
    bool written =
        EGifPutScreenDesc(gif, width, height, map->BitsPerPixel, 0, map.get()) == GIF_OK &&
        (!transparent || putTransparency(gif, picture.FTransparentIndex)) &&
        EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
    for (int y = 0; written && y < height; ++y) {
        auto* row = const_cast<GifByteType*>(picture.FIndices.data() + size_t(y) * size_t(width));
        written = EGifPutLine(gif, row, width) == GIF_OK;
    }
    if (!written)
        error = gif->Error;
    int closeError = 0;
    if (EGifCloseFile(gif, &closeError) != GIF_OK && written) {
        written = false;
        error = closeError;
    }
    if (sink.Failed && written) {
        written = false;
        error = E_GIF_ERR_WRITE_FAILED;
    }
    if (!written)
        throwGifError(error, device);
}

} // namespace

void WriteGif(const QImage& image, QIODevice& device)
{
    if (image.width() > 0xFFFF || image.height() > 0xFFFF)
        throw EZintException("The image is too large for GIF");
    const QImage picture = PictureForColourTable(image);
    const TColourTable table(picture);
    TIndexedPicture indexed;
    indexed.FIndices.resize(size_t(picture.width()) * size_t(picture.height()));
    if (table.TooManyColours())
        quantise(picture, indexed);
    else
        indexExactly(picture, table, indexed);
    encode(indexed, picture.width(), picture.height(), device);
}
