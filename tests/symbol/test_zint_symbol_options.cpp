#include "symbol/zint_symbol.h"
#include "symbol/zint_symbol_options.h"

#include <gtest/gtest.h>

#include <QMetaEnum>
#include <QMetaProperty>

#include <functional>
#include <string>
#include <vector>

namespace {

struct Options
{
    int option_1;
    int option_2;
    int option_3;
    bool operator==(const Options& other) const
    {
        return option_1 == other.option_1 && option_2 == other.option_2 &&
               option_3 == other.option_3;
    }
};

std::ostream& operator<<(std::ostream& out, const Options& options)
{
    return out << "{" << options.option_1 << ", " << options.option_2 << ", " << options.option_3
               << "}";
}

Options optionsOf(const TZintSymbol& symbol)
{
    return {symbol.option_1(), symbol.option_2(), symbol.option_3()};
}

void setOptions(TZintSymbol& symbol, const Options& options)
{
    symbol.set_option_1(options.option_1);
    symbol.set_option_2(options.option_2);
    symbol.set_option_3(options.option_3);
}

constexpr Options Created{-1, 0, 928};

struct WriteCase
{
    const char* name;
    Options before;
    std::function<void(TZintSymbol&)> write;
    Options after;
};

} // namespace

TEST(TZintSymbolOptions, CreatedSymbolReadsTheAutomaticValues)
{
    TZintSymbol symbol;
    EXPECT_EQ(symbol.MSIPlesseyOptions()->CheckDigitType(), TmpCheckDigitType::cdtNone);
    EXPECT_FALSE(symbol.ExtCode39Options()->AddCheckDigit());
    EXPECT_EQ(symbol.CompositeOptions()->CompositeType(), TCompositeType::ctAuto);
    EXPECT_EQ(symbol.GridMatrixOptions()->Size(), TgmSize::gmsAuto);
    EXPECT_EQ(symbol.GridMatrixOptions()->ErrorCorrectionCapacity(),
              TgmErrorCorrectCapacity::gmeccAuto);
    EXPECT_EQ(symbol.PDF417Options()->CheckDigitCount(), -1);
    EXPECT_EQ(symbol.PDF417Options()->Columns(), 0);
    EXPECT_EQ(symbol.AztecOptions()->ErrorCorrectCapacity(), TatErrorCorrectCapacity::ateccAuto);
    EXPECT_EQ(symbol.AztecOptions()->Size(), TatSize::atsAuto);
    EXPECT_EQ(symbol.MaxiCodeOptions()->Mode(), TmcMode::mcmAuto);
    EXPECT_EQ(symbol.DatamatrixOptions()->Size(), TdmSize::dmsAuto);
    EXPECT_FALSE(symbol.DatamatrixOptions()->ForceSquare());
    EXPECT_FALSE(symbol.DatamatrixOptions()->ForceRectangle());
    EXPECT_EQ(symbol.QRCodeOptions()->ECCLevel(), TqrECCLevel::qreAuto);
    EXPECT_EQ(symbol.QRCodeOptions()->Size(), TqrSize::qrsAuto);
    EXPECT_EQ(symbol.MicroQROptions()->ECCLevel(), TmqECCLevel::mqeAuto);
    EXPECT_EQ(symbol.MicroQROptions()->Version(), TmqVersion::mqvAuto);
    EXPECT_EQ(symbol.Code1Option()->Version(), Tc1Version::c1vAuto);
}

TEST(TZintSymbolOptions, SetsAreOwnedByTheirSymbol)
{
    TZintSymbol symbol;
    const std::vector<TCustomZintSymbolOptions*> sets{
        symbol.MSIPlesseyOptions(), symbol.ExtCode39Options(),  symbol.CompositeOptions(),
        symbol.GridMatrixOptions(), symbol.PDF417Options(),     symbol.AztecOptions(),
        symbol.MaxiCodeOptions(),   symbol.DatamatrixOptions(), symbol.QRCodeOptions(),
        symbol.MicroQROptions(),    symbol.Code1Option()};
    for (TCustomZintSymbolOptions* set : sets) {
        ASSERT_NE(set, nullptr);
        EXPECT_EQ(set->Owner(), &symbol) << set->ClassName();
    }
    symbol.Clear();
    symbol.SetSymbolType(TZintSymbology::zsQRCODE);
    EXPECT_EQ(symbol.QRCodeOptions(), sets[8]);
}

