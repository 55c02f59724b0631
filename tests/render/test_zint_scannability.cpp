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

// Texts short enough for the preview area's few hundred pixels.
class PreviewScannability : public Scannability
{};

TEST_P(PreviewScannability, ReadsBackInThePreviewAreaLayout)
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

const ScanCase ShortTexts[] = {
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
    ScanCase{"DataBar", TZS::zsRSS14, "0950110153001", BarcodeFormat::DataBar, "09501101530010"},
    ScanCase{"QRCode", TZS::zsQRCODE, "Lintaro QR Grüße", BarcodeFormat::QRCode,
             "Lintaro QR Grüße"},
    ScanCase{"DataMatrix", TZS::zsDATAMATRIX, "Lintaro DM 2024", BarcodeFormat::DataMatrix,
             "Lintaro DM 2024"},
    ScanCase{"Aztec", TZS::zsAZTEC, "Lintaro Aztec", BarcodeFormat::Aztec, "Lintaro Aztec"},
    ScanCase{"PDF417", TZS::zsPDF417, "Lintaro PDF417", BarcodeFormat::PDF417, "Lintaro PDF417"},
    // Without a primary message the text stands alone (mode 4).
    ScanCase{"MaxiCode", TZS::zsMAXICODE, "Lintaro MaxiCode", BarcodeFormat::MaxiCode,
             "Lintaro MaxiCode"},
    ScanCase{"EANWithCheckDigit", TZS::zsEANX_CHK, "5901234123457", BarcodeFormat::EAN13,
             "5901234123457"},
    ScanCase{"UPCAWithCheckDigit", TZS::zsUPCA_CHK, "036000291452", BarcodeFormat::UPCA,
             "036000291452"},
    ScanCase{"UPCEWithCheckDigit", TZS::zsUPCE_CHK, "01234565", BarcodeFormat::UPCE, "01234565"},
    ScanCase{"UPNQR", TZS::zsUPNQR, "UPNQR ŠKOFJA LOKA", BarcodeFormat::QRCode,
             "UPNQR ŠKOFJA LOKA"}};

std::string CaseName(const testing::TestParamInfo<ScanCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(PreviewPicture, Scannability, testing::ValuesIn(ShortTexts), CaseName);
INSTANTIATE_TEST_SUITE_P(PreviewPicture, PreviewScannability, testing::ValuesIn(ShortTexts),
                         CaseName);

// Texts too long for the preview area: read at the default settings only.
INSTANTIATE_TEST_SUITE_P(LongText, Scannability,
                         testing::Values(ScanCase{"VIN", TZS::zsVIN, "1M8GDM9AXKP042788",
                                                  BarcodeFormat::Code39, "1M8GDM9AXKP042788"},
                                         ScanCase{"DPD", TZS::zsDPD, "%000393206219912345678101040",
                                                  BarcodeFormat::Code128,
                                                  "%000393206219912345678101040"}),
                         CaseName);

} // namespace

namespace {
// ISO/IEC 16023's nominal MaxiCode, its one-module quiet zones included.
constexpr double MaxiCodeWidthMm = 28.14;
constexpr double MaxiCodeHeightMm = 26.91;
// The hexagons' own geometry and whole pixels make it a little taller.
constexpr double MaxiCodeToleranceMm = 0.8;

double Millimetres(int pixels, int dpi)
{
    return pixels * 25.4 / dpi;
}

QImage RenderMaxiCode(TZintSymbol& symbol, const TRenderSettings& settings)
{
    PrepareSymbol(symbol, TZintSymbology::zsMAXICODE);
    return RenderedImage(
        RenderSymbolToMetafile(symbol, QStringLiteral("Lintaro MaxiCode"), settings, DefaultArea),
        settings);
}
} // namespace

// MaxiCode has one size: with modules in pixels (the default) it is drawn at that size at
// the resolution, whatever the pixel count.
TEST(MaxiCodeOutput, PixelModulesDrawTheStandardSizeAtTheResolution)
{
    for (const int dpi : {300, 600, 203}) {
        for (const float pixels : {2.0f, 5.0f}) {
            TRenderSettings settings;
            settings.Dpi = dpi;
            settings.ModuleSize = pixels;
            TZintSymbol symbol;
            const QImage picture = RenderMaxiCode(symbol, settings);
            SCOPED_TRACE(std::to_string(dpi) + " dpi, " + std::to_string(picture.width()) + " x " +
                         std::to_string(picture.height()));
            EXPECT_NEAR(Millimetres(picture.width(), dpi), MaxiCodeWidthMm, MaxiCodeToleranceMm);
            EXPECT_NEAR(Millimetres(picture.height(), dpi), MaxiCodeHeightMm, MaxiCodeToleranceMm);
            EXPECT_EQ(DecodeImage(picture, ZXing::BarcodeFormat::MaxiCode).Text.toStdString(),
                      "Lintaro MaxiCode");
        }
    }
}

// A module size in millimetres is the user's own choice of size, and applies as given.
TEST(MaxiCodeOutput, ModulesInMillimetresApplyAsGiven)
{
    TRenderSettings settings;
    settings.ModuleSizeMode = TModuleSizeMode::msmMillimetres;
    settings.ModuleSize = 0.5f;
    TZintSymbol symbol;
    const QImage picture = RenderMaxiCode(symbol, settings);
    const int quietModules = 2;
    EXPECT_EQ(picture.width(),
              int(std::ceil(ModuleWidthInPixels(settings) * (symbol.width() + quietModules))));
    EXPECT_LT(Millimetres(picture.width(), settings.Dpi), MaxiCodeWidthMm - 5);
}

// The primary message is the user's: none unless given, and then in front of the text as a
// structured carrier message (postcode 1234, country 567, service 890).
TEST(MaxiCodeOutput, OnlyAGivenPrimaryMessageIsCarried)
{
    const struct
    {
        const char* Primary;
        const char* Read;
    } cases[] = {
        {"", "Lintaro MaxiCode"},
        {"1234567890", "1234\x1D"
                       "567\x1D"
                       "890\x1D"
                       "Lintaro MaxiCode"},
    };
    for (const auto& c : cases) {
        TRenderSettings settings;
        settings.PrimaryMessage = QString::fromLatin1(c.Primary);
        TZintSymbol symbol;
        EXPECT_EQ(DecodeImage(RenderMaxiCode(symbol, settings), ZXing::BarcodeFormat::MaxiCode)
                      .Text.toStdString(),
                  c.Read)
            << c.Primary;
    }
}
