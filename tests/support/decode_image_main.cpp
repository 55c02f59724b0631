// Prints the text of the first barcode of the given format found in an image file; used by
// scripts/screenshot-check on a screen shot of the running program.
#include "support/barcode_decoder.h"

#include <QCoreApplication>
#include <QImage>

#include <ZXing/BarcodeFormat.h>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IMAGE FORMAT (for example Code39)\n", argv[0]);
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    const QString text = DecodeImage(image, ZXing::BarcodeFormatFromString(argv[2])).Text;
    if (text.isEmpty())
        return 1;
    std::printf("%s\n", text.toUtf8().constData());
    return 0;
}
