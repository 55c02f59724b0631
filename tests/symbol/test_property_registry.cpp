#include "symbol/property_registry.h"
#include "symbol/zint_symbol.h"
#include "symbol/zint_symbol_options.h"

#include <gtest/gtest.h>

namespace {

const QChar Dot = QLatin1Char('.');

QStringList namesOf(const QList<TListedProperty>& list)
{
    QStringList names;
    for (const TListedProperty& property : list)
        names.append(property.Name);
    return names;
}

class PropertyRegistryTest : public testing::Test
{
protected:
    QVariant read(const char* path) { return ReadPropertyPath(&symbol, QLatin1String(path), Dot); }
    void write(const char* path, const QVariant& value)
    {
        WritePropertyPath(&symbol, QLatin1String(path), value, Dot);
    }

    TZintSymbol symbol;
};

const QStringList OptionSetNames = {
    QStringLiteral("MSIPlesseyOptions"), QStringLiteral("ExtCode39Options"),
    QStringLiteral("CompositeOptions"),  QStringLiteral("GridMatrixOptions"),
    QStringLiteral("PDF417Options"),     QStringLiteral("AztecOptions"),
    QStringLiteral("MaxiCodeOptions"),   QStringLiteral("DatamatrixOptions"),
    QStringLiteral("MicroQROptions"),    QStringLiteral("Code1Option"),
    QStringLiteral("QRCodeOptions")};

TEST_F(PropertyRegistryTest, KindSetsFilterTheSymbolsProperties)
{
    const QStringList scalars = {QStringLiteral("SymbolType"), QStringLiteral("NoMinHeightCheck")};
    struct Case
    {
        TPropertyKinds include;
        TPropertyKinds exclude;
        QStringList expected;
    };
    const Case cases[] = {
        {TPropertyKind::pkObject, {}, OptionSetNames},
        {{}, TPropertyKind::pkObject, scalars},
        {TPropertyKind::pkBoolean, TPropertyKind::pkBoolean | TPropertyKind::pkObject, scalars},
        {{}, {}, QStringList{scalars.first()} + OptionSetNames + QStringList{scalars.last()}},
    };
    for (const Case& c : cases) {
        QList<TListedProperty> list;
        const int added =
            ListObjectProperties(&symbol, list, false, c.include, c.exclude, true, QString(), Dot);
        EXPECT_EQ(namesOf(list), c.expected);
        EXPECT_EQ(added, c.expected.size());
    }
}

TEST_F(PropertyRegistryTest, ListingAppendsWithPrefixAndDescriptors)
{
    QList<TListedProperty> list{{QStringLiteral("earlier"), {}}};
    const int added = ListObjectProperties(symbol.DatamatrixOptions(), list, false, {}, {}, true,
                                           QStringLiteral("dm."), Dot);
    EXPECT_EQ(added, 3);
    EXPECT_EQ(namesOf(list),
              (QStringList{QStringLiteral("earlier"), QStringLiteral("dm.Size"),
                           QStringLiteral("dm.ForceSquare"), QStringLiteral("dm.ForceRectangle")}));
    EXPECT_EQ(list.at(1).Info.Type.Kind, TPropertyKind::pkEnumeration);
    EXPECT_EQ(list.at(1).Info.Type.ValueNames.size(), 49);
    EXPECT_EQ(list.at(2).Info.Type.Kind, TPropertyKind::pkBoolean);

    EXPECT_THROW(ListObjectProperties(nullptr, list, false, {}, {}, true, QString(), Dot),
                 EZintException);
}

TEST_F(PropertyRegistryTest, RecursiveListingWalksIntoEveryOptionSet)
{
    QList<TListedProperty> list;
    ListObjectProperties(&symbol, list, true, TPropertyKind::pkInteger, {}, true, QString(), Dot);
    EXPECT_EQ(namesOf(list), (QStringList{QStringLiteral("PDF417Options.CheckDigitCount"),
                                          QStringLiteral("PDF417Options.Columns")}));
    EXPECT_EQ(list.at(0).Info.Type.MinValue, -1);
    EXPECT_EQ(list.at(0).Info.Type.MaxValue, 8);
    EXPECT_EQ(list.at(1).Info.Type.MinValue, 0);
    EXPECT_EQ(list.at(1).Info.Type.MaxValue, 30);
}

TEST_F(PropertyRegistryTest, ReadsValuesByPathWithTheirKindsType)
{
    EXPECT_EQ(read("QRCodeOptions").value<QObject*>(), symbol.QRCodeOptions());
    EXPECT_EQ(read("QRCodeOptions.Size"), QVariant(0));
    symbol.QRCodeOptions()->SetSize(TqrSize::qrs25);
    EXPECT_EQ(read("qrcodeoptions.SIZE"), QVariant(2));

    for (const char* path : {"DatamatrixOptions.ForceSquare", "NoMinHeightCheck"}) {
        EXPECT_EQ(read(path).typeId(), QMetaType::Bool) << path;
        EXPECT_EQ(read(path), QVariant(false)) << path;
    }
    EXPECT_EQ(read("PDF417Options.CheckDigitCount"), QVariant(-1));
    symbol.SetSymbolType(TZintSymbology::zsQRCODE);
    EXPECT_EQ(read("SymbolType"), QVariant(static_cast<int>(TZintSymbology::zsQRCODE)));
    EXPECT_FALSE(ReadPropertyPath(nullptr, QStringLiteral("Size"), Dot).isValid());
}

TEST_F(PropertyRegistryTest, WritesConvertNamesTextsAndEmptyValues)
{
    write("QRCodeOptions.ECCLevel", QStringLiteral("qreLevelH"));
    EXPECT_EQ(symbol.option_1(), 4);
    write("QRCodeOptions.ECCLevel", QVariant());
    EXPECT_EQ(symbol.QRCodeOptions()->ECCLevel(), TqrECCLevel::qreAuto);
    EXPECT_EQ(symbol.option_1(), -1);
    write("qrcodeoptions.ecclevel", QStringLiteral("QRELEVELQ"));
    EXPECT_EQ(symbol.QRCodeOptions()->ECCLevel(), TqrECCLevel::qreLevelQ);

    write("PDF417Options.Columns", QStringLiteral("30"));
    EXPECT_EQ(symbol.PDF417Options()->Columns(), 30);
    write("PDF417Options.CheckDigitCount", -1);
    EXPECT_EQ(symbol.PDF417Options()->CheckDigitCount(), -1);

    write("DatamatrixOptions.ForceSquare", QStringLiteral("true"));
    EXPECT_TRUE(symbol.DatamatrixOptions()->ForceSquare());
    write("DatamatrixOptions.ForceSquare", 0);
    EXPECT_FALSE(symbol.DatamatrixOptions()->ForceSquare());

    write("SymbolType", QStringLiteral("zsDATAMATRIX"));
    EXPECT_EQ(symbol.SymbolType(), TZintSymbology::zsDATAMATRIX);
    write("NoMinHeightCheck", true);
    EXPECT_TRUE(symbol.NoMinHeightCheck());
}

TEST_F(PropertyRegistryTest, RefusedWritesLeaveTheValueAlone)
{
    symbol.PDF417Options()->SetColumns(5);
    symbol.QRCodeOptions()->SetECCLevel(TqrECCLevel::qreLevelM);
    struct Case
    {
        const char* path;
        QVariant value;
        const char* error;
    };
    const Case cases[] = {
        {"PDF417Options.Columns", QStringLiteral("31"), "range"},
        {"PDF417Options.Columns", -1, "range"},
        {"PDF417Options.Columns", QStringLiteral("99999999999"), "range"},
        {"PDF417Options.Columns", QStringLiteral("99999999999999999999"), "convert"},
        {"PDF417Options.Columns", QStringLiteral("abc"), "convert"},
        {"PDF417Options.Columns", QStringLiteral(""), "convert"},
        {"PDF417Options.CheckDigitCount", 9, "range"},
        {"QRCodeOptions.ECCLevel", 5, "range"},
        {"QRCodeOptions.ECCLevel", QStringLiteral("xyz"), "convert"},
        {"QRCodeOptions.ECCLevel", QStringLiteral("2"), "convert"},
        {"QRCodeOptions.Nothing", 1, "other"},
        {"QRCodeOptions.ECCLevel.Deeper", 1, "other"},
        {"QRCodeOptions", 1, "other"},
    };
    for (const Case& c : cases) {
        try {
            write(c.path, c.value);
            ADD_FAILURE() << c.path << " accepted " << c.value.toString().toStdString();
        } catch (const ERangeError& e) {
            EXPECT_STREQ(c.error, "range") << c.path << ": " << e.what();
        } catch (const EVariantTypeCastError& e) {
            EXPECT_STREQ(c.error, "convert") << c.path << ": " << e.what();
        } catch (const EZintException& e) {
            EXPECT_STREQ(c.error, "other") << c.path << ": " << e.what();
        }
    }
    EXPECT_EQ(symbol.PDF417Options()->Columns(), 5);
    EXPECT_EQ(symbol.QRCodeOptions()->ECCLevel(), TqrECCLevel::qreLevelM);
}

TEST_F(PropertyRegistryTest, RangeErrorNamesTheValueAndTheRange)
{
    try {
        write("PDF417Options.Columns", QStringLiteral("31"));
        FAIL() << "31 accepted";
    } catch (const ERangeError& e) {
        EXPECT_STREQ(e.what(), "31 is out of range for Columns (0 to 30)");
    }
}

TEST_F(PropertyRegistryTest, EnumerationValuesAndOrdinalTexts)
{
    const TTypeInfo version = GetPropInfo(symbol.MicroQROptions(), QStringLiteral("version")).Type;
    QStringList lines{QStringLiteral("kept")};
    EXPECT_EQ(ListEnumValues(version, lines), 5);
    EXPECT_EQ(lines, (QStringList{QStringLiteral("kept"), QStringLiteral("mqvAuto=0"),
                                  QStringLiteral("mqv1=1"), QStringLiteral("mqv2=2"),
                                  QStringLiteral("mqv3=3"), QStringLiteral("mqv4=4")}));
    EXPECT_EQ(version.Name, QStringLiteral("TmqVersion"));

    const TTypeInfo symbology = GetPropInfo(&symbol, QStringLiteral("SymbolType")).Type;
    EXPECT_EQ(OrdinalToText(symbology, static_cast<int>(TZintSymbology::zsDOTCODE)),
              QStringLiteral("zsDOTCODE"));
    EXPECT_EQ(OrdinalToText(BooleanTypeInfo(), 1), QStringLiteral("True"));
    const TTypeInfo columns = GetPropInfo(symbol.PDF417Options(), QStringLiteral("Columns")).Type;
    EXPECT_EQ(OrdinalToText(columns, -7), QStringLiteral("-7"));
    EXPECT_EQ(EnumOrdinalOf(version, QStringLiteral("MQV3")), 3);
    EXPECT_EQ(EnumOrdinalOf(version, QStringLiteral("mqv5")), -1);

    const TTypeInfo object = GetPropInfo(&symbol, QStringLiteral("QRCodeOptions")).Type;
    EXPECT_EQ(object.Name, QStringLiteral("TZintQRCodeOptions"));
    EXPECT_THROW(ListEnumValues(columns, lines), EZintException);
    EXPECT_THROW(OrdinalToText(object, 0), EZintException);
}

} // namespace
