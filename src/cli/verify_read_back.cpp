#include "cli/verify_read_back.h"

#include "cli/verify_zbar.h"

#include "symbol/zint_symbol.h"
#include "symbol/zint_symbol_options.h"

#include <QImage>

#define ZX_USE_UTF8 1 // Result::text() as UTF-8
#include <ZXing/ReadBarcode.h>

namespace {
using ZXing::BarcodeFormat;

// Numbers with their check digit: a GTIN-14 (DataBar, EAN-14, ITF-14), an SSCC-18 (NVE-18),
// a Leitcode and an Identcode.
constexpr int Gtin14Digits = 14;
constexpr int Sscc18Digits = 18;
constexpr int LeitcodeDigits = 14;
constexpr int IdentcodeDigits = 12;

BarcodeFormat ZXingFormat(TReaderFormat format)
{
    switch (format) {
    case TReaderFormat::None:
        break;
    case TReaderFormat::Code39:
    case TReaderFormat::Code39Extended:
        return BarcodeFormat::Code39;
    case TReaderFormat::Code93:
        return BarcodeFormat::Code93;
    case TReaderFormat::Code128:
        return BarcodeFormat::Code128;
    case TReaderFormat::Codabar:
        return BarcodeFormat::Codabar;
    case TReaderFormat::Itf:
        return BarcodeFormat::ITF;
    case TReaderFormat::Ean8Or13:
        return BarcodeFormat(int(BarcodeFormat::EAN8) | int(BarcodeFormat::EAN13));
    case TReaderFormat::Ean13:
        return BarcodeFormat::EAN13;
    case TReaderFormat::UpcA:
        return BarcodeFormat::UPCA;
    case TReaderFormat::UpcE:
        return BarcodeFormat::UPCE;
    case TReaderFormat::DataBar:
        return BarcodeFormat::DataBar;
    case TReaderFormat::DataBarExpanded:
        return BarcodeFormat::DataBarExpanded;
    case TReaderFormat::Pdf417:
        return BarcodeFormat::PDF417;
    case TReaderFormat::MaxiCode:
        return BarcodeFormat::MaxiCode;
    case TReaderFormat::QrCode:
        return BarcodeFormat::QRCode;
    case TReaderFormat::MicroQrCode:
        return BarcodeFormat::MicroQRCode;
    case TReaderFormat::DataMatrix:
        return BarcodeFormat::DataMatrix;
    case TReaderFormat::Aztec:
        return BarcodeFormat::Aztec;
    }
    return BarcodeFormat::None;
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

QString WithDeutschePostCheckDigit(const QString& digits, int lengthWithoutCheck)
{
    const QString padded = PadDigits(digits, lengthWithoutCheck);
    return padded + DeutschePostCheckDigit(padded);
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

// libzint decides between the short and the long EAN and an add-on only by length in ways of
// its own (eight digits make a long one), so the encoder is asked: its human-readable text is
// the number it encoded, "+" before the add-on. Nothing when there is no main symbol to scan.
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

bool IsGs1(TReadBack readBack)
{
    return readBack == TReadBack::Gs1 || readBack == TReadBack::Ean14 ||
           readBack == TReadBack::Nve18;
}

ZXing::DecodeHints HintsFor(const TSymbologyTraits& traits)
{
    ZXing::DecodeHints hints;
    hints.setFormats(ZXingFormat(traits.Reader));
    hints.setTryHarder(true);
    hints.setTryRotate(false);
    hints.setReturnCodabarStartEnd(true);
    hints.setTryCode39ExtendedMode(traits.Reader == TReaderFormat::Code39Extended);
    if (traits.HasAddOn())
        hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Read);
    return hints;
}
} // namespace

bool IsVerifiable(TZintSymbology symbology)
{
    return lintaro::Traits(symbology).IsReadable();
}

std::optional<QString> ExpectedReadBack(TZintSymbology symbology, const QString& text,
                                        const QString& primaryMessage)
{
    const TSymbologyTraits& traits = lintaro::Traits(symbology);
    if (!traits.IsReadable())
        return std::nullopt;
    switch (traits.ReadBack) {
    case TReadBack::Exact:
        return text;
    case TReadBack::Upper:
        return text.toUpper();
    case TReadBack::Hibc: {
        const QString data = u'+' + text.toUpper();
        return data + Mod43CheckCharacter(data);
    }
    case TReadBack::EncodedDigits:
        return EncodedDigits(symbology, text);
    case TReadBack::Gs1:
        return WithoutBrackets(text);
    case TReadBack::Gs1Parenthesised:
        return QString(text).replace(u'[', u'(').replace(u']', u')');
    case TReadBack::DataBar:
        return GtinWithCheckDigit(text.startsWith(QStringLiteral("[01]")) ? text.mid(4) : text,
                                  Gtin14Digits - 1);
    case TReadBack::Ean14:
        return QStringLiteral("01") + WithGs1CheckDigit(text, Gtin14Digits - 1);
    case TReadBack::Nve18:
        return QStringLiteral("00") + WithGs1CheckDigit(text, Sscc18Digits - 1);
    case TReadBack::Interleaved:
        return text.size() % 2 == 1 ? u'0' + text : text;
    case TReadBack::Itf14:
        return WithGs1CheckDigit(text, Gtin14Digits - 1);
    case TReadBack::Leitcode:
        return WithDeutschePostCheckDigit(text, LeitcodeDigits - 1);
    case TReadBack::Identcode:
        return WithDeutschePostCheckDigit(text, IdentcodeDigits - 1);
    case TReadBack::MaxiCode:
        return MaxiCodeReadBack(primaryMessage, text);
    }
    return std::nullopt;
}

QString PrimaryMessageCarried(const TZintSymbol& symbol, const QString& primaryMessage)
{
    if (!lintaro::Traits(symbol.SymbolType()).IsMaxiCode())
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
std::optional<QString> Decode(const TSymbologyTraits& traits, const QImage& gray)
{
    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(),
                                ZXing::ImageFormat::Lum, int(gray.bytesPerLine()));
    const ZXing::Result result = ZXing::ReadBarcode(view, HintsFor(traits));
    if (!result.isValid())
        return std::nullopt;
    QString read = QString::fromStdString(result.text());
    if (IsGs1(traits.ReadBack))
        read.remove(QChar(0x1D));
    return read;
}

// zbar writes application identifiers without parentheses, field separators between them.
bool ZbarConfirms(TZintSymbology symbology, const QString& text, const QString& expected,
                  const QImage& image)
{
    std::optional<QString> read = ReadBackWithZbar(symbology, image);
    if (!read)
        return false;
    const TReadBack rule = lintaro::Traits(symbology).ReadBack;
    if (rule == TReadBack::Gs1Parenthesised)
        return read->remove(QChar(0x1D)) == WithoutBrackets(text);
    if (IsGs1(rule))
        read->remove(QChar(0x1D));
    return *read == expected;
}
} // namespace

std::optional<QString> ReadBack(TZintSymbology symbology, const QImage& image)
{
    const TSymbologyTraits& traits = lintaro::Traits(symbology);
    if (!traits.IsReadable() || image.isNull())
        return std::nullopt;
    return Decode(traits, image.convertToFormat(QImage::Format_Grayscale8));
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
    if (!check.Matches)
        check.Matches = ZbarConfirms(symbology, text, *expected, image);
    return check;
}
