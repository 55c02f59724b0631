#include "io/png_writer.h"

#include "base/zint_exception.h"

#include <QIODevice>
#include <QImage>

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <string>

namespace {

struct TPngSink
{
    QIODevice* FDevice;
    std::string FError;
};

void writeData(png_structp png, png_bytep data, size_t length)
{
    auto* sink = static_cast<TPngSink*>(png_get_io_ptr(png));
    if (sink->FDevice->write(reinterpret_cast<const char*>(data), static_cast<qint64>(length)) !=
        static_cast<qint64>(length)) {
        sink->FError = sink->FDevice->errorString().toStdString();
        png_error(png, "write failed");
    }
}

void flushData(png_structp) {}

void onError(png_structp png, png_const_charp message)
{
    auto* sink = static_cast<TPngSink*>(png_get_error_ptr(png));
    if (sink->FError.empty())
        sink->FError = message;
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

// RGB32 rows go to libpng as they are; libpng drops the filler byte and swaps to RGB itself.
QImage rowSource(const QImage& image)
{
    if (image.format() == QImage::Format_RGB888 || image.format() == QImage::Format_RGB32)
        return image;
    return image.convertToFormat(QImage::Format_RGB32);
}

// Kept free of objects with destructors: libpng leaves it by longjmp on errors.
bool encode(const QImage& source, TPngSink& sink)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &sink, onError, onWarning);
    if (!png) {
        sink.FError = "out of memory";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        if (sink.FError.empty())
            sink.FError = "out of memory";
        return false;
    }
    png_set_write_fn(png, &sink, writeData, flushData);
    png_set_IHDR(png, info, static_cast<png_uint_32>(source.width()),
                 static_cast<png_uint_32>(source.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_compression_level(png, 1);
    png_set_compression_strategy(png, Z_RLE);
    png_write_info(png, info);
    if (source.format() == QImage::Format_RGB32) {
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        png_set_bgr(png);
        png_set_filler(png, 0, PNG_FILLER_AFTER);
#else
        png_set_filler(png, 0, PNG_FILLER_BEFORE);
#endif
    }
    for (int y = 0; y < source.height(); ++y)
        png_write_row(png, source.constScanLine(y));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

void WritePng(const QImage& image, QIODevice& device)
{
    const QImage source = rowSource(image);
    TPngSink sink{&device, {}};
    if (!encode(source, sink))
        throw EZintException(sink.FError);
}
