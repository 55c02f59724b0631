#include "symbol/quiet_zones.h"

namespace {
using S = TZintSymbology;

TQuietZones Sides(int horizontal, int vertical = 0)
{
    return {horizontal, horizontal, vertical, vertical};
}
} // namespace

TQuietZones StandardQuietZones(TZintSymbology symbology, bool hasAddon)
{
    switch (symbology) {
    case S::zsEANX:
    case S::zsISBNX:
    case S::zsEANX_CC:
        // EAN-8 has 7 on both sides; libzint tells EAN-8 from EAN-13 only by the data, and the
        // wider left zone costs EAN-8 nothing but four modules of white.
        return {11, hasAddon ? 5 : 7, 0, 0};
    case S::zsUPCA:
    case S::zsUPCA_CC:
        return {9, hasAddon ? 5 : 9, 0, 0};
    case S::zsUPCE:
    case S::zsUPCE_CC:
        return {9, hasAddon ? 5 : 7, 0, 0};
    case S::zsCODE11:
    case S::zsC25MATRIX:
    case S::zsC25INTER:
    case S::zsC25IATA:
    case S::zsC25LOGIC:
    case S::zsC25IND:
    case S::zsCODE39:
    case S::zsEXCODE39:
    case S::zsEAN128:
    case S::zsCODABAR:
    case S::zsCODE128:
    case S::zsCODE128B:
    case S::zsDPLEIT:
    case S::zsDPIDENT:
    case S::zsCODE93:
    case S::zsTELEPEN:
    case S::zsTELEPEN_NUM:
    case S::zsLOGMARS:
    case S::zsPZN:
    case S::zsEAN14:
    case S::zsNVE18:
    case S::zsKOREAPOST:
    case S::zsHIBC_128:
    case S::zsHIBC_39:
    case S::zsCODE32:
    case S::zsCODABLOCKF:
    case S::zsHIBC_BLOCKF:
        return Sides(10);
    case S::zsCODE49:
        return {10, 1, 0, 0};
    case S::zsMSI_PLESSEY:
    case S::zsPLESSEY:
        return Sides(12);
    case S::zsPHARMA:
    case S::zsPHARMA_TWO:
        return Sides(6);
    case S::zsFIM:
        return {6, 4, 0, 0};
    case S::zsCHANNEL:
        return {1, 2, 0, 0};
    case S::zsPOSTNET:
    case S::zsPLANET:
        return Sides(5, 2);
    case S::zsONECODE:
        return Sides(5, 2);
    case S::zsAUSPOST:
    case S::zsAUSREPLY:
    case S::zsAUSROUTE:
    case S::zsAUSREDIRECT:
        return Sides(10, 4);
    case S::zsRM4SCC:
    case S::zsKIX:
        return Sides(4);
    case S::zsJAPANPOST:
        return Sides(4);
    case S::zsPDF417:
    case S::zsPDF417TRUNC:
    case S::zsHIBC_PDF:
        return Sides(2, 2);
    case S::zsMICROPDF417:
    case S::zsHIBC_MICPDF:
    case S::zsDATAMATRIX:
    case S::zsHIBC_DM:
    case S::zsMAXICODE:
        return Sides(1, 1);
    case S::zsRSS14_CC:
    case S::zsRSS_LTD_CC:
    case S::zsRSS14STACK_CC:
    case S::zsRSS14_OMNI_CC:
    case S::zsRSS_EXP_CC:
    case S::zsRSS_EXPSTACK_CC:
        return Sides(1);
    case S::zsEAN128_CC:
        return Sides(10);
    case S::zsQRCODE:
    case S::zsHIBC_QR:
        return Sides(4, 4);
    case S::zsMICROQR:
        return Sides(2, 2);
    case S::zsDOTCODE:
        return Sides(3, 3);
    case S::zsGRIDMATRIX:
        return Sides(6, 6);
    default:
        // DataBar, Aztec, Code One, Code 16K and ITF-14 (whose bands libzint sets itself),
        // Flattermarken, DAFT: no quiet zone of their own.
        return {};
    }
}
