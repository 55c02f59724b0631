// Verification reads a picture as a scanner would: nothing added around it, the number the
// encoder really made, and large modules as well as small.
#include "cli/verify_read_back.h"
#include "render/render_pipeline.h"
#include "render/render_settings.h"
#include "render/zint_metafile.h"
#include "symbol/zint_symbol.h"
#include "symbol/zint_symbol_options.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {
// The symbol's modules drawn as squares of `pixels`, with `quiet` modules of white around;
// with `seam` the top pixel row of the bottom module row (the solid edge) stays light, as
// in a faulty raster.
QImage DrawMatrix(TZintSymbology symbology, const QString& text, int pixels, int quiet,
                  bool seam = false)
{
    TZintSymbol symbol;
    symbol.SetSymbolType(symbology);
    symbol.set_input_mode(1);
    symbol.Encode(text, true);
    QImage image((symbol.width() + 2 * quiet) * pixels, (symbol.rows() + 2 * quiet) * pixels,
                 QImage::Format_Grayscale8);
    image.fill(0xFF);
    for (int y = 0; y < image.height(); ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x)
            if (symbol.module(y / pixels - quiet, x / pixels - quiet))
                line[x] = 0;
    }
    if (seam) {
        uchar* line = image.scanLine((symbol.rows() - 1 + quiet) * pixels);
        std::fill(line, line + image.width(), uchar(0xFF));
    }
    return image;
}

const QString MatrixText = QStringLiteral("Lintaro 2026");
} // namespace

TEST(VerifyReadBack, ReadsThePictureWithoutAddingAQuietZone)
{
    struct TCase
    {
        TZintSymbology Symbology;
        int Pixels;
        int Quiet;
        bool Reads;
        bool Seam = false;
    };
    const TCase cases[] = {
        {TZintSymbology::zsDATAMATRIX, 4, 2, true},
        {TZintSymbology::zsDATAMATRIX, 4, 0, false},
        // Aztec needs no quiet zone.
        {TZintSymbology::zsAZTEC, 4, 0, true},
        // Modules some tens of pixels wide read as they are, without reducing the picture, which
        // would also blur away the light seam of a faulty raster.
        {TZintSymbology::zsDATAMATRIX, 30, 1, true},
        {TZintSymbology::zsDATAMATRIX, 30, 0, false},
        {TZintSymbology::zsDATAMATRIX, 17, 1, false, true},
        {TZintSymbology::zsQRCODE, 33, 4, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << SymbologyCatalogue[std::size_t(c.Symbology)].EnumName
                                        << ", " << c.Pixels << " px, quiet " << c.Quiet);
        const QImage image = DrawMatrix(c.Symbology, MatrixText, c.Pixels, c.Quiet, c.Seam);
        const TReadBackCheck check = CheckReadBack(c.Symbology, MatrixText, {}, image);
        EXPECT_TRUE(check.Verifiable);
        EXPECT_EQ(check.Matches, c.Reads)
            << check.Read.value_or(QStringLiteral("<nothing>")).toStdString();
    }
}

