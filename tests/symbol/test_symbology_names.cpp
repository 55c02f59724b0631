#include "symbol/symbology_names.h"

#include <gtest/gtest.h>

namespace {
using TList = std::vector<TZintSymbology>;

std::vector<std::string> DisplayNames(const TList& symbologies)
{
    std::vector<std::string> names;
    for (TZintSymbology symbology : symbologies)
        names.emplace_back(SymbologyCatalogue[std::size_t(symbology)].DisplayName);
    return names;
}
} // namespace

TEST(SymbologyNames, EveryCatalogueNameMeansItsOwnSymbologyOnly)
{
    for (const TSymbologyEntry& entry : SymbologyCatalogue) {
        for (const char* name : {entry.DisplayName, entry.EnumName}) {
            SCOPED_TRACE(name);
            const TSymbologyLookup lookup = LookUpSymbology(QString::fromUtf8(name));
            EXPECT_EQ(lookup.Matches, TList{entry.Symbology});
        }
        EXPECT_EQ(LookUpSymbology(QString::number(entry.LibraryNumber)).Matches,
                  TList{entry.Symbology});
    }
}

TEST(SymbologyNames, ForgivingNamesAndAliasesFindOneSymbology)
{
    const std::pair<const char*, TZintSymbology> cases[] = {
        {"code128", TZintSymbology::zsCODE128},
        {"Code 128", TZintSymbology::zsCODE128},
        {"CODE-128", TZintSymbology::zsCODE128},
        {"EAN-13", TZintSymbology::zsEANX},
        {"ean", TZintSymbology::zsEANX},
        {"ean 8", TZintSymbology::zsEANX},
        {"qr", TZintSymbology::zsQRCODE},
        {"QR code", TZintSymbology::zsQRCODE},
        {"qrcode", TZintSymbology::zsQRCODE},
        {"micro qr", TZintSymbology::zsMICROQR},
        {"datamatrix", TZintSymbology::zsDATAMATRIX},
        {"Data-Matrix", TZintSymbology::zsDATAMATRIX},
        {"gs1-128", TZintSymbology::zsEAN128},
        {"code 39", TZintSymbology::zsCODE39},
        {"pdf417", TZintSymbology::zsPDF417},
        {"aztec", TZintSymbology::zsAZTEC},
        {"itf14", TZintSymbology::zsITF14},
        {"upc-a", TZintSymbology::zsUPCA},
        {"isbn", TZintSymbology::zsISBNX},
        {"maxi", TZintSymbology::zsMAXICODE},
        {"databar limited", TZintSymbology::zsRSS_LTD},
        // A library number is never read as a part of a name: 128 is Aztec Runes.
        {"128", TZintSymbology::zsAZRUNE},
    };
    for (const auto& [name, symbology] : cases) {
        SCOPED_TRACE(name);
        const TSymbologyLookup lookup = LookUpSymbology(QString::fromUtf8(name));
        EXPECT_EQ(DisplayNames(lookup.Matches), DisplayNames({symbology}));
    }
}

// The common names are offered as they are listed and, by the shell's completion, without
// blanks: either way each must mean its own symbology alone.
TEST(SymbologyNames, EveryCommonNameMeansItsOwnSymbologyWithOrWithoutBlanks)
{
    for (const TSymbologyEntry& entry : SymbologyCatalogue) {
        for (const QString& name : CommonSymbologyNames(entry.Symbology)) {
            for (const QString& typed : {name, QString(name).remove(QLatin1Char(' '))}) {
                SCOPED_TRACE(typed.toStdString());
                EXPECT_EQ(LookUpSymbology(typed).Matches, TList{entry.Symbology});
            }
        }
    }
    EXPECT_EQ(
        CommonSymbologyNames(TZintSymbology::zsEANX),
        QStringList({QStringLiteral("ean13"), QStringLiteral("ean8"), QStringLiteral("jan")}));
    EXPECT_TRUE(CommonSymbologyNames(TZintSymbology::zsPDF417).isEmpty());
}

TEST(SymbologyNames, APartOfSeveralNamesIsAmbiguousInCatalogueOrder)
{
    const TSymbologyLookup lookup = LookUpSymbology(QStringLiteral("code 2 of 5"));
    EXPECT_EQ(DisplayNames(lookup.Matches),
              (std::vector<std::string>{"Standard Code 2 of 5", "Code 2 of 5 IATA",
                                        "Code 2 of 5 Data Logic", "Code 2 of 5 Industrial"}));
    EXPECT_TRUE(lookup.Suggestions.empty());
    EXPECT_EQ(LookUpSymbology(QStringLiteral("telepen numeric")).Matches,
              TList{TZintSymbology::zsTELEPEN_NUM});
}

TEST(SymbologyNames, AMistypedNameSuggestsTheNearestNames)
{
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"datamatirx", {"Data Matrix"}},
        {"kode128", {"Code 128 (automatic subset switching)"}},
        {"maxikode", {"Maxicode"}},
        {"telepn", {"Telepen Alpha"}},
        {"xyz", {}},
        {"9999", {}},
        {" - ", {}},
    };
    for (const auto& [name, suggested] : cases) {
        SCOPED_TRACE(name);
        const TSymbologyLookup lookup = LookUpSymbology(QString::fromUtf8(name));
        EXPECT_TRUE(lookup.Matches.empty());
        EXPECT_EQ(DisplayNames(lookup.Suggestions), suggested);
    }
}

TEST(SymbologyNames, TheFilterFindsPartsOfNamesAndAliasesInCatalogueOrder)
{
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"EAN-13", {"EAN", "ISBN (EAN-13 with verification stage)"}},
        {"qr",
         {"QR Code", "Micro QR Code", "HIBC QR Code", "UPNQR", "Rectangular Micro QR Code (rMQR)"}},
        {"gs1-128", {"GS1-128 (UCC.EAN-128)", "Composite Symbol with GS1-128 linear component"}},
        {"datamatrix", {"Data Matrix", "HIBC Data Matrix"}},
    };
    for (const auto& [typed, found] : cases) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(DisplayNames(SymbologiesContaining(QString::fromUtf8(typed))), found);
    }
    // Typing "EAN" lists EAN first, before EAN-14 and the rest that carry the word.
    const TList ean = SymbologiesContaining(QStringLiteral("EAN"));
    ASSERT_FALSE(ean.empty());
    EXPECT_EQ(ean.front(), TZintSymbology::zsEANX);
    EXPECT_TRUE(std::is_sorted(ean.begin(), ean.end()));
    EXPECT_EQ(SymbologiesContaining(QString()).size(), std::size_t(SymbologyCount));
}
