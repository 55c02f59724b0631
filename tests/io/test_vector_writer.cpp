#include "pdf_pages.h"

#include "base/zint_exception.h"
#include "io/entry_export.h"
#include "io/image_format.h"
#include "io/vector_writer.h"
#include "render/render_pipeline.h"
#include "render/render_settings.h"
#include "render/zint_metafile.h"
#include "support/barcode_decoder.h"
#include "support/failing_device.h"
#include "symbol/zint_symbol.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {
struct TSymbolCase
{
    TZintSymbology Symbology;
    const char* Text;
    ZXing::BarcodeFormat Format;
    const char* Decoded;
};

const TSymbolCase Symbols[] = {
    {TZintSymbology::zsCODE128, "Lintaro-128", ZXing::BarcodeFormat::Code128, "Lintaro-128"},
    {TZintSymbology::zsQRCODE, "Grüße 2024", ZXing::BarcodeFormat::QRCode, "Grüße 2024"},
    {TZintSymbology::zsDATAMATRIX, "DataMatrix 71", ZXing::BarcodeFormat::DataMatrix,
     "DataMatrix 71"},
    {TZintSymbology::zsEANX, "590123412345", ZXing::BarcodeFormat::EAN13, "5901234123457"},
    // MaxiCode carries the primary message (postcode, country, service) in front.
    // Without a primary message the text stands alone.
    {TZintSymbology::zsMAXICODE, "Lintaro", ZXing::BarcodeFormat::MaxiCode, "Lintaro"},
};

TMetafile Picture(TZintSymbology symbology, const char* text, const TRenderSettings& settings)
{
    TZintSymbol symbol;
    return RenderSymbolToMetafile(PrepareSymbol(symbol, symbology), QString::fromUtf8(text),
                                  settings, QSize(303, 417));
}

QByteArray Written(const TMetafile& picture, int dpi, TImageFileFormat format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WriteVector(picture, dpi, format, buffer);
    return bytes;
}

