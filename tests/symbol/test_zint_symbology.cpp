#include "base/zint_exception.h"
#include "symbol/zint_symbology.h"

#include <zint.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

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

// Stored settings hold catalogue indices: the symbologies added later stand after the first
// 85, which keep their places (Dotcode last among them, out of number order).
TEST(SymbologyCatalogue, LaterSymbologiesStandAfterTheFirstOnes)
{
    EXPECT_EQ(int(TZintSymbology::zsDOTCODE), 84);
    EXPECT_EQ(SymbologyToInt(TZintSymbology::zsDOTCODE), 115);
    EXPECT_EQ(SymbologyToInt(TZintSymbology::zsGRIDMATRIX), 142);
    EXPECT_EQ(IntToSymbology(115), TZintSymbology::zsDOTCODE);
    EXPECT_EQ(IntToSymbology(116), TZintSymbology::zsHANXIN);
    EXPECT_GT(int(TZintSymbology::zsHANXIN), int(TZintSymbology::zsDOTCODE));
}

TEST(SymbologyCatalogue, NumbersOutsideTheTableRaise)
{
    for (const int number : {5, 0, BARCODE_LAST + 1, -1}) {
        try {
            IntToSymbology(number);
            ADD_FAILURE() << number << " was accepted";
        } catch (const EZintException& error) {
            EXPECT_STREQ(error.what(), "unknown barcode IntToSymbology");
        }
    }
}

TEST(SymbologyCatalogue, HoldsEverySymbologyTheLibraryEncodesOnce)
{
    std::map<int, int> timesCatalogued;
    for (const TSymbologyEntry& entry : SymbologyCatalogue)
        ++timesCatalogued[entry.LibraryNumber];
    for (int number = -1; number <= BARCODE_LAST + 1; ++number) {
        const int times = timesCatalogued.count(number) ? timesCatalogued[number] : 0;
        EXPECT_EQ(times, ZBarcode_ValidID(number) ? 1 : 0) << "library number " << number;
    }
    for (const auto& [number, times] : timesCatalogued)
        EXPECT_TRUE(ZBarcode_ValidID(number)) << "library number " << number;
}

TEST(SymbologyCatalogue, NamesAreUnique)
{
    std::set<std::string> displayNames;
    std::set<std::string> enumNames;
    for (const TSymbologyEntry& entry : SymbologyCatalogue) {
        EXPECT_TRUE(displayNames.insert(entry.DisplayName).second) << entry.DisplayName;
        EXPECT_TRUE(enumNames.insert(entry.EnumName).second) << entry.EnumName;
    }
}

// The traits libzint can answer itself must agree with it.
TEST(SymbologyCatalogue, TraitsAgreeWithTheLibrary)
{
    for (const TSymbologyEntry& entry : SymbologyCatalogue) {
        const TSymbologyTraits& traits = entry.Traits;
        const int number = entry.LibraryNumber;
        const bool extendable = ZBarcode_Cap(number, ZINT_CAP_EXTENDABLE) != 0;
        EXPECT_EQ(traits.HasAddOn(), extendable) << entry.EnumName;
        EXPECT_EQ(traits.IsEanUpc(), extendable) << entry.EnumName;
        EXPECT_EQ(traits.IsComposite(), ZBarcode_Cap(number, ZINT_CAP_COMPOSITE) != 0)
            << entry.EnumName;
        EXPECT_EQ(traits.IsComposite(), traits.LinearComponent != nullptr) << entry.EnumName;
        if (traits.IsDotty())
            EXPECT_TRUE(ZBarcode_Cap(number, ZINT_CAP_DOTTY)) << entry.EnumName;
        EXPECT_FALSE(traits.IsUpcA() && traits.IsUpcE()) << entry.EnumName;
        if (traits.IsUpcA() || traits.IsUpcE())
            EXPECT_TRUE(traits.IsEanUpc()) << entry.EnumName;
        EXPECT_EQ(traits.StandardModuleMm > 0, traits.IsMaxiCode()) << entry.EnumName;
        EXPECT_EQ(&lintaro::Traits(entry.Symbology), &traits) << entry.EnumName;
    }
}
