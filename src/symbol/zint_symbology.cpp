#include "symbol/zint_symbology.h"

#include "base/zint_exception.h"

namespace {
using S = TZintSymbology;
using T = TSymbologyTrait;
using R = TReaderFormat;
using B = TReadBack;
using G = TSymbologyGroup;

constexpr TQuietZones Sides(int horizontal, int vertical = 0)
{
    return {horizontal, horizontal, vertical, vertical};
}

// libzint binds the rows of these with separator bars when it stacks them; the set is the
// one the layout has always drawn separators for.
constexpr unsigned Linear = T::SingleRow | T::Stackable;
constexpr unsigned SingleRow = unsigned(T::SingleRow);
constexpr unsigned Stacked = unsigned(T::Stackable);
constexpr unsigned Rows = 0;
constexpr unsigned EanUpcLinear = T::EanUpc | T::AddOn | Linear;
constexpr unsigned EanUpcComposite = T::EanUpc | T::AddOn | T::Composite;
constexpr unsigned Composite = unsigned(T::Composite);
constexpr unsigned MaxiCode = unsigned(T::MaxiCode);
constexpr unsigned Dotty = unsigned(T::Dotty);

// The linear components a composite carries when the user gives none: digits where the
// linear symbology takes a GTIN of them, a GS1 GTIN where it takes GS1 data, and UPC-E's
// seven digits.
constexpr const char* Digits = "1234567890";
constexpr const char* Gtin = "[01]12345678901231";
constexpr const char* UpcEDigits = "1234567";

// ISO/IEC 16023's nominal hexagon width: the symbol is about 28 x 27 mm.
constexpr float MaxiCodeModuleMm = 0.88f;

// Label modules. EAN/UPC: GS1's 100 % size at most, its 80 % point-of-sale minimum at least.
// ITF-14 and the SSCC: GS1's logistic label range. Others have no standard size: at most 0.5 mm,
// which keeps them short on a label, at least what common scanners (7.5 mil) and imagers
// (10 mil) read.
constexpr TLabelModules EanUpcModules{
    0.33f, 0.264f, "GS1's minimum for EAN/UPC at the point of sale, 80 % of 0.33 mm"};
constexpr TLabelModules LogisticModules{1.016f, 0.495f, "GS1's minimum on logistic labels"};
constexpr TLabelModules LinearModules{0.5f, 0.19f,
                                      "7.5 mil, the smallest module common linear scanners read"};
constexpr TLabelModules ImagerModules{0.5f, 0.254f,
                                      "10 mil, the smallest module common imagers read"};
// Postal codes are printed by their own rules, which give no one module minimum.
constexpr TLabelModules PostalModules{0.5f, 0, ""};
// MaxiCode has one size.
constexpr TLabelModules FixedSize{};
} // namespace

