#include "cli/verify_read_back.h"

#include "symbol/zint_symbol.h"
#include "symbol/zint_symbol_options.h"

#include <QImage>

#define ZX_USE_UTF8 1 // Result::text() as UTF-8
#include <ZXing/ReadBarcode.h>

namespace {
using ZXing::BarcodeFormat;

// How the read text follows from the input.
enum class TExpectation
{
    exExact,
    exUpper,            // Code 39 and Codabar fold letters to capitals
    exHibc,             // "+", capitals, mod-43 check character
    exEncodedDigits,    // EAN/UPC: the digits the encoder put in, check digit and add-on
    exGs1,              // bracketed application identifiers without their brackets
    exGs1Parenthesised, // bracketed application identifiers in parentheses
    exDataBar,          // GTIN-14: 13 digits and check digit
    exEan14,            // AI 01 with a GTIN-14
    exNve18,            // AI 00 with an SSCC-18
    exInterleaved,      // even number of digits, a leading 0 added when odd
    exItf14,            // 13 digits and check digit
    exLeitcode,         // 13 digits and Deutsche Post check digit
    exIdentcode,        // 11 digits and Deutsche Post check digit
    exMaxiCode          // the primary message's postcode, country and service before the text
};

struct TReadBackRule
{
    TZintSymbology Symbology;
    BarcodeFormat Format;
    TExpectation Expectation;
};

// ZXing-C++ 1.4 reads no DataBar Limited, stacked DataBar Expanded, composite, MicroPDF417,
// Codablock, Code 16K/49, postal or 2-of-5 variant other than Interleaved.
constexpr TReadBackRule Rules[] = {
    {TZintSymbology::zsC25INTER, BarcodeFormat::ITF, TExpectation::exInterleaved},
    {TZintSymbology::zsCODE39, BarcodeFormat::Code39, TExpectation::exUpper},
    {TZintSymbology::zsEXCODE39, BarcodeFormat::Code39, TExpectation::exExact},
    {TZintSymbology::zsEANX, BarcodeFormat(int(BarcodeFormat::EAN8) | int(BarcodeFormat::EAN13)),
     TExpectation::exEncodedDigits},
    {TZintSymbology::zsEAN128, BarcodeFormat::Code128, TExpectation::exGs1},
    {TZintSymbology::zsCODABAR, BarcodeFormat::Codabar, TExpectation::exUpper},
    {TZintSymbology::zsCODE128, BarcodeFormat::Code128, TExpectation::exExact},
    {TZintSymbology::zsDPLEIT, BarcodeFormat::ITF, TExpectation::exLeitcode},
    {TZintSymbology::zsDPIDENT, BarcodeFormat::ITF, TExpectation::exIdentcode},
    {TZintSymbology::zsCODE93, BarcodeFormat::Code93, TExpectation::exExact},
    {TZintSymbology::zsRSS14, BarcodeFormat::DataBar, TExpectation::exDataBar},
    {TZintSymbology::zsRSS_EXP, BarcodeFormat::DataBarExpanded, TExpectation::exGs1Parenthesised},
    {TZintSymbology::zsUPCA, BarcodeFormat::UPCA, TExpectation::exEncodedDigits},
    {TZintSymbology::zsUPCE, BarcodeFormat::UPCE, TExpectation::exEncodedDigits},
    {TZintSymbology::zsLOGMARS, BarcodeFormat::Code39, TExpectation::exUpper},
    {TZintSymbology::zsPDF417, BarcodeFormat::PDF417, TExpectation::exExact},
    {TZintSymbology::zsPDF417TRUNC, BarcodeFormat::PDF417, TExpectation::exExact},
    {TZintSymbology::zsMAXICODE, BarcodeFormat::MaxiCode, TExpectation::exMaxiCode},
    {TZintSymbology::zsQRCODE, BarcodeFormat::QRCode, TExpectation::exExact},
    {TZintSymbology::zsCODE128B, BarcodeFormat::Code128, TExpectation::exExact},
    {TZintSymbology::zsISBNX, BarcodeFormat::EAN13, TExpectation::exEncodedDigits},
    {TZintSymbology::zsDATAMATRIX, BarcodeFormat::DataMatrix, TExpectation::exExact},
    {TZintSymbology::zsEAN14, BarcodeFormat::Code128, TExpectation::exEan14},
    {TZintSymbology::zsNVE18, BarcodeFormat::Code128, TExpectation::exNve18},
    {TZintSymbology::zsRSS14STACK, BarcodeFormat::DataBar, TExpectation::exDataBar},
    {TZintSymbology::zsRSS14STACK_OMNI, BarcodeFormat::DataBar, TExpectation::exDataBar},
    {TZintSymbology::zsITF14, BarcodeFormat::ITF, TExpectation::exItf14},
    {TZintSymbology::zsAZTEC, BarcodeFormat::Aztec, TExpectation::exExact},
    {TZintSymbology::zsMICROQR, BarcodeFormat::MicroQRCode, TExpectation::exExact},
    {TZintSymbology::zsHIBC_128, BarcodeFormat::Code128, TExpectation::exHibc},
    {TZintSymbology::zsHIBC_39, BarcodeFormat::Code39, TExpectation::exHibc},
    {TZintSymbology::zsHIBC_DM, BarcodeFormat::DataMatrix, TExpectation::exHibc},
    {TZintSymbology::zsHIBC_QR, BarcodeFormat::QRCode, TExpectation::exHibc},
    {TZintSymbology::zsHIBC_PDF, BarcodeFormat::PDF417, TExpectation::exHibc},
    {TZintSymbology::zsHIBC_AZTEC, BarcodeFormat::Aztec, TExpectation::exHibc},
};

const TReadBackRule* RuleFor(TZintSymbology symbology)
{
    for (const TReadBackRule& rule : Rules)
        if (rule.Symbology == symbology)
            return &rule;
    return nullptr;
}

// The GS1 mod-10 check digit (weights 3, 1, ... from the right) of a digit string.
QChar Gs1CheckDigit(const QString& digits)
{
    int sum = 0;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const int weight = (digits.size() - i) % 2 == 1 ? 3 : 1;
        sum += weight * digits[i].digitValue();
    }
    return QChar(u'0' + (10 - sum % 10) % 10);
}

