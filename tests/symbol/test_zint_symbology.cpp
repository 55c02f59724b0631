#include "base/zint_exception.h"
#include "symbol/quiet_zones.h"
#include "symbol/zint_symbology.h"

#include <zint.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

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
        if (traits.IsDotty()) {
            EXPECT_TRUE(ZBarcode_Cap(number, ZINT_CAP_DOTTY)) << entry.EnumName;
        }
        EXPECT_FALSE(traits.IsUpcA() && traits.IsUpcE()) << entry.EnumName;
        if (traits.IsUpcA() || traits.IsUpcE()) {
            EXPECT_TRUE(traits.IsEanUpc()) << entry.EnumName;
        }
        EXPECT_EQ(traits.StandardModuleMm > 0, traits.IsMaxiCode()) << entry.EnumName;
        EXPECT_EQ(&lintaro::Traits(entry.Symbology), &traits) << entry.EnumName;
    }
}

namespace {
struct TPictureOrigin
{
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

// libzint's vector picture of the catalogue sample, with or without its quiet zones.
TPictureOrigin LibraryPicture(const TSymbologyEntry& entry, int quietZoneFlag)
{
    zint_symbol* symbol = ZBarcode_Create();
    symbol->symbology = entry.LibraryNumber;
    symbol->input_mode = UNICODE_MODE;
    symbol->show_hrt = 0;
    symbol->output_options = quietZoneFlag;
    if (entry.Traits.LinearComponent)
        std::strcpy(symbol->primary, entry.Traits.LinearComponent);
    const std::string text = entry.Traits.SampleText;
    ZBarcode_Encode_and_Buffer_Vector(symbol, reinterpret_cast<const unsigned char*>(text.data()),
                                      int(text.size()), 0);
    TPictureOrigin picture{1e9f, 1e9f, symbol->vector->width, symbol->vector->height};
    const auto include = [&picture](float x, float y) {
        picture.Left = std::min(picture.Left, x);
        picture.Top = std::min(picture.Top, y);
    };
    for (const zint_vector_rect* rect = symbol->vector->rectangles; rect; rect = rect->next)
        include(rect->x, rect->y);
    for (const zint_vector_hexagon* hexagon = symbol->vector->hexagons; hexagon;
         hexagon = hexagon->next)
        include(hexagon->x, hexagon->y);
    for (const zint_vector_circle* circle = symbol->vector->circles; circle; circle = circle->next)
        include(circle->x, circle->y);
    ZBarcode_Delete(symbol);
    return picture;
}

// The zones libzint adds when asked, in whole modules (its vector unit is half a module).
TQuietZones LibraryQuietZones(const TSymbologyEntry& entry)
{
    const TPictureOrigin without = LibraryPicture(entry, BARCODE_NO_QUIET_ZONES);
    const TPictureOrigin with = LibraryPicture(entry, BARCODE_QUIET_ZONES);
    const auto modules = [](float units) { return int(std::ceil(units / 2 - 0.01f)); };
    const float left = with.Left - without.Left;
    const float top = with.Top - without.Top;
    return {modules(left), modules(with.Width - without.Width - left), modules(top),
            modules(with.Height - without.Height - top)};
}
} // namespace

TEST(SymbologyCatalogue, QuietZonesAreTheLibrarysRoundedUp)
{
    // Code 16K, Code 49 and ITF-14 bring their bands with the symbol; the four-state codes of
    // Royal Mail, Japan Post and KIX have always been drawn without zones above and below.
    const std::set<TZintSymbology> ownZones = {
        TZintSymbology::zsCODE16K, TZintSymbology::zsCODE49,    TZintSymbology::zsITF14,
        TZintSymbology::zsRM4SCC,  TZintSymbology::zsJAPANPOST, TZintSymbology::zsKIX};
    for (const TSymbologyEntry& entry : SymbologyCatalogue) {
        if (ownZones.count(entry.Symbology))
            continue;
        const TQuietZones own = StandardQuietZones(entry.Symbology, false);
        const TQuietZones library = LibraryQuietZones(entry);
        EXPECT_EQ(std::vector<int>({own.Left, own.Right, own.Top, own.Bottom}),
                  std::vector<int>({library.Left, library.Right, library.Top, library.Bottom}))
            << entry.EnumName;
    }
}
