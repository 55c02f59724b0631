#include "io/png_writer.h"

#include "base/zint_exception.h"

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QtEndian>

#include <zlib.h>

#include <cstring>
#include <memory>
#include <vector>

// The container is written here, the pixels are compressed by zlib. A barcode picture is
// mostly rows equal to the row above: filter Up turns them into zeros, which the run-length
// strategy at level 1 swallows almost for free. Going through libpng cost three times as
// much for the same bytes (its per-row transforms and filter pass dominated).

namespace {

constexpr unsigned char Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr unsigned char FilterUp = 2;
constexpr int BytesPerPixel = 3;

void AppendUint32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void AppendChunk(QByteArray& out, const char type[4], const unsigned char* data, size_t length)
{
    AppendUint32(out, quint32(length));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(reinterpret_cast<const char*>(data), qsizetype(length));
    const auto* crcStart = reinterpret_cast<const Bytef*>(out.constData() + start);
    AppendUint32(out, quint32(crc32_z(crc32_z(0, nullptr, 0), crcStart, length + 4)));
}

// One RGB row from an RGB32 or RGB888 scan line.
void ToRgb(const QImage& image, int y, unsigned char* rgb)
{
    const int width = image.width();
    if (image.format() == QImage::Format_RGB888) {
        std::memcpy(rgb, image.constScanLine(y), size_t(width) * BytesPerPixel);
        return;
    }
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < width; ++x) {
        rgb[0] = uchar(qRed(pixels[x]));
        rgb[1] = uchar(qGreen(pixels[x]));
        rgb[2] = uchar(qBlue(pixels[x]));
        rgb += BytesPerPixel;
    }
}

// Filter byte and Up-filtered bytes of every row, ready for deflate.
// Buffers that are filled completely anyway start uninitialised.
using TBytes = std::unique_ptr<unsigned char[]>;

TBytes FilteredRows(const QImage& image, size_t& size)
{
    const size_t rowBytes = size_t(image.width()) * BytesPerPixel;
    size = size_t(image.height()) * (rowBytes + 1);
    TBytes filtered(new unsigned char[size]);
    std::vector<unsigned char> previous(rowBytes, 0);
    std::vector<unsigned char> current(rowBytes);
    const size_t scanBytes = size_t(image.bytesPerLine());
    unsigned char* out = filtered.get();
    for (int y = 0; y < image.height(); ++y) {
        *out++ = FilterUp;
        const bool sameAsAbove = y > 0 && std::memcmp(image.constScanLine(y),
                                                      image.constScanLine(y - 1), scanBytes) == 0;
        if (sameAsAbove) {
            std::memset(out, 0, rowBytes);
        } else {
            ToRgb(image, y, current.data());
            for (size_t i = 0; i < rowBytes; ++i)
                out[i] = uchar(current[i] - previous[i]);
            previous.swap(current);
        }
        out += rowBytes;
    }
    return filtered;
}

std::vector<unsigned char> Deflated(unsigned char* raw, size_t size)
{
    z_stream stream{};
    // Run-length matches never use the hash table: a small one is quicker to clear.
    if (deflateInit2(&stream, 1, Z_DEFLATED, MAX_WBITS, 6, Z_RLE) != Z_OK)
        throw EZintException("out of memory");
    std::vector<unsigned char> packed(deflateBound(&stream, uLong(size)));
    stream.next_in = raw;
    stream.avail_in = uInt(size);
    stream.next_out = packed.data();
    stream.avail_out = uInt(packed.size());
    const int result = deflate(&stream, Z_FINISH);
    packed.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        throw EZintException("The picture could not be compressed.");
    return packed;
}

QByteArray EncodePng(const QImage& image)
{
    unsigned char header[13];
    qToBigEndian(quint32(image.width()), header);
    qToBigEndian(quint32(image.height()), header + 4);
    header[8] = 8;  // bits per sample
    header[9] = 2;  // truecolour
    header[10] = 0; // deflate
    header[11] = 0; // adaptive filtering
    header[12] = 0; // no interlace

    size_t rawSize = 0;
    const TBytes raw = FilteredRows(image, rawSize);
    const std::vector<unsigned char> packed = Deflated(raw.get(), rawSize);

    QByteArray out;
    out.reserve(qsizetype(sizeof Signature + 3 * 12 + sizeof header + packed.size()));
    out.append(reinterpret_cast<const char*>(Signature), sizeof Signature);
    AppendChunk(out, "IHDR", header, sizeof header);
    AppendChunk(out, "IDAT", packed.data(), packed.size());
    AppendChunk(out, "IEND", nullptr, 0);
    return out;
}

} // namespace

void WritePng(const QImage& image, QIODevice& device)
{
    const QImage source =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_RGB888
            ? image
            : image.convertToFormat(QImage::Format_RGB32);
    const QByteArray png = EncodePng(source);
    if (device.write(png) != png.size())
        throw EZintException(device.errorString().toStdString());
}