TEST(VerifyReadBack, ExpectsWhatTheEncoderMade)
{
    struct TCase
    {
        TZintSymbology Symbology;
        QString Text;
        QString Primary;
        std::optional<QString> Expected;
    };
    const QChar gs(0x1D);
    const TCase cases[] = {
        // Eight digits are not an EAN-8 to libzint: it pads them to an EAN-13.
        {TZintSymbology::zsEANX, QStringLiteral("12345670"), {}, QStringLiteral("0000123456708")},
        {TZintSymbology::zsEANX, QStringLiteral("9638507"), {}, QStringLiteral("96385074")},
        {TZintSymbology::zsEANX,
         QStringLiteral("12345670+1"),
         {},
         QStringLiteral("0000123456708 01")},
        {TZintSymbology::zsEANX,
         QStringLiteral("590123412345+54321"),
         {},
         QStringLiteral("5901234123457 54321")},
        // Up to five digits are an add-on alone, which the decoder does not read.
        {TZintSymbology::zsEANX, QStringLiteral("12"), {}, std::nullopt},
        {TZintSymbology::zsUPCE, QStringLiteral("1234565"), {}, QStringLiteral("12345656")},
        {TZintSymbology::zsUPCA,
         QStringLiteral("03600029145+12"),
         {},
         QStringLiteral("036000291452 12")},
        {TZintSymbology::zsISBNX,
         QStringLiteral("0306406152"),
         {},
         QStringLiteral("9780306406157")},
        {TZintSymbology::zsMAXICODE, QStringLiteral("Text"), QStringLiteral("1234567890"),
         QStringLiteral("1234") + gs + QStringLiteral("567") + gs + QStringLiteral("890") + gs +
             QStringLiteral("Text")},
        {TZintSymbology::zsMAXICODE, QStringLiteral("Text"), QStringLiteral("123456789840001"),
         QStringLiteral("123456789") + gs + QStringLiteral("840") + gs + QStringLiteral("001") +
             gs + QStringLiteral("Text")},
        {TZintSymbology::zsMAXICODE, QStringLiteral("Text"), {}, QStringLiteral("Text")},
        {TZintSymbology::zsCODE11, QStringLiteral("123"), {}, std::nullopt},
        // The check-digit variants take the digit in the text and read as the text.
        {TZintSymbology::zsEANX_CHK,
         QStringLiteral("5901234123457+12"),
         {},
         QStringLiteral("5901234123457 12")},
        {TZintSymbology::zsUPCE_CHK, QStringLiteral("12345656"), {}, QStringLiteral("12345656")},
        {TZintSymbology::zsVIN,
         QStringLiteral("1M8GDM9AXKP042788"),
         {},
         QStringLiteral("1M8GDM9AXKP042788")},
        {TZintSymbology::zsHANXIN, QStringLiteral("Text"), {}, std::nullopt},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text.toStdString() + " / " + c.Primary.toStdString());
        EXPECT_EQ(ExpectedReadBack(c.Symbology, c.Text, c.Primary), c.Expected);
    }
}

TEST(VerifyReadBack, MaxiCodeModesFourToSixCarryNoPrimaryMessage)
{
    const QString primary = QStringLiteral("1234567890");
    TZintSymbol symbol;
    symbol.SetSymbolType(TZintSymbology::zsMAXICODE);
    for (const auto& [mode, carried] :
         {std::pair{TmcMode::mcmAuto, primary}, std::pair{TmcMode::mcmMode2, primary},
          std::pair{TmcMode::mcmMode3, primary}, std::pair{TmcMode::mcmMode4, QString()},
          std::pair{TmcMode::mcmMode5, QString()}, std::pair{TmcMode::mcmMode6, QString()}}) {
        symbol.MaxiCodeOptions()->SetMode(mode);
        EXPECT_EQ(PrimaryMessageCarried(symbol, primary), carried) << int(mode);
    }
    // The same integer means something else to other symbologies.
    symbol.SetSymbolType(TZintSymbology::zsQRCODE);
    EXPECT_EQ(PrimaryMessageCarried(symbol, primary), primary);
}

// Every symbology renders its catalogue sample at the default settings; where a reader
// exists, the picture reads back as the symbology defines.
TEST(VerifyReadBack, EverySampleReadsBackAtTheDefaultSettings)
{
    const TRenderSettings settings;
    for (const TSymbologyEntry& entry : SymbologyCatalogue) {
        SCOPED_TRACE(entry.EnumName);
        const QString text = QString::fromUtf8(entry.Traits.SampleText);
        TZintSymbol symbol;
        QImage image;
        ASSERT_NO_THROW(
            image = RenderedImage(RenderSymbolToMetafile(PrepareSymbol(symbol, entry.Symbology),
                                                         text, settings, QSize(303, 417)),
                                  settings));
        ASSERT_FALSE(image.isNull());
        const TReadBackCheck check = CheckReadBack(
            entry.Symbology, text, PrimaryMessageCarried(symbol, settings.PrimaryMessage), image);
        EXPECT_EQ(check.Verifiable, entry.Traits.IsReadable());
        EXPECT_EQ(check.Matches, check.Verifiable)
            << check.Read.value_or(QStringLiteral("<nothing>")).toStdString();
    }
}
