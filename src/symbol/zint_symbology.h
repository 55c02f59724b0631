#pragma once

#include <array>
#include <cstdint>

// The 85 symbologies, in catalogue order: the ordinal is the catalogue index.
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
    zsDOTCODE
};

constexpr int SymbologyCount = 85;

struct TSymbologyEntry
{
    const char* DisplayName; // English, never translated
    TZintSymbology Symbology;
    const char* EnumName; // "zsCODE39"
    int LibraryNumber;
    // The symbol's option set whose meanings this symbology's encoder reads (the property
    // name, "QRCodeOptions"); none when no set describes its options.
    const char* OptionSet = nullptr;
};

extern const std::array<TSymbologyEntry, SymbologyCount> SymbologyCatalogue;

// Both raise EZintException("unknown barcode IntToSymbology") for a value outside the catalogue.
int SymbologyToInt(TZintSymbology symbology);
TZintSymbology IntToSymbology(int libraryNumber);
