#include "io/barcode_image.h"

#include <zint.h>

#include <memory>
#include <stdexcept>

QImage MakeBarcodeImage(const std::string& text, int width, int height)
{
    std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> symbol(ZBarcode_Create(), ZBarcode_Delete);
    symbol->symbology = BARCODE_CODE128;
    symbol->scale = 0.5f; // one pixel per module
    const auto* data = reinterpret_cast<const unsigned char*>(text.data());
    if (ZBarcode_Encode_and_Buffer(symbol.get(), data, static_cast<int>(text.size()), 0) >=
        ZINT_ERROR)
        throw std::runtime_error(symbol->errtxt);

    if (symbol->bitmap_width > width || symbol->bitmap_height > height)
        throw std::runtime_error("barcode larger than the picture");

    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int left = (width - symbol->bitmap_width) / 2;
    const int top = (height - symbol->bitmap_height) / 2;
    for (int y = 0; y < symbol->bitmap_height; ++y) {
        for (int x = 0; x < symbol->bitmap_width; ++x) {
            const unsigned char* rgb = symbol->bitmap + 3 * (y * symbol->bitmap_width + x);
            image.setPixel(left + x, top + y, qRgb(rgb[0], rgb[1], rgb[2]));
        }
    }
    return image;
}
