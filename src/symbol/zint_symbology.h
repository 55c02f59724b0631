#pragma once

#include <array>
#include <cstdint>

// Every symbology libzint 2.11 encodes, in catalogue order: the ordinal is the catalogue index,
// which stored settings keep. New symbologies are appended, never inserted.
enum class TZintSymbology : std::uint8_t
{
    zsCODE11,
    zsC25MATRIX,
    zsC25INTER,
    zsC25IATA,
    zsC25LOGIC,
    zsC25IND,
    zsCODE39,
    zsEXCODE39,
    zsEANX,
    zsEAN128,
    zsCODABAR,
    zsCODE128,
    zsDPLEIT,
    zsDPIDENT,
    zsCODE16K,
    zsCODE49,
    zsCODE93,
    zsFLAT,
    zsRSS14,
    zsRSS_LTD,
    zsRSS_EXP,
    zsTELEPEN,
    zsUPCA,
    zsUPCE,
    zsPOSTNET,
    zsMSI_PLESSEY,
    zsFIM,
    zsLOGMARS,
    zsPHARMA,
    zsPZN,
    zsPHARMA_TWO,
    zsPDF417,
    zsPDF417TRUNC,
    zsMAXICODE,
    zsQRCODE,
    zsCODE128B,
    zsAUSPOST,
    zsAUSREPLY,
    zsAUSROUTE,
    zsAUSREDIRECT,
    zsISBNX,
    zsRM4SCC,
    zsDATAMATRIX,
    zsEAN14,
    zsCODABLOCKF,
    zsNVE18,
    zsJAPANPOST,
    zsKOREAPOST,
    zsRSS14STACK,
    zsRSS14STACK_OMNI,
    zsRSS_EXPSTACK,
    zsPLANET,
    zsMICROPDF417,
    zsONECODE,
    zsPLESSEY,
    zsTELEPEN_NUM,
    zsITF14,
    zsKIX,
    zsAZTEC,
    zsDAFT,
    zsMICROQR,
    zsHIBC_128,
    zsHIBC_39,
    zsHIBC_DM,
    zsHIBC_QR,
    zsHIBC_PDF,
    zsHIBC_MICPDF,
    zsHIBC_BLOCKF,
    zsHIBC_AZTEC,
    zsAZRUNE,
    zsCODE32,
    zsEANX_CC,
    zsEAN128_CC,
    zsRSS14_CC,
    zsRSS_LTD_CC,
    zsRSS_EXP_CC,
    zsUPCA_CC,
    zsUPCE_CC,
    zsRSS14STACK_CC,
    zsRSS14_OMNI_CC,
    zsRSS_EXPSTACK_CC,
    zsCHANNEL,
    zsCODEONE,
    zsGRIDMATRIX,
    zsDOTCODE,
    zsEANX_CHK,
    zsUPCA_CHK,
    zsUPCE_CHK,
    zsCEPNET,
    zsVIN,
    zsDPD,
    zsHANXIN,
    zsMAILMARK,
    zsUPNQR,
    zsULTRA,
    zsRMQR,
    zsBC412
};

constexpr int SymbologyCount = 97;

// Clear space a reader needs around a symbol, in modules.
struct TQuietZones
{
    int Left = 0;
    int Right = 0;
    int Top = 0;
    int Bottom = 0;
};

enum class TSymbologyTrait : std::uint16_t
{
    EanUpc = 1 << 0,    // digits set between and beside the bars: EAN-8/13 unless UPC below
    AddOn = 1 << 1,     // takes a two- or five-digit add-on after "+"
    Composite = 1 << 2, // a 2D component over a linear one given as the primary message
    Stackable = 1 << 3, // bound rows get separator bars between them
    SingleRow = 1 << 4, // one row of bars
    MaxiCode = 1 << 5,  // hexagons around a bullseye, of one fixed size
    Dotty = 1 << 6,     // drawn as dots
    UpcA = 1 << 7,      // EAN/UPC with UPC-A's digit layout
    UpcE = 1 << 8       // EAN/UPC with UPC-E's digit layout
};

constexpr unsigned operator|(TSymbologyTrait a, TSymbologyTrait b)
{
    return unsigned(a) | unsigned(b);
}

constexpr unsigned operator|(unsigned set, TSymbologyTrait trait)
{
    return set | unsigned(trait);
}

