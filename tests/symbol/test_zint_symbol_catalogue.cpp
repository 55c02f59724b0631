#include "base/zint_exception.h"
#include "symbol/zint_symbol.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Ready for the catalogue's sample: a composite carries its standard linear component.
void prepare(TZintSymbol& symbol, TZintSymbology type)
{
    symbol.Clear();
    symbol.SetSymbolType(type);
    symbol.set_input_mode(1);
    const char* linear = lintaro::Traits(type).LinearComponent;
    symbol.set_primary(linear ? QString::fromLatin1(linear) : QString());
}

// After any encode the record is either a usable symbol or carries an error text.
void expectConsistentResult(const TZintSymbol& symbol, const std::string& name)
{
    if (symbol.errtxt().startsWith(QStringLiteral("error: ")))
        return;
    ASSERT_GT(symbol.rows(), 0) << name;
    ASSERT_GT(symbol.width(), 0) << name;
    int height = 0;
    bool anyDark = false;
    for (int row = 0; row < symbol.rows(); ++row) {
        EXPECT_GT(symbol.row_height(row), 0) << name << " row " << row;
        height += symbol.row_height(row);
        for (int column = 0; column < symbol.width(); ++column)
            anyDark = anyDark || symbol.module(row, column);
    }
    EXPECT_EQ(symbol.height(), height) << name;
    EXPECT_TRUE(anyDark) << name;
    EXPECT_LE(symbol.text().size(), 127) << name;
}

class CatalogueEncode : public ::testing::TestWithParam<int>
{
protected:
    const TSymbologyEntry& entry() const { return SymbologyCatalogue[GetParam()]; }
    TZintSymbol symbol;
};

TEST_P(CatalogueEncode, SampleEncodes)
{
    prepare(symbol, entry().Symbology);
    EXPECT_NO_THROW(symbol.Encode(QString::fromUtf8(entry().Traits.SampleText), true))
        << symbol.errtxt().toStdString();
    EXPECT_FALSE(symbol.errtxt().startsWith(QStringLiteral("error: ")));
    expectConsistentResult(symbol, entry().DisplayName);
    EXPECT_EQ(symbol.input_mode(), 1);
    EXPECT_EQ(symbol.symbology(), entry().LibraryNumber);
    // One row of bars is what the layout gives free row heights and EAN/UPC digits to.
    EXPECT_EQ(entry().Traits.IsSingleRow(), symbol.rows() == 1) << entry().DisplayName;
}

TEST_P(CatalogueEncode, HostileInputIsRefusedOrEncodedCleanly)
{
    const QString longText = QString(2500, QLatin1Char('A')) + QString(2500, QChar(0xFC)) +
                             QString(2500, QLatin1Char('7')) + QString(2500, QChar(0x4E2D));
    const QString withNul = QString::fromUtf16(u"12\0"
                                               "34",
                                               5);
    for (const QString& text : {QString(), longText, withNul}) {
        prepare(symbol, entry().Symbology);
        symbol.Encode(text, false);
        expectConsistentResult(symbol, entry().DisplayName);
    }
    prepare(symbol, entry().Symbology);
    symbol.Encode(QByteArray("12\xC3\x28\xFF", 5), 5, false);
    EXPECT_TRUE(symbol.errtxt().startsWith(QStringLiteral("error: "))) << entry().DisplayName;
    EXPECT_EQ(symbol.rows(), 0) << entry().DisplayName;
}

// The module matrix of the last encode, row by row.
std::vector<std::vector<bool>> matrixOf(const TZintSymbol& symbol)
{
    std::vector<std::vector<bool>> matrix(std::size_t(symbol.rows()));
    for (int row = 0; row < symbol.rows(); ++row)
        for (int column = 0; column < symbol.width(); ++column)
            matrix[std::size_t(row)].push_back(symbol.module(row, column));
    return matrix;
}

// A NUL inside or at the end of the text is data: encoded with the rest, or the text is
// refused; the symbol of the text before the NUL would be a silently shortened entry.
TEST_P(CatalogueEncode, NulIsEncodedWithTheRestOrRefused)
{
    const QString text = QString::fromUtf8(entry().Traits.SampleText);
    for (const qsizetype at : {qsizetype(1), text.size()}) {
        prepare(symbol, entry().Symbology);
        symbol.Encode(text.left(at), false);
        const auto beforeNul = matrixOf(symbol);
        prepare(symbol, entry().Symbology);
        symbol.Encode(QString(text).insert(at, QChar(0)), false);
        if (!symbol.errtxt().startsWith(QStringLiteral("error: "))) {
            EXPECT_NE(matrixOf(symbol), beforeNul) << entry().DisplayName << ", NUL at " << at;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllEntries, CatalogueEncode, ::testing::Range(0, SymbologyCount),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(SymbologyCatalogue[info.param].EnumName);
                         });

} // namespace