QImage SvgDrawnAtViewBox(const QByteArray& svg)
{
    QSvgRenderer renderer(svg);
    QImage image(renderer.viewBox().size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QImage PdfPageDrawn(const QByteArray& pdf, int dpi)
{
    const std::vector<QImage> pages = PdfPagesDrawn(pdf, dpi, 1, 1);
    return pages.empty() ? QImage() : pages.front();
}

double Millimetres(const QString& length)
{
    EXPECT_TRUE(length.endsWith(QLatin1String("mm"))) << length.toStdString();
    return length.chopped(2).toDouble();
}

TRenderSettings WithoutText()
{
    TRenderSettings settings;
    settings.ShowText = false;
    return settings;
}
} // namespace

// The SVG is well-formed XML sized in millimetres from the resolution, and Qt SVG draws it to
// exactly the raster picture's pixels (text aside, whose glyphs each renderer places itself).
TEST(VectorWriter, SvgIsXmlOfThePhysicalSizeAndDrawsThePicturesPixels)
{
    for (const int dpi : {300, 600, 96}) {
        for (const TSymbolCase& c : Symbols) {
            SCOPED_TRACE(std::string(c.Text) + " at " + std::to_string(dpi));
            TRenderSettings settings = WithoutText();
            settings.Dpi = dpi;
            const TMetafile picture = Picture(c.Symbology, c.Text, settings);
            const QByteArray svg = Written(picture, dpi, TImageFileFormat::iffSvg);

            QXmlStreamReader xml(svg);
            while (!xml.atEnd() && !(xml.readNext() == QXmlStreamReader::StartElement &&
                                     xml.name() == QLatin1String("svg")))
                ;
            const QXmlStreamAttributes root = xml.attributes();
            EXPECT_EQ(root.value(QLatin1String("viewBox")).toString(),
                      QStringLiteral("0 0 %1 %2").arg(picture.Width()).arg(picture.Height()));
            EXPECT_NEAR(Millimetres(root.value(QLatin1String("width")).toString()),
                        picture.Width() * 25.4 / dpi, 1e-4);
            EXPECT_NEAR(Millimetres(root.value(QLatin1String("height")).toString()),
                        picture.Height() * 25.4 / dpi, 1e-4);
            while (!xml.atEnd())
                xml.readNext();
            EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();

            // MaxiCode's hexagons and rings are smoothed by any vector renderer.
            if (c.Symbology != TZintSymbology::zsMAXICODE) {
                EXPECT_EQ(SvgDrawnAtViewBox(svg), RasteriseMetafile(picture));
            }
        }
    }
}

// A PDF page is the picture to the millionth of a point, also when that is not a whole number
// of points, and the page drawn by Poppler at the resolution reads back.
TEST(VectorWriter, PdfPageIsExactlyThePictureAndReadsBack)
{
    for (const TSymbolCase& c : Symbols) {
        SCOPED_TRACE(c.Text);
        const TRenderSettings settings;
        const TMetafile picture = Picture(c.Symbology, c.Text, settings);
        const QByteArray pdf = Written(picture, settings.Dpi, TImageFileFormat::iffPdf);
        ASSERT_TRUE(pdf.startsWith("%PDF-"));
        const std::vector<QRectF> boxes = PdfPageBoxes(pdf);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NEAR(boxes[0].width(), picture.Width() * 72.0 / settings.Dpi, 1e-5);
        EXPECT_NEAR(boxes[0].height(), picture.Height() * 72.0 / settings.Dpi, 1e-5);

        const QImage page = PdfPageDrawn(pdf, settings.Dpi * 2);
        EXPECT_EQ(page.size(), picture.Size() * 2);
        EXPECT_EQ(DecodeImage(page, c.Format).Text, QString::fromUtf8(c.Decoded));
    }
}

// Black and white in two colours: a reader's antialiasing leaves a faint fringe on edges.
QImage Thresholded(const QImage& image)
{
    QImage result = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x)
            result.setPixel(x, y,
                            qGray(result.pixel(x, y)) < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return result;
}

// With whole-pixel modules the page drawn at the picture's own resolution has its pixels:
// nothing moved by the page being cut from whole points to the picture's 8.64 x 8.64.
TEST(VectorWriter, PdfDrawnAtItsResolutionHasThePicturesPixels)
{
    const TRenderSettings settings = WithoutText();
    const TMetafile picture = Picture(TZintSymbology::zsDATAMATRIX, "DataMatrix 71", settings);
    const QByteArray pdf = Written(picture, settings.Dpi, TImageFileFormat::iffPdf);
    EXPECT_EQ(Thresholded(PdfPageDrawn(pdf, settings.Dpi)), RasteriseMetafile(picture));
}

// Bars that only touch become one shape: an antialiasing viewer at any zoom shows no lighter
// line where two of them meet.
TEST(VectorWriter, TouchingBarsShowNoSeamWhenZoomed)
{
    TMetafile picture(20, 20);
    picture.AddRectFill(QRect(0, 0, 20, 20), Qt::white);
    picture.AddRectFill(QRect(2, 2, 10, 7), Qt::black);
    picture.AddRectFill(QRect(2, 9, 10, 7), Qt::black);
    picture.AddRectFill(QRect(12, 2, 5, 14), Qt::black);
    const QByteArray svg = Written(picture, 300, TImageFileFormat::iffSvg);
    QSvgRenderer renderer(svg);
    QImage zoomed(30, 30, QImage::Format_RGB32);
    zoomed.fill(Qt::white);
    QPainter painter(&zoomed);
    renderer.render(&painter);
    painter.end();
    // The shared edges fall at 13.5 (rows) and 18 (columns) in the zoomed picture.
    for (int x = 4; x < 25; ++x)
        EXPECT_EQ(zoomed.pixel(x, 13), qRgb(0, 0, 0)) << x;
    for (int y = 4; y < 23; ++y)
        EXPECT_EQ(zoomed.pixel(17, y), qRgb(0, 0, 0)) << y;
}

TEST(VectorWriter, EmptyPictureAndRasterFormatsAreRefused)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_THROW(WriteVector(TMetafile(30, 30), 300, TImageFileFormat::iffPdf, buffer),
                 EZintException);
    TMetafile picture(30, 30);
    picture.AddRectFill(QRect(0, 0, 30, 30), Qt::white);
    EXPECT_THROW(WriteVector(picture, 300, TImageFileFormat::iffPng, buffer), EZintException);
    EXPECT_TRUE(bytes.isEmpty());
}

// The folder export's writer picks vector or raster by the extension, and never replaces.
// A device that fills up anywhere in the file, even on its last byte, is reported.
TEST(VectorWriter, DeviceFillingUpPartWayIsReported)
{
    const TMetafile picture = Picture(TZintSymbology::zsQRCODE, "Lintaro", TRenderSettings());
    for (const auto format : {TImageFileFormat::iffSvg, TImageFileFormat::iffPdf}) {
        SCOPED_TRACE(static_cast<int>(format));
        const qint64 size = Written(picture, 300, format).size();
        for (const qint64 capacity : {qint64(0), size / 2, size - 1}) {
            SCOPED_TRACE(capacity);
            TFailingDevice device(capacity);
            EXPECT_THROW(WriteVector(picture, 300, format, device), EZintException);
            EXPECT_TRUE(device.Refused());
        }
    }
}

TEST(VectorWriter, SavedPictureTakesTheFormatOfItsExtension)
{
    QTemporaryDir dir;
    const TRenderSettings settings;
    const TMetafile picture = Picture(TZintSymbology::zsQRCODE, "Lintaro", settings);
    const std::pair<const char*, QByteArray> cases[] = {
        {"1.svg", "<?xml"}, {"1.pdf", "%PDF-"}, {"1.png", "\x89PNG"}};
    for (const auto& [name, magic] : cases) {
        const QString path = dir.filePath(QLatin1String(name));
        EXPECT_EQ(SavePictureToNewFile(picture, settings, path), path);
        EXPECT_EQ(SavePictureToNewFile(picture, settings, path),
                  dir.filePath(QLatin1String(name).left(1) + QStringLiteral(" (2)") +
                               QLatin1String(name).mid(1)));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().startsWith(magic)) << name;
    }
}
