#include "symbol/zint_symbology.h"

#include "base/zint_exception.h"

const std::array<TSymbologyEntry, SymbologyCount> SymbologyCatalogue{{
    {"Code 11", TZintSymbology::zsCODE11, "zsCODE11", 1},
    {"Standard Code 2 of 5", TZintSymbology::zsC25MATRIX, "zsC25MATRIX", 2},
    {"Interleaved 2 of 5", TZintSymbology::zsC25INTER, "zsC25INTER", 3},
    {"Code 2 of 5 IATA", TZintSymbology::zsC25IATA, "zsC25IATA", 4},
    {"Code 2 of 5 Data Logic", TZintSymbology::zsC25LOGIC, "zsC25LOGIC", 6},
    {"Code 2 of 5 Industrial", TZintSymbology::zsC25IND, "zsC25IND", 7},
    {"Code 3 of 9 (Code 39)", TZintSymbology::zsCODE39, "zsCODE39", 8, "ExtCode39Options"},
    {"Extended Code 3 of 9 (Code 39+)", TZintSymbology::zsEXCODE39, "zsEXCODE39", 9,
     "ExtCode39Options"},
    {"EAN", TZintSymbology::zsEANX, "zsEANX", 13},
    {"GS1-128 (UCC.EAN-128)", TZintSymbology::zsEAN128, "zsEAN128", 16},
    {"Codabar", TZintSymbology::zsCODABAR, "zsCODABAR", 18},
    {"Code 128 (automatic subset switching)", TZintSymbology::zsCODE128, "zsCODE128", 20},
    {"Deutsche Post Leitcode", TZintSymbology::zsDPLEIT, "zsDPLEIT", 21},
    {"Deutsche Post Identcode", TZintSymbology::zsDPIDENT, "zsDPIDENT", 22},
    {"Code 16K", TZintSymbology::zsCODE16K, "zsCODE16K", 23},
    {"Code 49", TZintSymbology::zsCODE49, "zsCODE49", 24},
    {"Code 93", TZintSymbology::zsCODE93, "zsCODE93", 25},
    {"Flattermarken", TZintSymbology::zsFLAT, "zsFLAT", 28},
    {"GS1 DataBar-14", TZintSymbology::zsRSS14, "zsRSS14", 29},
    {"GS1 DataBar Limited", TZintSymbology::zsRSS_LTD, "zsRSS_LTD", 30},
    {"GS1 DataBar Extended", TZintSymbology::zsRSS_EXP, "zsRSS_EXP", 31},
    {"Telepen Alpha", TZintSymbology::zsTELEPEN, "zsTELEPEN", 32},
    {"UPC A", TZintSymbology::zsUPCA, "zsUPCA", 34},
    {"UPC E", TZintSymbology::zsUPCE, "zsUPCE", 37},
    {"PostNet", TZintSymbology::zsPOSTNET, "zsPOSTNET", 40},
    {"MSI Plessey", TZintSymbology::zsMSI_PLESSEY, "zsMSI_PLESSEY", 47, "MSIPlesseyOptions"},
    {"FIM", TZintSymbology::zsFIM, "zsFIM", 49},
    {"LOGMARS", TZintSymbology::zsLOGMARS, "zsLOGMARS", 50},
    {"Pharmacode One-Track", TZintSymbology::zsPHARMA, "zsPHARMA", 51},
    {"PZN", TZintSymbology::zsPZN, "zsPZN", 52},
    {"Pharmacode Two-Track", TZintSymbology::zsPHARMA_TWO, "zsPHARMA_TWO", 53},
    {"PDF417", TZintSymbology::zsPDF417, "zsPDF417", 55, "PDF417Options"},
    {"PDF417 Truncated", TZintSymbology::zsPDF417TRUNC, "zsPDF417TRUNC", 56, "PDF417Options"},
    {"Maxicode", TZintSymbology::zsMAXICODE, "zsMAXICODE", 57, "MaxiCodeOptions"},
    {"QR Code", TZintSymbology::zsQRCODE, "zsQRCODE", 58, "QRCodeOptions"},
    {"Code 128 (Subset B)", TZintSymbology::zsCODE128B, "zsCODE128B", 60},
    {"Australia Post Standard Customer", TZintSymbology::zsAUSPOST, "zsAUSPOST", 63},
    {"Australia Post Reply Paid", TZintSymbology::zsAUSREPLY, "zsAUSREPLY", 66},
    {"Australia Post Routing", TZintSymbology::zsAUSROUTE, "zsAUSROUTE", 67},
    {"Australia Post Redirection", TZintSymbology::zsAUSREDIRECT, "zsAUSREDIRECT", 68},
    {"ISBN (EAN-13 with verification stage)", TZintSymbology::zsISBNX, "zsISBNX", 69},
    {"Royal Mail 4 State (RM4SCC)", TZintSymbology::zsRM4SCC, "zsRM4SCC", 70},
    {"Data Matrix", TZintSymbology::zsDATAMATRIX, "zsDATAMATRIX", 71, "DatamatrixOptions"},
    {"EAN-14", TZintSymbology::zsEAN14, "zsEAN14", 72},
    {"CODABLOCKF", TZintSymbology::zsCODABLOCKF, "zsCODABLOCKF", 74},
    {"NVE-18", TZintSymbology::zsNVE18, "zsNVE18", 75},
    {"Japanese Postal Code", TZintSymbology::zsJAPANPOST, "zsJAPANPOST", 76},
    {"Korea Post", TZintSymbology::zsKOREAPOST, "zsKOREAPOST", 77},
    {"GS1 DataBar-14 Stacked", TZintSymbology::zsRSS14STACK, "zsRSS14STACK", 79},
    {"GS1 DataBar-14 Stacked Omnidirectional", TZintSymbology::zsRSS14STACK_OMNI,
     "zsRSS14STACK_OMNI", 80},
    {"GS1 DataBar Expanded Stacked", TZintSymbology::zsRSS_EXPSTACK, "zsRSS_EXPSTACK", 81},
    {"PLANET", TZintSymbology::zsPLANET, "zsPLANET", 82},
    {"MicroPDF417", TZintSymbology::zsMICROPDF417, "zsMICROPDF417", 84},
    {"USPS OneCode", TZintSymbology::zsONECODE, "zsONECODE", 85},
    {"Plessey Code", TZintSymbology::zsPLESSEY, "zsPLESSEY", 86},
    {"Telepen Numeric", TZintSymbology::zsTELEPEN_NUM, "zsTELEPEN_NUM", 87},
    {"ITF-14", TZintSymbology::zsITF14, "zsITF14", 89},
    {"Dutch Post KIX Code", TZintSymbology::zsKIX, "zsKIX", 90},
    {"Aztec Code", TZintSymbology::zsAZTEC, "zsAZTEC", 92, "AztecOptions"},
    {"DAFT Code", TZintSymbology::zsDAFT, "zsDAFT", 93},
    {"Micro QR Code", TZintSymbology::zsMICROQR, "zsMICROQR", 97, "MicroQROptions"},
    {"HIBC Code 128", TZintSymbology::zsHIBC_128, "zsHIBC_128", 98},
    {"HIBC Code 39", TZintSymbology::zsHIBC_39, "zsHIBC_39", 99},
    {"HIBC Data Matrix", TZintSymbology::zsHIBC_DM, "zsHIBC_DM", 102, "DatamatrixOptions"},
    {"HIBC QR Code", TZintSymbology::zsHIBC_QR, "zsHIBC_QR", 104, "QRCodeOptions"},
    {"HIBC PDF417", TZintSymbology::zsHIBC_PDF, "zsHIBC_PDF", 106, "PDF417Options"},
    {"HIBC MicroPDF417", TZintSymbology::zsHIBC_MICPDF, "zsHIBC_MICPDF", 108},
    {"HIBC_BLOCKF", TZintSymbology::zsHIBC_BLOCKF, "zsHIBC_BLOCKF", 110},
    {"HIBC Aztec Code", TZintSymbology::zsHIBC_AZTEC, "zsHIBC_AZTEC", 112, "AztecOptions"},
    {"Aztec Runes", TZintSymbology::zsAZRUNE, "zsAZRUNE", 128},
    {"Code 32", TZintSymbology::zsCODE32, "zsCODE32", 129},
    {"Composite Symbol with EAN linear component", TZintSymbology::zsEANX_CC, "zsEANX_CC", 130,
     "CompositeOptions"},
    {"Composite Symbol with GS1-128 linear component", TZintSymbology::zsEAN128_CC, "zsEAN128_CC",
     131, "CompositeOptions"},
    {"Composite Symbol with GS1 DataBar-14 linear component", TZintSymbology::zsRSS14_CC,
     "zsRSS14_CC", 132, "CompositeOptions"},
    {"Composite Symbol with GS1 DataBar Limited component", TZintSymbology::zsRSS_LTD_CC,
     "zsRSS_LTD_CC", 133, "CompositeOptions"},
    {"Composite Symbol with GS1 DataBar Extended component", TZintSymbology::zsRSS_EXP_CC,
     "zsRSS_EXP_CC", 134, "CompositeOptions"},
    {"Composite Symbol with UPC A linear component", TZintSymbology::zsUPCA_CC, "zsUPCA_CC", 135,
     "CompositeOptions"},
    {"Composite Symbol with UPC E linear component", TZintSymbology::zsUPCE_CC, "zsUPCE_CC", 136,
     "CompositeOptions"},
    {"Composite Symbol with GS1 DataBar-14 Stacked component", TZintSymbology::zsRSS14STACK_CC,
     "zsRSS14STACK_CC", 137, "CompositeOptions"},
    {"Composite Symbol with GS1 DataBar-14 Stacked Omnidirectional component",
     TZintSymbology::zsRSS14_OMNI_CC, "zsRSS14_OMNI_CC", 138, "CompositeOptions"},
    {"Composite Symbol with GS1 DataBar Expanded Stacked component",
     TZintSymbology::zsRSS_EXPSTACK_CC, "zsRSS_EXPSTACK_CC", 139, "CompositeOptions"},
    {"Channel Code", TZintSymbology::zsCHANNEL, "zsCHANNEL", 140},
    {"Code One", TZintSymbology::zsCODEONE, "zsCODEONE", 141, "Code1Option"},
    {"Grid Matrix", TZintSymbology::zsGRIDMATRIX, "zsGRIDMATRIX", 142, "GridMatrixOptions"},
    {"Dotcode", TZintSymbology::zsDOTCODE, "zsDOTCODE", 115},
}};

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