// Every writer stores exactly this and notifies once, except AddCheckDigit without a change.
TEST(TZintSymbolOptions, WritesStoreTheConvertedIntegerAndNotify)
{
    const std::vector<WriteCase> cases{
        {"MSI mod 11/10",
         Created,
         [](TZintSymbol& s) {
             s.MSIPlesseyOptions()->SetCheckDigitType(TmpCheckDigitType::cdtMod1110);
         },
         {-1, 4, 928}},
        {"check digit on",
         Created,
         [](TZintSymbol& s) { s.ExtCode39Options()->SetAddCheckDigit(true); },
         {-1, 1, 928}},
        {"check digit index 1",
         Created,
         [](TZintSymbol& s) { s.ExtCode39Options()->SetAddCheckDigit(1, true); },
         {1, 0, 928}},
        {"check digit index 3 off",
         Created,
         [](TZintSymbol& s) { s.ExtCode39Options()->SetAddCheckDigit(3, false); },
         {-1, 0, 0}},
        {"composite auto",
         {2, 0, 928},
         [](TZintSymbol& s) { s.CompositeOptions()->SetCompositeType(TCompositeType::ctAuto); },
         Created},
        {"composite CC-C",
         Created,
         [](TZintSymbol& s) { s.CompositeOptions()->SetCompositeType(TCompositeType::ctCC_C); },
         {3, 0, 928}},
        {"grid size",
         Created,
         [](TZintSymbol& s) { s.GridMatrixOptions()->SetSize(TgmSize::gms162); },
         {-1, 13, 928}},
        {"grid ecc auto",
         {3, 0, 928},
         [](TZintSymbol& s) {
             s.GridMatrixOptions()->SetErrorCorrectionCapacity(TgmErrorCorrectCapacity::gmeccAuto);
         },
         Created},
        {"grid ecc 50%",
         Created,
         [](TZintSymbol& s) {
             s.GridMatrixOptions()->SetErrorCorrectionCapacity(
                 TgmErrorCorrectCapacity::gmecc50Percent);
         },
         {5, 0, 928}},
        {"pdf level",
         Created,
         [](TZintSymbol& s) { s.PDF417Options()->SetCheckDigitCount(8); },
         {8, 0, 928}},
        {"pdf columns",
         Created,
         [](TZintSymbol& s) { s.PDF417Options()->SetColumns(30); },
         {-1, 30, 928}},
        {"aztec ecc",
         Created,
         [](TZintSymbol& s) {
             s.AztecOptions()->SetErrorCorrectCapacity(TatErrorCorrectCapacity::atecc50Percent);
         },
         {4, 0, 928}},
        {"aztec size",
         Created,
         [](TZintSymbol& s) { s.AztecOptions()->SetSize(TatSize::ats151); },
         {-1, 36, 928}},
        {"maxicode mode 4",
         Created,
         [](TZintSymbol& s) { s.MaxiCodeOptions()->SetMode(TmcMode::mcmMode4); },
         {4, 0, 928}},
        {"maxicode auto",
         {6, 0, 928},
         [](TZintSymbol& s) { s.MaxiCodeOptions()->SetMode(TmcMode::mcmAuto); },
         Created},
        {"dm extension size",
         Created,
         [](TZintSymbol& s) { s.DatamatrixOptions()->SetSize(TdmSize::dmre8x48); },
         {-1, 31, 101}},
        {"dm square size after extension",
         {-1, 31, 101},
         [](TZintSymbol& s) { s.DatamatrixOptions()->SetSize(TdmSize::dms10x10); },
         {-1, 1, 928}},
        {"dm last standard rectangle",
         {-1, 0, 100},
         [](TZintSymbol& s) { s.DatamatrixOptions()->SetSize(TdmSize::dmr16x48); },
         {-1, 30, 928}},
        {"force square",
         Created,
         [](TZintSymbol& s) { s.DatamatrixOptions()->SetForceSquare(true); },
         {-1, 0, 100}},
        {"unforce square",
         {-1, 5, 100},
         [](TZintSymbol& s) { s.DatamatrixOptions()->SetForceSquare(false); },
         {-1, 5, 928}},
        {"unforce square with extension size",
         {-1, 31, 100},
         [](TZintSymbol& s) { s.DatamatrixOptions()->SetForceSquare(false); },
         {-1, 31, 100}},
        {"unforce square while rectangular",
         {-1, 0, 102},
         [](TZintSymbol& s) { s.DatamatrixOptions()->SetForceSquare(false); },
         {-1, 0, 102}},
        {"force rectangle",
         Created,
         [](TZintSymbol& s) { s.DatamatrixOptions()->SetForceRectangle(true); },
         {-1, 0, 102}},
        {"unforce rectangle",
         {-1, 0, 102},
         [](TZintSymbol& s) { s.DatamatrixOptions()->SetForceRectangle(false); },
         Created},
        {"unforce rectangle while square",
         {-1, 0, 100},
         [](TZintSymbol& s) { s.DatamatrixOptions()->SetForceRectangle(false); },
         {-1, 0, 100}},
        {"qr ecc auto",
         {4, 0, 928},
         [](TZintSymbol& s) { s.QRCodeOptions()->SetECCLevel(TqrECCLevel::qreAuto); },
         Created},
        {"qr ecc H",
         Created,
         [](TZintSymbol& s) { s.QRCodeOptions()->SetECCLevel(TqrECCLevel::qreLevelH); },
         {4, 0, 928}},
        {"qr size 177",
         Created,
         [](TZintSymbol& s) { s.QRCodeOptions()->SetSize(TqrSize::qrs177); },
         {-1, 40, 928}},
        {"micro qr ecc Q",
         Created,
         [](TZintSymbol& s) { s.MicroQROptions()->SetECCLevel(TmqECCLevel::mqeQ); },
         {3, 0, 928}},
        {"micro qr version",
         Created,
         [](TZintSymbol& s) { s.MicroQROptions()->SetVersion(TmqVersion::mqv4); },
         {-1, 4, 928}},
        {"code one S",
         Created,
         [](TZintSymbol& s) { s.Code1Option()->SetVersion(Tc1Version::c1vS); },
         {-1, 9, 928}},
    };
    for (const WriteCase& c : cases) {
        TZintSymbol symbol;
        setOptions(symbol, c.before);
        int changes = 0;
        symbol.SetOnChange([&changes](TZintPersistent*) { ++changes; });
        c.write(symbol);
        EXPECT_EQ(optionsOf(symbol), c.after) << c.name;
        EXPECT_EQ(changes, 1) << c.name;
    }
}

