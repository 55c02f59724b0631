#include "base/zint_exception.h"
#include "symbol/zint_symbology.h"

#include <gtest/gtest.h>

TEST(SymbologyCatalogue, IndexIsOrdinalAndNumbersRoundTrip)
{
    for (int index = 0; index < SymbologyCount; ++index) {
        const TSymbologyEntry& entry = SymbologyCatalogue[index];
        EXPECT_EQ(static_cast<int>(entry.Symbology), index) << entry.DisplayName;
        EXPECT_EQ(SymbologyToInt(entry.Symbology), entry.LibraryNumber) << entry.DisplayName;
        EXPECT_EQ(IntToSymbology(SymbologyToInt(entry.Symbology)), entry.Symbology)
            << entry.DisplayName;
    }
}

TEST(SymbologyCatalogue, DotcodeStandsLastOutOfNumberOrder)
{
    EXPECT_EQ(SymbologyToInt(TZintSymbology::zsDOTCODE), 115);
    EXPECT_EQ(SymbologyToInt(TZintSymbology::zsGRIDMATRIX), 142);
    EXPECT_EQ(IntToSymbology(115), TZintSymbology::zsDOTCODE);
    EXPECT_STREQ(SymbologyCatalogue[SymbologyCount - 1].DisplayName, "Dotcode");
}

TEST(SymbologyCatalogue, NumbersOutsideTheTableRaise)
{
    for (const int number : {5, 0, 143, -1}) {
        try {
            IntToSymbology(number);
            ADD_FAILURE() << number << " was accepted";
        } catch (const EZintException& error) {
            EXPECT_STREQ(error.what(), "unknown barcode IntToSymbology");
        }
    }
}
