#include "decode_barcode.h"

#include <QImage>
#include <QPainter>

#define ZX_USE_UTF8 1 // text() as UTF-8
#include <ZXing/ReadBarcode.h>

QString DecodeBarcode(const QImage& image, ZXing::BarcodeFormat format)
{
    // The program draws no quiet zone unless a margin is set; the decoder needs one, as a
    // label needs white paper around it.
    constexpr int QuietZone = 40;
    QImage gray(image.width() + 2 * QuietZone, image.height() + 2 * QuietZone,
                QImage::Format_Grayscale8);
    gray.fill(Qt::white);
    QPainter(&gray).drawImage(QuietZone, QuietZone, image);
    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(),
                                ZXing::ImageFormat::Lum, int(gray.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    hints.setTryHarder(true);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? QString::fromStdString(result.text()) : QString();
}
