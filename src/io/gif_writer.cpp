#include "io/gif_writer.h"

#include "base/zint_exception.h"

#include <QHash>
#include <QIODevice>
#include <QImage>

#include <gif_lib.h>

#include <memory>
#include <vector>

namespace {

const int kMaxColours = 256;

// Palette indices, one byte per pixel, with the palette they index.
struct TIndexedPicture
{
    std::vector<GifByteType> FIndices;
    std::vector<GifColorType> FPalette;
};

// Barcodes have two colours in long runs, so the last colour is checked before the table.
bool indexExactly(const QImage& rgb, TIndexedPicture& picture)
{
    QHash<QRgb, GifByteType> indexOf;
    QRgb last = 0;
    GifByteType lastIndex = 0;
    bool haveLast = false;
    GifByteType* out = picture.FIndices.data();
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = row[x] & RGB_MASK;
            if (!haveLast || colour != last) {
                auto found = indexOf.constFind(colour);
                if (found == indexOf.constEnd()) {
                    if (indexOf.size() == kMaxColours)
                        return false;
                    found = indexOf.insert(colour, static_cast<GifByteType>(indexOf.size()));
                    picture.FPalette.push_back(
                        GifColorType{static_cast<GifByteType>(qRed(colour)),
                                     static_cast<GifByteType>(qGreen(colour)),
                                     static_cast<GifByteType>(qBlue(colour))});
                }
                last = colour;
                lastIndex = found.value();
                haveLast = true;
            }
            *out++ = lastIndex;
        }
    }
    return true;
}

void quantise(const QImage& rgb, TIndexedPicture& picture)
{
    const size_t pixels = picture.FIndices.size();
    std::vector<GifByteType> red(pixels), green(pixels), blue(pixels);
    size_t i = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x, ++i) {
            red[i] = static_cast<GifByteType>(qRed(row[x]));
            green[i] = static_cast<GifByteType>(qGreen(row[x]));
            blue[i] = static_cast<GifByteType>(qBlue(row[x]));
        }
    }
    int paletteSize = kMaxColours;
    picture.FPalette.assign(kMaxColours, GifColorType{0, 0, 0});
    if (GifQuantizeBuffer(static_cast<unsigned>(rgb.width()), static_cast<unsigned>(rgb.height()),
                          &paletteSize, red.data(), green.data(), blue.data(),
                          picture.FIndices.data(), picture.FPalette.data()) != GIF_OK)
        throw EZintException("GIF colour reduction failed");
}

int writeToDevice(GifFileType* gif, const GifByteType* data, int length)
{
    auto* device = static_cast<QIODevice*>(gif->UserData);
    return static_cast<int>(device->write(reinterpret_cast<const char*>(data), length));
}

struct TColorMapFree
{
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// giflib wants a power-of-two palette of at least two entries; the rest stays black.
std::unique_ptr<ColorMapObject, TColorMapFree> makeColorMap(std::vector<GifColorType> palette)
{
    const int size = 1 << GifBitSize(static_cast<int>(palette.size()));
    palette.resize(static_cast<size_t>(size < 2 ? 2 : size), GifColorType{0, 0, 0});
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

void encode(const TIndexedPicture& picture, int width, int height, QIODevice& device)
{
    const auto map = makeColorMap(picture.FPalette);
    if (!map)
        throw EZintException("out of memory");
    int error = 0;
    GifFileType* gif = EGifOpen(&device, writeToDevice, &error);
    if (!gif)
        throwGifError(error, device);
    bool written =
        EGifPutScreenDesc(gif, width, height, map->BitsPerPixel, 0, map.get()) == GIF_OK &&
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
    if (!written)
        throwGifError(error, device);
}

} // namespace

void WriteGif(const QImage& image, QIODevice& device)
{
    if (image.width() > 0xFFFF || image.height() > 0xFFFF)
        throw EZintException("The image is too large for GIF");
    const QImage rgb = image.format() == QImage::Format_RGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    TIndexedPicture picture;
    picture.FIndices.resize(size_t(rgb.width()) * size_t(rgb.height()));
    if (!indexExactly(rgb, picture))
        quantise(rgb, picture);
    encode(picture, rgb.width(), rgb.height(), device);
}