TEST(TZintSymbolOptions, ValuesOutsideAPropertysRangeReadAsAutomatic)
{
    TZintSymbol symbol;
    const auto read = [&symbol](Options options) -> TZintSymbol& {
        setOptions(symbol, options);
        return symbol;
    };
    EXPECT_EQ(read({1, 0, 928}).MaxiCodeOptions()->Mode(), TmcMode::mcmAuto);
    EXPECT_EQ(read({6, 0, 928}).MaxiCodeOptions()->Mode(), TmcMode::mcmMode6);
    EXPECT_EQ(read({9, 0, 928}).PDF417Options()->CheckDigitCount(), -1);
    EXPECT_EQ(read({-2, 0, 928}).PDF417Options()->CheckDigitCount(), -1);
    EXPECT_EQ(read({8, 0, 928}).PDF417Options()->CheckDigitCount(), 8);
    EXPECT_EQ(read({-1, 31, 928}).PDF417Options()->Columns(), 0);
    EXPECT_EQ(read({-1, 5, 928}).MSIPlesseyOptions()->CheckDigitType(), TmpCheckDigitType::cdtNone);
    EXPECT_EQ(read({4, 0, 928}).CompositeOptions()->CompositeType(), TCompositeType::ctAuto);
    EXPECT_EQ(read({5, 0, 928}).AztecOptions()->ErrorCorrectCapacity(),
              TatErrorCorrectCapacity::ateccAuto);
    EXPECT_EQ(read({5, 0, 928}).QRCodeOptions()->ECCLevel(), TqrECCLevel::qreAuto);
    EXPECT_EQ(read({-1, 49, 928}).DatamatrixOptions()->Size(), TdmSize::dmsAuto);
    EXPECT_EQ(read({-1, 10, 928}).Code1Option()->Version(), Tc1Version::c1vAuto);
    EXPECT_EQ(read({-1, 14, 928}).GridMatrixOptions()->Size(), TgmSize::gmsAuto);
    EXPECT_TRUE(read({-1, -7, 928}).ExtCode39Options()->AddCheckDigit());
}

