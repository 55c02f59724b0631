#include "cli/verify_read_back.h"

#include <QImage>

#define ZX_USE_UTF8 1 // Result::text() as UTF-8
#include <ZXing/ReadBarcode.h>

#include <cstring>
#include <vector>

namespace {
using ZXing::BarcodeFormat;

// How the read text follows from the input.
enum class TExpectation
{
    exExact,
    exUpper,            // Code 39 and Codabar fold letters to capitals
    exHibc,             // "+", capitals, mod-43 check character
    exEan,              // EAN-8 or EAN-13 with check digit, optional add-on
    exUpcA,             // 12 digits with check digit, optional add-on
    exUpcE,             // number system, 6 digits, check digit, optional add-on
    exIsbn,             // ISBN-10 or -13 as EAN-13
    exGs1,              // bracketed application identifiers without their brackets
    exGs1Parenthesised, // bracketed application identifiers in parentheses
    exDataBar,          // GTIN-14: 13 digits and check digit
    exEan14,            // AI 01 with a GTIN-14
    exNve18,            // AI 00 with an SSCC-18
    exInterleaved,      // even number of digits, a leading 0 added when odd
    exItf14,            // 13 digits and check digit
    exLeitcode,         // 13 digits and Deutsche Post check digit
    exIdentcode,        // 11 digits and Deutsche Post check digit
    exMaxiCodeMode2     // the primary message's postcode, country and service before the text
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
     TExpectation::exEan},
    {TZintSymbology::zsEAN128, BarcodeFormat::Code128, TExpectation::exGs1},
    {TZintSymbology::zsCODABAR, BarcodeFormat::Codabar, TExpectation::exUpper},
    {TZintSymbology::zsCODE128, BarcodeFormat::Code128, TExpectation::exExact},
    {TZintSymbology::zsDPLEIT, BarcodeFormat::ITF, TExpectation::exLeitcode},
    {TZintSymbology::zsDPIDENT, BarcodeFormat::ITF, TExpectation::exIdentcode},
    {TZintSymbology::zsCODE93, BarcodeFormat::Code93, TExpectation::exExact},
    {TZintSymbology::zsRSS14, BarcodeFormat::DataBar, TExpectation::exDataBar},
    {TZintSymbology::zsRSS_EXP, BarcodeFormat::DataBarExpanded, TExpectation::exGs1Parenthesised},
    {TZintSymbology::zsUPCA, BarcodeFormat::UPCA, TExpectation::exUpcA},
    {TZintSymbology::zsUPCE, BarcodeFormat::UPCE, TExpectation::exUpcE},
    {TZintSymbology::zsLOGMARS, BarcodeFormat::Code39, TExpectation::exUpper},
    {TZintSymbology::zsPDF417, BarcodeFormat::PDF417, TExpectation::exExact},
    {TZintSymbology::zsPDF417TRUNC, BarcodeFormat::PDF417, TExpectation::exExact},
    {TZintSymbology::zsMAXICODE, BarcodeFormat::MaxiCode, TExpectation::exMaxiCodeMode2},
    {TZintSymbology::zsQRCODE, BarcodeFormat::QRCode, TExpectation::exExact},
    {TZintSymbology::zsCODE128B, BarcodeFormat::Code128, TExpectation::exExact},
    {TZintSymbology::zsISBNX, BarcodeFormat::EAN13, TExpectation::exIsbn},
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

// White paper around the picture, so a symbol drawn up to the image's edge still has the
// quiet zone a scanner needs.
constexpr int PaperMargin = 24;

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

// An add-on of 1-2 digits is an EAN-2, of 3-5 digits an EAN-5; the reader reports it after
// a space.
QString WithAddOn(const QString& main, const QString& addOn)
{
    if (addOn.isEmpty())
        return main;
    return main + u' ' + PadDigits(addOn, addOn.size() <= 2 ? 2 : 5);
}

// Main part and add-on of an EAN/UPC input "main+addon".
std::pair<QString, QString> SplitAddOn(const QString& text)
{
    const qsizetype plus = text.indexOf(u'+');
    if (plus < 0)
        return {text, {}};
    return {text.left(plus), text.mid(plus + 1)};
}

// A main part that already ends in its check digit keeps it; the encoder has checked it.
QString GtinWithCheckDigit(const QString& digits, int lengthWithoutCheck)
{
    if (digits.size() > lengthWithoutCheck)
        return digits;
    return WithGs1CheckDigit(digits, lengthWithoutCheck);
}

QString EanMain(const QString& digits)
{
    // Up to 8 digits make an EAN-8 (the eighth being its check digit), longer ones an EAN-13.
    return GtinWithCheckDigit(digits, digits.size() <= 8 ? 7 : 12);
}

// UPC-E's check digit is that of the UPC-A number it stands for.
QString UpcEMain(const QString& digits)
{
    QString body = digits.size() >= 7 ? digits.left(7) : PadDigits(digits, 6).prepend(u'0');
    const QString d = body.mid(1, 6);
    QString expanded;
    const int last = d[5].digitValue();
    if (last <= 2)
        expanded = d.left(2) + d[5] + QStringLiteral("0000") + d.mid(2, 3);
    else if (last == 3)
        expanded = d.left(3) + QStringLiteral("00000") + d.mid(3, 2);
    else if (last == 4)
        expanded = d.left(4) + QStringLiteral("00000") + d[4];
    else
        expanded = d.left(5) + QStringLiteral("0000") + d[5];
    return body + Gs1CheckDigit(body.left(1) + expanded);
}

QString IsbnMain(const QString& text)
{
    QString digits = text;
    digits.remove(u'-');
    if (digits.size() >= 12)
        return GtinWithCheckDigit(digits.left(12), 12);
    // An ISBN-10 (or a 9-digit SBN) loses its own check character and gains the 978 prefix.
    const QString body = PadDigits(digits.left(digits.size() == 10 ? 9 : digits.size()), 9);
    return WithGs1CheckDigit(QStringLiteral("978") + body, 12);
}

QString WithoutBrackets(QString text)
{
    text.remove(u'[');
    text.remove(u']');
    return text;
}

// Mode 2 carries the primary message "1234567890" as postcode 1234, country 567, service 890.
QString MaxiCodeMode2(const QString& text)
{
    const QChar gs(0x1D);
    return QStringLiteral("1234") + gs + QStringLiteral("567") + gs + QStringLiteral("890") + gs +
           text;
}

bool IsGs1(TExpectation expectation)
{
    return expectation == TExpectation::exGs1 || expectation == TExpectation::exEan14 ||
           expectation == TExpectation::exNve18;
}

bool HasAddOns(TExpectation expectation)
{
    return expectation == TExpectation::exEan || expectation == TExpectation::exUpcA ||
           expectation == TExpectation::exUpcE || expectation == TExpectation::exIsbn;
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

QString ExpectedReadBack(TZintSymbology symbology, const QString& text)
{
    const TReadBackRule* rule = RuleFor(symbology);
    if (!rule)
        return text;
    const auto [main, addOn] = SplitAddOn(text);
    switch (rule->Expectation) {
    case TExpectation::exExact:
        return text;
    case TExpectation::exUpper:
        return text.toUpper();
    case TExpectation::exHibc: {
        const QString data = u'+' + text.toUpper();
        return data + Mod43CheckCharacter(data);
    }
    case TExpectation::exEan:
        return WithAddOn(EanMain(main), addOn);
    case TExpectation::exUpcA:
        return WithAddOn(GtinWithCheckDigit(main, 11), addOn);
    case TExpectation::exUpcE:
        return WithAddOn(UpcEMain(main), addOn);
    case TExpectation::exIsbn:
        return WithAddOn(IsbnMain(main), addOn);
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
    case TExpectation::exMaxiCodeMode2:
        return MaxiCodeMode2(text);
    }
    return text;
}

std::optional<QString> ReadBack(TZintSymbology symbology, const QImage& image)
{
    const TReadBackRule* rule = RuleFor(symbology);
    if (!rule || image.isNull())
        return std::nullopt;
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    const int width = gray.width() + 2 * PaperMargin;
    const int height = gray.height() + 2 * PaperMargin;
    std::vector<std::uint8_t> paper(std::size_t(width) * std::size_t(height), 0xFF);
    for (int y = 0; y < gray.height(); ++y)
        std::memcpy(&paper[std::size_t(y + PaperMargin) * width + PaperMargin],
                    gray.constScanLine(y), std::size_t(gray.width()));
    const ZXing::ImageView view(paper.data(), width, height, ZXing::ImageFormat::Lum);
    const ZXing::Result result = ZXing::ReadBarcode(view, HintsFor(*rule));
    if (!result.isValid())
        return std::nullopt;
    QString read = QString::fromStdString(result.text());
    if (IsGs1(rule->Expectation))
        read.remove(QChar(0x1D));
    return read;
}

TReadBackCheck CheckReadBack(TZintSymbology symbology, const QString& text, const QImage& image)
{
    TReadBackCheck check;
    check.Read = ReadBack(symbology, image);
    check.Matches = check.Read && *check.Read == ExpectedReadBack(symbology, text);
    return check;
}