// The barcode format a reader (ZXing-C++) reports for the symbology; zbar reads none that
// ZXing-C++ does not. None: no reader at hand reads it.
enum class TReaderFormat : std::uint8_t
{
    None,
    Code39,
    Code39Extended,
    Code93,
    Code128,
    Codabar,
    Itf,
    Ean8Or13,
    Ean13,
    UpcA,
    UpcE,
    DataBar,
    DataBarExpanded,
    Pdf417,
    MaxiCode,
    QrCode,
    MicroQrCode,
    DataMatrix,
    Aztec
};

// How what a reader returns follows from the text that was encoded.
enum class TReadBack : std::uint8_t
{
    Exact,
    Upper,            // Code 39 and Codabar fold letters to capitals
    Hibc,             // "+", capitals, mod-43 check character
    EncodedDigits,    // EAN/UPC: the digits the encoder put in, check digit and add-on
    Gs1,              // bracketed application identifiers without their brackets
    Gs1Parenthesised, // bracketed application identifiers in parentheses
    DataBar,          // GTIN-14: 13 digits and check digit
    Ean14,            // AI 01 with a GTIN-14
    Nve18,            // AI 00 with an SSCC-18
    Interleaved,      // even number of digits, a leading 0 added when odd
    Itf14,            // 13 digits and check digit
    Leitcode,         // 13 digits and Deutsche Post check digit
    Identcode,        // 11 digits and Deutsche Post check digit
    MaxiCode          // the primary message's postcode, country and service before the text
};

struct TSymbologyTraits
{
    unsigned Set = 0;       // TSymbologyTrait bits
    TQuietZones QuietZones; // without an add-on
    TReaderFormat Reader = TReaderFormat::None;
    TReadBack ReadBack = TReadBack::Exact;
    const char* SampleText = ""; // a text the symbology encodes as it stands
    // Composites: the linear component when the user gives none.
    const char* LinearComponent = nullptr;
    // Fixed-size symbologies: the nominal module width of the standard, in millimetres.
    float StandardModuleMm = 0;

    bool Has(TSymbologyTrait trait) const { return (Set & unsigned(trait)) != 0; }
    bool IsEanUpc() const { return Has(TSymbologyTrait::EanUpc); }
    bool HasAddOn() const { return Has(TSymbologyTrait::AddOn); }
    bool IsComposite() const { return Has(TSymbologyTrait::Composite); }
    bool IsStackable() const { return Has(TSymbologyTrait::Stackable); }
    bool IsSingleRow() const { return Has(TSymbologyTrait::SingleRow); }
    bool IsMaxiCode() const { return Has(TSymbologyTrait::MaxiCode); }
    bool IsDotty() const { return Has(TSymbologyTrait::Dotty); }
    bool IsUpcA() const { return Has(TSymbologyTrait::UpcA); }
    bool IsUpcE() const { return Has(TSymbologyTrait::UpcE); }
    bool IsReadable() const { return Reader != TReaderFormat::None; }
};

// Where the symbology list shows a symbology, in the list's order.
enum class TSymbologyGroup : std::uint8_t
{
    Linear,
    Matrix, // 2-D
    Postal,
    Gs1,
    Stacked
};

// The module a label sizes its symbol with: the largest whole-dot module up to LargestMm, but
// not below SmallestMm while a larger one fits. Smaller than SmallestMm is reported, naming
// SmallestSource. LargestMm 0: the symbol keeps the size its settings give.
struct TLabelModules
{
    float LargestMm = 0;
    float SmallestMm = 0; // 0: no minimum is known
    const char* SmallestSource = "";
};

struct TSymbologyEntry
{
    const char* DisplayName; // English, never translated
    TZintSymbology Symbology;
    const char* EnumName; // "zsCODE39"
    int LibraryNumber;
    // The symbol's option set whose meanings this symbology's encoder reads (the property
    // name, "QRCodeOptions"); none when no set describes its options.
    const char* OptionSet;
    TSymbologyGroup Group;
    TSymbologyTraits Traits;
    TLabelModules Label;
};

extern const std::array<TSymbologyEntry, SymbologyCount> SymbologyCatalogue;

// Both raise EZintException("unknown barcode IntToSymbology") for a value outside the catalogue.
int SymbologyToInt(TZintSymbology symbology);
TZintSymbology IntToSymbology(int libraryNumber);

namespace lintaro {
// Raises like SymbologyToInt for a value outside the catalogue.
const TSymbologyTraits& Traits(TZintSymbology symbology);
// Raises like SymbologyToInt for a value outside the catalogue.
const TLabelModules& LabelModules(TZintSymbology symbology);
} // namespace lintaro