TEST(TZintSymbolOptions, SetsSharingAnIntegerChangeTogether)
{
    TZintSymbol symbol;
    symbol.QRCodeOptions()->SetSize(TqrSize::qrs25);
    EXPECT_EQ(symbol.option_2(), 2);
    EXPECT_EQ(symbol.DatamatrixOptions()->Size(), TdmSize::dms12x12);
    EXPECT_EQ(symbol.AztecOptions()->Size(), TatSize::ats19Compact);
    EXPECT_TRUE(symbol.ExtCode39Options()->AddCheckDigit());

    symbol.QRCodeOptions()->SetSize(TqrSize::qrs177);
    EXPECT_EQ(symbol.AztecOptions()->Size(), TatSize::atsAuto);
    EXPECT_EQ(symbol.DatamatrixOptions()->Size(), TdmSize::dmre20x36);

    symbol.MaxiCodeOptions()->SetMode(TmcMode::mcmMode3);
    EXPECT_EQ(symbol.QRCodeOptions()->ECCLevel(), TqrECCLevel::qreLevelQ);
    EXPECT_EQ(symbol.PDF417Options()->CheckDigitCount(), 3);
}

TEST(TZintSymbolOptions, AddCheckDigitNotifiesOnlyOnChange)
{
    TZintSymbol symbol;
    int changes = 0;
    symbol.SetOnChange([&changes](TZintPersistent*) { ++changes; });
    TZintExtCode39Options& options = *symbol.ExtCode39Options();
    options.SetAddCheckDigit(true);
    options.SetAddCheckDigit(true);
    EXPECT_EQ(changes, 1);
    for (const int index : {0, 4, -1}) {
        options.SetAddCheckDigit(index, true);
        EXPECT_FALSE(options.AddCheckDigit(index));
    }
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(optionsOf(symbol), (Options{-1, 1, 928}));
}

TEST(TZintSymbolOptions, PublishedPropertiesAreListedInGridOrder)
{
    TZintSymbol symbol;
    const std::vector<std::pair<QObject*, std::vector<std::string>>> expected{
        {symbol.MSIPlesseyOptions(), {"CheckDigitType"}},
        {symbol.ExtCode39Options(), {"AddCheckDigit"}},
        {symbol.CompositeOptions(), {"CompositeType"}},
        {symbol.GridMatrixOptions(), {"Size", "ErrorCorrectionCapacity"}},
        {symbol.PDF417Options(), {"CheckDigitCount", "Columns"}},
        {symbol.AztecOptions(), {"ErrorCorrectCapacity", "Size"}},
        {symbol.MaxiCodeOptions(), {"Mode"}},
        {symbol.DatamatrixOptions(), {"Size", "ForceSquare", "ForceRectangle"}},
        {symbol.QRCodeOptions(), {"ECCLevel", "Size"}},
        {symbol.MicroQROptions(), {"ECCLevel", "Version"}},
        {symbol.Code1Option(), {"Version"}},
    };
    for (const auto& [set, names] : expected) {
        const QMetaObject* meta = set->metaObject();
        std::vector<std::string> published;
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
            published.emplace_back(meta->property(i).name());
        EXPECT_EQ(published, names) << meta->className();
    }
}

TEST(TZintSymbolOptions, PropertiesWorkByNameForTheRegistry)
{
    TZintSymbol symbol;
    QObject* qr = symbol.QRCodeOptions();
    const QMetaProperty size =
        qr->metaObject()->property(qr->metaObject()->indexOfProperty("Size"));
    ASSERT_TRUE(size.isEnumType());
    const QMetaEnum sizes = size.enumerator();
    EXPECT_EQ(sizes.keyCount(), 41);
    EXPECT_STREQ(sizes.key(1), "qrs21");
    EXPECT_STREQ(sizes.key(40), "qrs177");
    ASSERT_TRUE(size.write(qr, sizes.keyToValue("qrs33")));
    EXPECT_EQ(symbol.option_2(), 4);

    EXPECT_EQ(QMetaEnum::fromType<TdmSize>().keyCount(), 49);
    EXPECT_STREQ(QMetaEnum::fromType<TdmSize>().key(31), "dmre8x48");
    EXPECT_EQ(QMetaEnum::fromType<TatSize>().keyCount(), 37);
    EXPECT_STREQ(QMetaEnum::fromType<TatSize>().key(4), "ats27Compact");
    EXPECT_STREQ(QMetaEnum::fromType<Tc1Version>().key(9), "c1vS");

    const QMetaObject* pdf = symbol.PDF417Options()->metaObject();
    EXPECT_STREQ(pdf->classInfo(pdf->indexOfClassInfo("CheckDigitCount")).value(), "-1..8");
    EXPECT_STREQ(pdf->classInfo(pdf->indexOfClassInfo("Columns")).value(), "0..30");
    EXPECT_TRUE(symbol.PDF417Options()->setProperty("Columns", 12));
    EXPECT_EQ(symbol.option_2(), 12);
}