// Deutsche Post Leitcode and Identcode: weights 4 and 9.
QChar DeutschePostCheckDigit(const QString& digits)
{
    int sum = 0;
    for (qsizetype i = 0; i < digits.size(); ++i)
        sum += (i % 2 == 0 ? 4 : 9) * digits[i].digitValue();
    return QChar(u'0' + (10 - sum % 10) % 10);
}

QChar Mod43CheckCharacter(const QString& text)
{
    static const QString set = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%");
    int sum = 0;
    for (const QChar c : text)
        sum += int(set.indexOf(c));
    return set[sum % 43];
}

QString PadDigits(const QString& digits, int length)
{
    return digits.rightJustified(length, u'0');
}

QString WithGs1CheckDigit(const QString& digits, int lengthWithoutCheck)
{
    const QString padded = PadDigits(digits, lengthWithoutCheck);
    return padded + Gs1CheckDigit(padded);
}

// A main part that already ends in its check digit keeps it; the encoder has checked it.
QString GtinWithCheckDigit(const QString& digits, int lengthWithoutCheck)
{
    if (digits.size() > lengthWithoutCheck)
        return digits;
    return WithGs1CheckDigit(digits, lengthWithoutCheck);
}

// libzint decides between EAN-8, EAN-13 and add-on only by length in ways of its own (eight
// digits make an EAN-13), so the encoder is asked: its human-readable text is the number it
// encoded, "+" before the add-on. Nothing when there is no main symbol to scan.
std::optional<QString> EncodedDigits(TZintSymbology symbology, const QString& text)
{
    TZintSymbol symbol;
    symbol.SetSymbolType(symbology);
    symbol.set_input_mode(1);
    symbol.Encode(text, false);
    const QString digits = QString::fromLatin1(symbol.text());
    const qsizetype plus = digits.indexOf(u'+');
    if (plus == 0 || digits.size() <= 5)
        return std::nullopt;
    return plus < 0 ? digits : digits.left(plus) + u' ' + digits.mid(plus + 1);
}

QString WithoutBrackets(QString text)
{
    text.remove(u'[');
    text.remove(u']');
    return text;
}

// With a primary message the encoder picks mode 2 (numeric postcode) or 3 (alphanumeric,
// six characters); the reader puts postcode, country and service before the text. Without
// one it uses mode 4, the text alone.
QString MaxiCodeReadBack(const QString& primaryMessage, const QString& text)
{
    if (primaryMessage.size() <= 6)
        return text;
    const QChar gs(0x1D);
    QString postcode = primaryMessage.left(primaryMessage.size() - 6);
    bool numeric = true;
    for (const QChar c : postcode)
        numeric = numeric && c.isDigit();
    if (!numeric)
        postcode = postcode.toUpper().leftJustified(6, u' ', true);
    return postcode + gs + primaryMessage.mid(primaryMessage.size() - 6, 3) + gs +
           primaryMessage.right(3) + gs + text;
}