// Quiet zones are libzint 2.11's BARCODE_QUIET_ZONES, rounded up to whole modules, except
// for Code 16K, Code 49 and ITF-14, whose bands the symbol sets itself, and the four-state
// codes of Royal Mail, Japan Post and KIX, drawn without zones above and below.
// clang-format off
const std::array<TSymbologyEntry, SymbologyCount> SymbologyCatalogue{{
    {"Code 11", S::zsCODE11, "zsCODE11", 1, nullptr, G::Linear,
     {Linear, Sides(10), R::None, B::Exact, "12345"}, LinearModules},
    {"Standard Code 2 of 5", S::zsC25MATRIX, "zsC25MATRIX", 2, nullptr, G::Linear,
     {Linear, Sides(10), R::None, B::Exact, "12345"}, LinearModules},
    {"Interleaved 2 of 5", S::zsC25INTER, "zsC25INTER", 3, nullptr, G::Linear,
     {Linear, Sides(10), R::Itf, B::Interleaved, "12345"}, LinearModules},
    {"Code 2 of 5 IATA", S::zsC25IATA, "zsC25IATA", 4, nullptr, G::Linear,
     {Linear, Sides(10), R::None, B::Exact, "12345"}, LinearModules},
    {"Code 2 of 5 Data Logic", S::zsC25LOGIC, "zsC25LOGIC", 6, nullptr, G::Linear,
     {Linear, Sides(10), R::None, B::Exact, "12345"}, LinearModules},
    {"Code 2 of 5 Industrial", S::zsC25IND, "zsC25IND", 7, nullptr, G::Linear,
     {Linear, Sides(10), R::None, B::Exact, "12345"}, LinearModules},
    {"Code 3 of 9 (Code 39)", S::zsCODE39, "zsCODE39", 8, "ExtCode39Options", G::Linear,
     {Linear, Sides(10), R::Code39, B::Upper, "1234567890"}, LinearModules},
    {"Extended Code 3 of 9 (Code 39+)", S::zsEXCODE39, "zsEXCODE39", 9, "ExtCode39Options", G::Linear,
     {Linear, Sides(10), R::Code39Extended, B::Exact, "Code39+"}, LinearModules},
    {"EAN", S::zsEANX, "zsEANX", 13, nullptr, G::Linear,
     {EanUpcLinear, {11, 7, 0, 0}, R::Ean8Or13, B::EncodedDigits, "123456789012"}, EanUpcModules},
    {"GS1-128 (UCC.EAN-128)", S::zsEAN128, "zsEAN128", 16, nullptr, G::Gs1,
     {Linear, Sides(10), R::Code128, B::Gs1, "[01]12345678901231"}, LinearModules},
    {"Codabar", S::zsCODABAR, "zsCODABAR", 18, nullptr, G::Linear,
     {Linear, Sides(10), R::Codabar, B::Upper, "A12345B"}, LinearModules},
    {"Code 128 (automatic subset switching)", S::zsCODE128, "zsCODE128", 20, nullptr, G::Linear,
     {Linear, Sides(10), R::Code128, B::Exact, "Hello"}, LinearModules},
    {"Deutsche Post Leitcode", S::zsDPLEIT, "zsDPLEIT", 21, nullptr, G::Postal,
     {Linear, Sides(10), R::Itf, B::Leitcode, "12345678901"}, PostalModules},
    {"Deutsche Post Identcode", S::zsDPIDENT, "zsDPIDENT", 22, nullptr, G::Postal,
     {Linear, Sides(10), R::Itf, B::Identcode, "12345678901"}, PostalModules},
    {"Code 16K", S::zsCODE16K, "zsCODE16K", 23, nullptr, G::Stacked,
     {Stacked, {}, R::None, B::Exact, "Hello World"}, ImagerModules},
    {"Code 49", S::zsCODE49, "zsCODE49", 24, nullptr, G::Stacked,
     {Stacked, {10, 1, 0, 0}, R::None, B::Exact, "Hello"}, ImagerModules},
    {"Code 93", S::zsCODE93, "zsCODE93", 25, nullptr, G::Linear,
     {Linear, Sides(10), R::Code93, B::Exact, "HELLO"}, LinearModules},
    {"Flattermarken", S::zsFLAT, "zsFLAT", 28, nullptr, G::Linear,
     {Linear, {}, R::None, B::Exact, "12345"}, LinearModules},
    {"GS1 DataBar-14", S::zsRSS14, "zsRSS14", 29, nullptr, G::Gs1,
     {Linear, {}, R::DataBar, B::DataBar, "1234567890123"}, LinearModules},
    {"GS1 DataBar Limited", S::zsRSS_LTD, "zsRSS_LTD", 30, nullptr, G::Gs1,
     {Linear, {}, R::None, B::Exact, "1234567890123"}, LinearModules},
    {"GS1 DataBar Extended", S::zsRSS_EXP, "zsRSS_EXP", 31, nullptr, G::Gs1,
     {Linear, {}, R::DataBarExpanded, B::Gs1Parenthesised, "[01]12345678901231[10]ABC123"},
     LinearModules},
    {"Telepen Alpha", S::zsTELEPEN, "zsTELEPEN", 32, nullptr, G::Linear,
     {Linear, Sides(10), R::None, B::Exact, "Hello"}, LinearModules},
    {"UPC A", S::zsUPCA, "zsUPCA", 34, nullptr, G::Linear,
     {EanUpcLinear | T::UpcA, {9, 9, 0, 0}, R::UpcA, B::EncodedDigits, "12345678901"},
     EanUpcModules},
    {"UPC E", S::zsUPCE, "zsUPCE", 37, nullptr, G::Linear,
     {EanUpcLinear | T::UpcE, {9, 7, 0, 0}, R::UpcE, B::EncodedDigits, "1234567"}, EanUpcModules},
    {"PostNet", S::zsPOSTNET, "zsPOSTNET", 40, nullptr, G::Postal,
     {Stacked, Sides(5, 2), R::None, B::Exact, "12345"}, PostalModules},
    {"MSI Plessey", S::zsMSI_PLESSEY, "zsMSI_PLESSEY", 47, "MSIPlesseyOptions", G::Linear,
     {Linear, Sides(12), R::None, B::Exact, "12345"}, LinearModules},
    {"FIM", S::zsFIM, "zsFIM", 49, nullptr, G::Postal,
     {Linear, {6, 4, 0, 0}, R::None, B::Exact, "A"}, PostalModules},
    {"LOGMARS", S::zsLOGMARS, "zsLOGMARS", 50, nullptr, G::Linear,
     {Linear, Sides(10), R::Code39, B::Upper, "LOGMARS"}, LinearModules},
    {"Pharmacode One-Track", S::zsPHARMA, "zsPHARMA", 51, nullptr, G::Linear,
     {Linear, Sides(6), R::None, B::Exact, "1234"}, LinearModules},
    {"PZN", S::zsPZN, "zsPZN", 52, nullptr, G::Linear,
     {Linear, Sides(10), R::None, B::Exact, "123456"}, LinearModules},
    {"Pharmacode Two-Track", S::zsPHARMA_TWO, "zsPHARMA_TWO", 53, nullptr, G::Linear,
     {Stacked, Sides(6), R::None, B::Exact, "1234"}, LinearModules},
    {"PDF417", S::zsPDF417, "zsPDF417", 55, "PDF417Options", G::Stacked,
     {Rows, Sides(2, 2), R::Pdf417, B::Exact, "Hello"}, ImagerModules},
    {"PDF417 Truncated", S::zsPDF417TRUNC, "zsPDF417TRUNC", 56, "PDF417Options", G::Stacked,
     {Rows, Sides(2, 2), R::Pdf417, B::Exact, "Hello"}, ImagerModules},
    {"Maxicode", S::zsMAXICODE, "zsMAXICODE", 57, "MaxiCodeOptions", G::Matrix,
     {MaxiCode, Sides(1, 1), R::MaxiCode, B::MaxiCode, "Hello", nullptr, MaxiCodeModuleMm},
     FixedSize},
    {"QR Code", S::zsQRCODE, "zsQRCODE", 58, "QRCodeOptions", G::Matrix,
     {Rows, Sides(4, 4), R::QrCode, B::Exact, "Hello"}, ImagerModules},
    {"Code 128 (Subset B)", S::zsCODE128B, "zsCODE128B", 60, nullptr, G::Linear,
     {Linear, Sides(10), R::Code128, B::Exact, "Hello"}, LinearModules},
    {"Australia Post Standard Customer", S::zsAUSPOST, "zsAUSPOST", 63, nullptr, G::Postal,
     {Rows, Sides(10, 4), R::None, B::Exact, "12345678"}, PostalModules},
    {"Australia Post Reply Paid", S::zsAUSREPLY, "zsAUSREPLY", 66, nullptr, G::Postal,
     {Rows, Sides(10, 4), R::None, B::Exact, "12345678"}, PostalModules},
    {"Australia Post Routing", S::zsAUSROUTE, "zsAUSROUTE", 67, nullptr, G::Postal,
     {Rows, Sides(10, 4), R::None, B::Exact, "12345678"}, PostalModules},
    {"Australia Post Redirection", S::zsAUSREDIRECT, "zsAUSREDIRECT", 68, nullptr, G::Postal,
     {Rows, Sides(10, 4), R::None, B::Exact, "12345678"}, PostalModules},
    {"ISBN (EAN-13 with verification stage)", S::zsISBNX, "zsISBNX", 69, nullptr, G::Linear,
     {EanUpcLinear, {11, 7, 0, 0}, R::Ean13, B::EncodedDigits, "9780306406157"}, EanUpcModules},
    {"Royal Mail 4 State (RM4SCC)", S::zsRM4SCC, "zsRM4SCC", 70, nullptr, G::Postal,
     {Rows, Sides(4), R::None, B::Exact, "W1J0TR01"}, PostalModules},
    {"Data Matrix", S::zsDATAMATRIX, "zsDATAMATRIX", 71, "DatamatrixOptions", G::Matrix,
     {Rows, Sides(1, 1), R::DataMatrix, B::Exact, "Hello"}, ImagerModules},
    {"EAN-14", S::zsEAN14, "zsEAN14", 72, nullptr, G::Gs1,
     {Linear, Sides(10), R::Code128, B::Ean14, "1234567890123"}, LinearModules},
    {"CODABLOCKF", S::zsCODABLOCKF, "zsCODABLOCKF", 74, nullptr, G::Stacked,
     {Rows, Sides(10), R::None, B::Exact, "Hello World"}, ImagerModules},
    {"NVE-18", S::zsNVE18, "zsNVE18", 75, nullptr, G::Gs1,
     {Linear, Sides(10), R::Code128, B::Nve18, "12345678901234567"}, LogisticModules},
    {"Japanese Postal Code", S::zsJAPANPOST, "zsJAPANPOST", 76, nullptr, G::Postal,
     {Rows, Sides(4), R::None, B::Exact, "15400233-16-4-205"}, PostalModules},
    {"Korea Post", S::zsKOREAPOST, "zsKOREAPOST", 77, nullptr, G::Postal,
     {Linear, Sides(10), R::None, B::Exact, "123456"}, PostalModules},
    {"GS1 DataBar-14 Stacked", S::zsRSS14STACK, "zsRSS14STACK", 79, nullptr, G::Gs1,
     {Rows, {}, R::DataBar, B::DataBar, "1234567890123"}, ImagerModules},
    {"GS1 DataBar-14 Stacked Omnidirectional",
     S::zsRSS14STACK_OMNI, "zsRSS14STACK_OMNI", 80, nullptr, G::Gs1,
     {Rows, {}, R::DataBar, B::DataBar, "1234567890123"}, ImagerModules},
    {"GS1 DataBar Expanded Stacked", S::zsRSS_EXPSTACK, "zsRSS_EXPSTACK", 81, nullptr, G::Gs1,
     {Rows, {}, R::None, B::Exact, "[01]12345678901231"}, ImagerModules},
    {"PLANET", S::zsPLANET, "zsPLANET", 82, nullptr, G::Postal,
     {Rows, Sides(5, 2), R::None, B::Exact, "12345678901"}, PostalModules},
    {"MicroPDF417", S::zsMICROPDF417, "zsMICROPDF417", 84, nullptr, G::Stacked,
     {Rows, Sides(1, 1), R::None, B::Exact, "Hello"}, ImagerModules},
    {"USPS OneCode", S::zsONECODE, "zsONECODE", 85, nullptr, G::Postal,
     {Rows, Sides(5, 2), R::None, B::Exact, "01234567094987654321"}, PostalModules},
    {"Plessey Code", S::zsPLESSEY, "zsPLESSEY", 86, nullptr, G::Linear,
     {Linear, Sides(12), R::None, B::Exact, "12345"}, LinearModules},
    {"Telepen Numeric", S::zsTELEPEN_NUM, "zsTELEPEN_NUM", 87, nullptr, G::Linear,
     {Linear, Sides(10), R::None, B::Exact, "12345"}, LinearModules},
    {"ITF-14", S::zsITF14, "zsITF14", 89, nullptr, G::Linear,
     {Linear, {}, R::Itf, B::Itf14, "1234567890123"}, LogisticModules},
    {"Dutch Post KIX Code", S::zsKIX, "zsKIX", 90, nullptr, G::Postal,
     {Rows, Sides(4), R::None, B::Exact, "1231FZ13XHS"}, PostalModules},
    {"Aztec Code", S::zsAZTEC, "zsAZTEC", 92, "AztecOptions", G::Matrix,
     {Rows, {}, R::Aztec, B::Exact, "Hello"}, ImagerModules},
    {"DAFT Code", S::zsDAFT, "zsDAFT", 93, nullptr, G::Postal,
     {Rows, {}, R::None, B::Exact, "DAFTFDATF"}, PostalModules},
    {"Micro QR Code", S::zsMICROQR, "zsMICROQR", 97, "MicroQROptions", G::Matrix,
     {Rows, Sides(2, 2), R::MicroQrCode, B::Exact, "12345"}, ImagerModules},
    {"HIBC Code 128", S::zsHIBC_128, "zsHIBC_128", 98, nullptr, G::Linear,
     {SingleRow, Sides(10), R::Code128, B::Hibc, "A123BJC5D6E71"}, LinearModules},
    {"HIBC Code 39", S::zsHIBC_39, "zsHIBC_39", 99, nullptr, G::Linear,
     {SingleRow, Sides(10), R::Code39, B::Hibc, "A123BJC5D6E71"}, LinearModules},
    {"HIBC Data Matrix", S::zsHIBC_DM, "zsHIBC_DM", 102, "DatamatrixOptions", G::Matrix,
     {Rows, Sides(1, 1), R::DataMatrix, B::Hibc, "A123BJC5D6E71"}, ImagerModules},
    {"HIBC QR Code", S::zsHIBC_QR, "zsHIBC_QR", 104, "QRCodeOptions", G::Matrix,
     {Rows, Sides(4, 4), R::QrCode, B::Hibc, "A123BJC5D6E71"}, ImagerModules},
    {"HIBC PDF417", S::zsHIBC_PDF, "zsHIBC_PDF", 106, "PDF417Options", G::Stacked,
     {Rows, Sides(2, 2), R::Pdf417, B::Hibc, "A123BJC5D6E71"}, ImagerModules},
    {"HIBC MicroPDF417", S::zsHIBC_MICPDF, "zsHIBC_MICPDF", 108, nullptr, G::Stacked,
     {Rows, Sides(1, 1), R::None, B::Exact, "A123BJC5D6E71"}, ImagerModules},
    {"HIBC_BLOCKF", S::zsHIBC_BLOCKF, "zsHIBC_BLOCKF", 110, nullptr, G::Stacked,
     {Rows, Sides(10), R::None, B::Exact, "A123BJC5D6E71"}, ImagerModules},
    {"HIBC Aztec Code", S::zsHIBC_AZTEC, "zsHIBC_AZTEC", 112, "AztecOptions", G::Matrix,
     {Rows, {}, R::Aztec, B::Hibc, "A123BJC5D6E71"}, ImagerModules},
    {"Aztec Runes", S::zsAZRUNE, "zsAZRUNE", 128, nullptr, G::Matrix,
     {Rows, {}, R::None, B::Exact, "125"}, ImagerModules},
    {"Code 32", S::zsCODE32, "zsCODE32", 129, nullptr, G::Linear,
     {Linear, Sides(10), R::None, B::Exact, "12345678"}, LinearModules},
    {"Composite Symbol with EAN linear component",
     S::zsEANX_CC, "zsEANX_CC", 130, "CompositeOptions", G::Gs1,
     {EanUpcComposite, {11, 7, 0, 0}, R::None, B::Exact, "[99]1234-abcd", Digits}, EanUpcModules},
    {"Composite Symbol with GS1-128 linear component",
     S::zsEAN128_CC, "zsEAN128_CC", 131, "CompositeOptions", G::Gs1,
     {Composite, Sides(10), R::None, B::Exact, "[99]1234-abcd", Gtin}, ImagerModules},
    {"Composite Symbol with GS1 DataBar-14 linear component",
     S::zsRSS14_CC, "zsRSS14_CC", 132, "CompositeOptions", G::Gs1,
     {Composite, Sides(1), R::None, B::Exact, "[99]1234-abcd", Digits}, ImagerModules},
    {"Composite Symbol with GS1 DataBar Limited component",
     S::zsRSS_LTD_CC, "zsRSS_LTD_CC", 133, "CompositeOptions", G::Gs1,
     {Composite, Sides(1), R::None, B::Exact, "[99]1234-abcd", Digits}, ImagerModules},
    {"Composite Symbol with GS1 DataBar Extended component",
     S::zsRSS_EXP_CC, "zsRSS_EXP_CC", 134, "CompositeOptions", G::Gs1,
     {Composite, Sides(1), R::None, B::Exact, "[99]1234-abcd", Gtin}, ImagerModules},
    {"Composite Symbol with UPC A linear component",
     S::zsUPCA_CC, "zsUPCA_CC", 135, "CompositeOptions", G::Gs1,
     {EanUpcComposite | T::UpcA, {9, 9, 0, 0}, R::None, B::Exact, "[99]1234-abcd", Digits},
     EanUpcModules},
    {"Composite Symbol with UPC E linear component",
     S::zsUPCE_CC, "zsUPCE_CC", 136, "CompositeOptions", G::Gs1,
     {EanUpcComposite | T::UpcE, {9, 7, 0, 0}, R::None, B::Exact, "[99]1234-abcd", UpcEDigits},
     EanUpcModules},
    {"Composite Symbol with GS1 DataBar-14 Stacked component",
     S::zsRSS14STACK_CC, "zsRSS14STACK_CC", 137, "CompositeOptions", G::Gs1,
     {Composite, Sides(1), R::None, B::Exact, "[99]1234-abcd", Digits}, ImagerModules},
    {"Composite Symbol with GS1 DataBar-14 Stacked Omnidirectional component",
     S::zsRSS14_OMNI_CC, "zsRSS14_OMNI_CC", 138, "CompositeOptions", G::Gs1,
     {Composite, Sides(1), R::None, B::Exact, "[99]1234-abcd", Digits}, ImagerModules},
    {"Composite Symbol with GS1 DataBar Expanded Stacked component",
     S::zsRSS_EXPSTACK_CC, "zsRSS_EXPSTACK_CC", 139, "CompositeOptions", G::Gs1,
     {Composite, Sides(1), R::None, B::Exact, "[99]1234-abcd", Gtin}, ImagerModules},
    {"Channel Code", S::zsCHANNEL, "zsCHANNEL", 140, nullptr, G::Linear,
     {SingleRow, {1, 2, 0, 0}, R::None, B::Exact, "123"}, LinearModules},
    {"Code One", S::zsCODEONE, "zsCODEONE", 141, "Code1Option", G::Matrix,
     {Rows, {}, R::None, B::Exact, "Hello"}, ImagerModules},
    {"Grid Matrix", S::zsGRIDMATRIX, "zsGRIDMATRIX", 142, "GridMatrixOptions", G::Matrix,
     {Rows, Sides(6, 6), R::None, B::Exact, "Hello"}, ImagerModules},
    {"Dotcode", S::zsDOTCODE, "zsDOTCODE", 115, nullptr, G::Matrix,
     {Dotty, Sides(3, 3), R::None, B::Exact, "Hello"}, ImagerModules},
    {"EAN with check digit", S::zsEANX_CHK, "zsEANX_CHK", 14, nullptr, G::Linear,
     {EanUpcLinear, {11, 7, 0, 0}, R::Ean8Or13, B::EncodedDigits, "5901234123457"}, EanUpcModules},
    {"UPC A with check digit", S::zsUPCA_CHK, "zsUPCA_CHK", 35, nullptr, G::Linear,
     {EanUpcLinear | T::UpcA, {9, 9, 0, 0}, R::UpcA, B::EncodedDigits, "036000291452"},
     EanUpcModules},
    {"UPC E with check digit", S::zsUPCE_CHK, "zsUPCE_CHK", 38, nullptr, G::Linear,
     {EanUpcLinear | T::UpcE, {9, 7, 0, 0}, R::UpcE, B::EncodedDigits, "01234565"}, EanUpcModules},
    {"Brazilian CEPNet", S::zsCEPNET, "zsCEPNET", 54, nullptr, G::Postal,
     {Stacked, Sides(10, 2), R::None, B::Exact, "12345678"}, PostalModules},
    {"Vehicle Identification Number (VIN)", S::zsVIN, "zsVIN", 73, nullptr, G::Linear,
     {SingleRow, Sides(10), R::Code39, B::Exact, "1M8GDM9AXKP042788"}, LinearModules},
    {"DPD Code", S::zsDPD, "zsDPD", 96, nullptr, G::Linear,
     {SingleRow, Sides(13), R::Code128, B::Exact, "%000393206219912345678101040"}, LinearModules},
    {"Han Xin Code", S::zsHANXIN, "zsHANXIN", 116, nullptr, G::Matrix,
     {Rows, Sides(3, 3), R::None, B::Exact, "Hello"}, ImagerModules},
    {"Royal Mail 4-State Mailmark", S::zsMAILMARK, "zsMAILMARK", 121, nullptr, G::Postal,
     {Rows, Sides(4, 4), R::None, B::Exact, "11210012341234567AB19XY1A"}, PostalModules},
    {"UPNQR", S::zsUPNQR, "zsUPNQR", 143, nullptr, G::Matrix,
     {Rows, Sides(4, 4), R::QrCode, B::Exact, "UPNQR"}, ImagerModules},
    {"Ultracode", S::zsULTRA, "zsULTRA", 144, nullptr, G::Matrix,
     {Rows, Sides(1, 1), R::None, B::Exact, "Hello"}, ImagerModules},
    {"Rectangular Micro QR Code (rMQR)", S::zsRMQR, "zsRMQR", 145, nullptr, G::Matrix,
     {Rows, Sides(2, 2), R::None, B::Exact, "Hello"}, ImagerModules},
    {"IBM BC412", S::zsBC412, "zsBC412", 146, nullptr, G::Linear,
     {SingleRow, Sides(10), R::None, B::Exact, "AQ45670"}, LinearModules},
}};
// clang-format on

namespace {
[[noreturn]] void unknownSymbology()
{
    throw EZintException("unknown barcode IntToSymbology");
}
} // namespace

int SymbologyToInt(TZintSymbology symbology)
{
    const auto index = static_cast<std::size_t>(symbology);
    if (index >= SymbologyCatalogue.size())
        unknownSymbology();
    return SymbologyCatalogue[index].LibraryNumber;
}

TZintSymbology IntToSymbology(int libraryNumber)
{
    for (const TSymbologyEntry& entry : SymbologyCatalogue)
        if (entry.LibraryNumber == libraryNumber)
            return entry.Symbology;
    unknownSymbology();
}

namespace lintaro {
const TSymbologyTraits& Traits(TZintSymbology symbology)
{
    const auto index = static_cast<std::size_t>(symbology);
    if (index >= SymbologyCatalogue.size())
        unknownSymbology();
    return SymbologyCatalogue[index].Traits;
}

const TLabelModules& LabelModules(TZintSymbology symbology)
{
    const auto index = static_cast<std::size_t>(symbology);
    if (index >= SymbologyCatalogue.size())
        unknownSymbology();
    return SymbologyCatalogue[index].Label;
}
} // namespace lintaro
