#include "render/render_pipeline.h"
#include "render/render_settings.h"
#include "render/zint_metafile.h"
#include "support/barcode_decoder.h"
#include "symbol/zint_symbol.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

// What a scanner must read back from the rendered picture, drawn with its text.
namespace {

struct ScanCase
{
    const char* name;
    TZintSymbology symbology;
    const char* input;
    ZXing::BarcodeFormat format;
    const char* decoded; // the content a reader reports, check digits included
};

void PrintTo(const ScanCase& scanCase, std::ostream* os)
{
    *os << scanCase.name;
}

const QSize DefaultArea(303, 417);

// The preview area's own layout, centred like a symbol a scanner is aimed at (the readers
// search outwards from the middle), with a white border for the symbologies that need one.
TRenderSettings PreviewLayoutWithQuietZone()
{
    TRenderSettings settings = PreviewAreaLayoutSettings();
    settings.HAlign = TZintHAlign::haCenter;
    settings.VAlign = TZintVAlign::vaCenter;
    settings.Whitespace = {{0, 4}, {0, 10}, {0, 10}, {0, 4}};
    return settings;
}

class Scannability : public testing::TestWithParam<ScanCase>
{
protected:
    QImage Render(const TRenderSettings& settings)
    {
        PrepareSymbol(symbol, GetParam().symbology);
        return RenderedImage(RenderSymbolToMetafile(symbol, QString::fromUtf8(GetParam().input),
                                                    settings, DefaultArea),
                             settings);
    }

    TZintSymbol symbol;
};

TEST_P(Scannability, ReadsBackInThePreviewAreaLayout)
{
    const QImage picture = Render(PreviewLayoutWithQuietZone());
    ASSERT_EQ(picture.size(), DefaultArea);
    EXPECT_EQ(DecodeImage(picture, GetParam().format).Text.toStdString(), GetParam().decoded);
}

TEST_P(Scannability, ReadsBackAtTheDefaultSettings)
{
    const QImage picture = Render(TRenderSettings());
    EXPECT_EQ(DecodeImage(picture, GetParam().format).Text.toStdString(), GetParam().decoded)
        << "at " << picture.width() << " x " << picture.height();
}

using ZXing::BarcodeFormat;
using TZS = TZintSymbology;

INSTANTIATE_TEST_SUITE_P(
    PreviewPicture, Scannability,
    testing::Values(
        ScanCase{"Code128", TZS::zsCODE128, "Lintaro-128", BarcodeFormat::Code128, "Lintaro-128"},
        // Unicode input reaches the encoder as text, not as its UTF-8 bytes.
        ScanCase{"Code128Latin1", TZS::zsCODE128, "Müller", BarcodeFormat::Code128, "Müller"},
        ScanCase{"Code39", TZS::zsCODE39, "LIN-39", BarcodeFormat::Code39, "LIN-39"},
        ScanCase{"Code93", TZS::zsCODE93, "LINTARO93", BarcodeFormat::Code93, "LINTARO93"},
        ScanCase{"Codabar", TZS::zsCODABAR, "A40156B", BarcodeFormat::Codabar, "A40156B"},
        ScanCase{"Interleaved2of5", TZS::zsC25INTER, "12345670", BarcodeFormat::ITF, "12345670"},
        ScanCase{"EAN13", TZS::zsEANX, "590123412345", BarcodeFormat::EAN13, "5901234123457"},
        ScanCase{"EAN13AddOn2", TZS::zsEANX, "590123412345+12", BarcodeFormat::EAN13,
                 "5901234123457 12"},
        ScanCase{"EAN13AddOn5", TZS::zsEANX, "590123412345+52495", BarcodeFormat::EAN13,
                 "5901234123457 52495"},
        ScanCase{"EAN8", TZS::zsEANX, "9638507", BarcodeFormat::EAN8, "96385074"},
        ScanCase{"UPCA", TZS::zsUPCA, "03600029145", BarcodeFormat::UPCA, "036000291452"},
        ScanCase{"UPCE", TZS::zsUPCE, "0123456", BarcodeFormat::UPCE, "01234565"},
        ScanCase{"DataBar", TZS::zsRSS14, "0950110153001", BarcodeFormat::DataBar,
                 "09501101530010"},
        ScanCase{"QRCode", TZS::zsQRCODE, "Lintaro QR Grüße", BarcodeFormat::QRCode,
                 "Lintaro QR Grüße"},
        ScanCase{"DataMatrix", TZS::zsDATAMATRIX, "Lintaro DM 2024", BarcodeFormat::DataMatrix,
                 "Lintaro DM 2024"},
        ScanCase{"Aztec", TZS::zsAZTEC, "Lintaro Aztec", BarcodeFormat::Aztec, "Lintaro Aztec"},
        ScanCase{"PDF417", TZS::zsPDF417, "Lintaro PDF417", BarcodeFormat::PDF417,
                 "Lintaro PDF417"},
        // The fixed primary message "1234567890" makes a structured carrier message:
        // postcode 1234, country 567, service 890, then the text.
        ScanCase{"MaxiCode", TZS::zsMAXICODE, "Lintaro MaxiCode", BarcodeFormat::MaxiCode,
                 "1234\x1D"
                 "567\x1D"
                 "890\x1D"
                 "Lintaro MaxiCode"}),
    [](const testing::TestParamInfo<ScanCase>& info) { return std::string(info.param.name); });

} // namespace
