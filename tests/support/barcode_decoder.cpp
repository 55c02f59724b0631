#include "support/barcode_decoder.h"

#include <QImage>
#include <QProcess>

#define ZX_USE_UTF8 1 // text() as UTF-8
#include <ZXing/ReadBarcode.h>

TDecoded DecodeImage(const QImage& image, ZXing::BarcodeFormats formats)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    if (grey.isNull())
        return {};
    ZXing::DecodeHints hints;
    hints.setFormats(formats);
    hints.setTryHarder(true);
    hints.setReturnCodabarStartEnd(true);
    hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Read);
    // The MaxiCode reader only handles an unrotated symbol filling the picture's dark area.
    hints.setIsPure(formats == ZXing::BarcodeFormat::MaxiCode);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, int(grey.bytesPerLine()));
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return {};
    return {QString::fromStdString(result.text()), result.ecLevel()};
}

TDecoded DecodeFile(const QString& path, ZXing::BarcodeFormats formats)
{
    return DecodeImage(QImage(path), formats);
}

QString DecodeFileWithZbar(const QString& path)
{
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"),
               {QStringLiteral("--quiet"), QStringLiteral("--raw"), path});
    if (!zbar.waitForFinished(30000) || zbar.exitStatus() != QProcess::NormalExit)
        return {};
    return QString::fromUtf8(zbar.readAllStandardOutput().trimmed());
}