bool IsGs1(TExpectation expectation)
{
    return expectation == TExpectation::exGs1 || expectation == TExpectation::exEan14 ||
           expectation == TExpectation::exNve18;
}

bool HasAddOns(TExpectation expectation)
{
    return expectation == TExpectation::exEncodedDigits;
}

ZXing::DecodeHints HintsFor(const TReadBackRule& rule)
{
    ZXing::DecodeHints hints;
    hints.setFormats(rule.Format);
    hints.setTryHarder(true);
    hints.setTryRotate(false);
    hints.setReturnCodabarStartEnd(true);
    hints.setTryCode39ExtendedMode(rule.Symbology == TZintSymbology::zsEXCODE39);
    if (HasAddOns(rule.Expectation))
        hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Read);
    return hints;
}
} // namespace

bool IsVerifiable(TZintSymbology symbology)
{
    return RuleFor(symbology) != nullptr;
}

std::optional<QString> ExpectedReadBack(TZintSymbology symbology, const QString& text,
                                        const QString& primaryMessage)
{
    const TReadBackRule* rule = RuleFor(symbology);
    if (!rule)
        return std::nullopt;
    switch (rule->Expectation) {
    case TExpectation::exExact:
        return text;
    case TExpectation::exUpper:
        return text.toUpper();
    case TExpectation::exHibc: {
        const QString data = u'+' + text.toUpper();
        return data + Mod43CheckCharacter(data);
    }
    case TExpectation::exEncodedDigits:
        return EncodedDigits(symbology, text);
    case TExpectation::exGs1:
        return WithoutBrackets(text);
    case TExpectation::exGs1Parenthesised:
        return QString(text).replace(u'[', u'(').replace(u']', u')');
    case TExpectation::exDataBar:
        return GtinWithCheckDigit(text.startsWith(QStringLiteral("[01]")) ? text.mid(4) : text, 13);
    case TExpectation::exEan14:
        return QStringLiteral("01") + WithGs1CheckDigit(text, 13);
    case TExpectation::exNve18:
        return QStringLiteral("00") + WithGs1CheckDigit(text, 17);
    case TExpectation::exInterleaved:
        return text.size() % 2 == 1 ? u'0' + text : text;
    case TExpectation::exItf14:
        return WithGs1CheckDigit(text, 13);
    case TExpectation::exLeitcode:
        return PadDigits(text, 13) + DeutschePostCheckDigit(PadDigits(text, 13));
    case TExpectation::exIdentcode:
        return PadDigits(text, 11) + DeutschePostCheckDigit(PadDigits(text, 11));
    case TExpectation::exMaxiCode:
        return MaxiCodeReadBack(primaryMessage, text);
    }
    return std::nullopt;
}

QString PrimaryMessageCarried(const TZintSymbol& symbol, const QString& primaryMessage)
{
    if (symbol.SymbolType() != TZintSymbology::zsMAXICODE)
        return primaryMessage;
    switch (symbol.MaxiCodeOptions()->Mode()) {
    case TmcMode::mcmMode4:
    case TmcMode::mcmMode5:
    case TmcMode::mcmMode6:
        return {};
    default:
        return primaryMessage;
    }
}

namespace {
std::optional<QString> Decode(const TReadBackRule& rule, const QImage& gray)
{
    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(),
                                ZXing::ImageFormat::Lum, int(gray.bytesPerLine()));
    const ZXing::Result result = ZXing::ReadBarcode(view, HintsFor(rule));
    if (!result.isValid())
        return std::nullopt;
    QString read = QString::fromStdString(result.text());
    if (IsGs1(rule.Expectation))
        read.remove(QChar(0x1D));
    return read;
}

} // namespace

std::optional<QString> ReadBack(TZintSymbology symbology, const QImage& image)
{
    const TReadBackRule* rule = RuleFor(symbology);
    if (!rule || image.isNull())
        return std::nullopt;
    return Decode(*rule, image.convertToFormat(QImage::Format_Grayscale8));
}

TReadBackCheck CheckReadBack(TZintSymbology symbology, const QString& text,
                             const QString& primaryMessage, const QImage& image)
{
    TReadBackCheck check;
    const std::optional<QString> expected = ExpectedReadBack(symbology, text, primaryMessage);
    if (!expected)
        return check;
    check.Verifiable = true;
    check.Read = ReadBack(symbology, image);
    check.Matches = check.Read == expected;
    return check;
}
