#include "base/zint_exception.h"
#include "symbol/zint_symbol.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

// A valid text for every catalogue entry, with the preview's fixed primary "1234567890".
// Entries whose linear component needs GS1 data or fewer digits than the primary gives
// cannot encode in the preview; they must fail with an error text.
struct Sample
{
    const char* text;
    bool encodes = true;
};

const std::map<TZintSymbology, Sample>& samples()
{
    using S = TZintSymbology;
    static const std::map<TZintSymbology, Sample> table{
        {S::zsCODE11, {"12345"}},
        {S::zsC25MATRIX, {"12345"}},
        {S::zsC25INTER, {"12345"}},
        {S::zsC25IATA, {"12345"}},
        {S::zsC25LOGIC, {"12345"}},
        {S::zsC25IND, {"12345"}},
        {S::zsCODE39, {"CODE39"}},
        {S::zsEXCODE39, {"Code39+"}},
        {S::zsEANX, {"123456789012"}},
        {S::zsEAN128, {"[01]12345678901231"}},
        {S::zsCODABAR, {"A12345B"}},
        {S::zsCODE128, {"Hello"}},
        {S::zsDPLEIT, {"12345678901"}},
        {S::zsDPIDENT, {"12345678901"}},
        {S::zsCODE16K, {"Hello World"}},
        {S::zsCODE49, {"Hello"}},
        {S::zsCODE93, {"HELLO"}},
        {S::zsFLAT, {"12345"}},
        {S::zsRSS14, {"1234567890123"}},
        {S::zsRSS_LTD, {"1234567890123"}},
        {S::zsRSS_EXP, {"[01]12345678901231"}},
        {S::zsTELEPEN, {"Hello"}},
        {S::zsUPCA, {"12345678901"}},
        {S::zsUPCE, {"1234567"}},
        {S::zsPOSTNET, {"12345"}},
        {S::zsMSI_PLESSEY, {"12345"}},
        {S::zsFIM, {"A"}},
        {S::zsLOGMARS, {"LOGMARS"}},
        {S::zsPHARMA, {"1234"}},
        {S::zsPZN, {"123456"}},
        {S::zsPHARMA_TWO, {"1234"}},
        {S::zsPDF417, {"Hello"}},
        {S::zsPDF417TRUNC, {"Hello"}},
        {S::zsMAXICODE, {"Hello"}},
        {S::zsQRCODE, {"Hello"}},
        {S::zsCODE128B, {"Hello"}},
        {S::zsAUSPOST, {"12345678"}},
        {S::zsAUSREPLY, {"12345678"}},
        {S::zsAUSROUTE, {"12345678"}},
        {S::zsAUSREDIRECT, {"12345678"}},
        {S::zsISBNX, {"9780306406157"}},
        {S::zsRM4SCC, {"W1J0TR01"}},
        {S::zsDATAMATRIX, {"Hello"}},
        {S::zsEAN14, {"1234567890123"}},
        {S::zsCODABLOCKF, {"Hello World"}},
        {S::zsNVE18, {"12345678901234567"}},
        {S::zsJAPANPOST, {"15400233-16-4-205"}},
        {S::zsKOREAPOST, {"123456"}},
        {S::zsRSS14STACK, {"1234567890123"}},
        {S::zsRSS14STACK_OMNI, {"1234567890123"}},
        {S::zsRSS_EXPSTACK, {"[01]12345678901231"}},
        {S::zsPLANET, {"12345678901"}},
        {S::zsMICROPDF417, {"Hello"}},
        {S::zsONECODE, {"01234567094987654321"}},
        {S::zsPLESSEY, {"12345"}},
        {S::zsTELEPEN_NUM, {"12345"}},
        {S::zsITF14, {"1234567890123"}},
        {S::zsKIX, {"1231FZ13XHS"}},
        {S::zsAZTEC, {"Hello"}},
        {S::zsDAFT, {"DAFTFDATF"}},
        {S::zsMICROQR, {"12345"}},
        {S::zsHIBC_128, {"A123BJC5D6E71"}},
        {S::zsHIBC_39, {"A123BJC5D6E71"}},
        {S::zsHIBC_DM, {"A123BJC5D6E71"}},
        {S::zsHIBC_QR, {"A123BJC5D6E71"}},
        {S::zsHIBC_PDF, {"A123BJC5D6E71"}},
        {S::zsHIBC_MICPDF, {"A123BJC5D6E71"}},
        {S::zsHIBC_BLOCKF, {"A123BJC5D6E71"}},
        {S::zsHIBC_AZTEC, {"A123BJC5D6E71"}},
        {S::zsAZRUNE, {"125"}},
        {S::zsCODE32, {"12345678"}},
        {S::zsEANX_CC, {"[99]1234-abcd"}},
        {S::zsEAN128_CC, {"[99]1234-abcd", false}},
        {S::zsRSS14_CC, {"[99]1234-abcd"}},
        {S::zsRSS_LTD_CC, {"[99]1234-abcd"}},
        {S::zsRSS_EXP_CC, {"[99]1234-abcd", false}},
        {S::zsUPCA_CC, {"[99]1234-abcd"}},
        {S::zsUPCE_CC, {"[99]1234-abcd", false}},
        {S::zsRSS14STACK_CC, {"[99]1234-abcd"}},
        {S::zsRSS14_OMNI_CC, {"[99]1234-abcd"}},
        {S::zsRSS_EXPSTACK_CC, {"[99]1234-abcd", false}},
        {S::zsCHANNEL, {"123"}},
        {S::zsCODEONE, {"Hello"}},
        {S::zsGRIDMATRIX, {"Hello"}},
        {S::zsDOTCODE, {"Hello"}},
    };
    return table;
}

void prepare(TZintSymbol& symbol, TZintSymbology type)
{
    symbol.Clear();
    symbol.SetSymbolType(type);
    symbol.set_input_mode(1);
    symbol.set_primary(QStringLiteral("1234567890"));
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

TEST_P(CatalogueEncode, SampleEncodesOrFailsWithAnErrorText)
{
    const Sample& sample = samples().at(entry().Symbology);
    prepare(symbol, entry().Symbology);
    if (sample.encodes) {
        EXPECT_NO_THROW(symbol.Encode(QString::fromUtf8(sample.text), true))
            << symbol.errtxt().toStdString();
        EXPECT_FALSE(symbol.errtxt().startsWith(QStringLiteral("error: ")));
        expectConsistentResult(symbol, entry().DisplayName);
        EXPECT_EQ(symbol.input_mode(), 1);
        EXPECT_EQ(symbol.symbology(), entry().LibraryNumber);
    } else {
        try {
            symbol.Encode(QString::fromUtf8(sample.text), true);
            ADD_FAILURE() << "encoded";
        } catch (const EZintException& error) {
            EXPECT_EQ(QString::fromUtf8(error.what()), symbol.errtxt());
            EXPECT_TRUE(symbol.errtxt().startsWith(QStringLiteral("error: ")));
            EXPECT_FALSE(symbol.errtxt().contains(QStringLiteral("Error ")));
        }
    }
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
    const Sample& sample = samples().at(entry().Symbology);
    if (!sample.encodes)
        return;
    const QString text = QString::fromUtf8(sample.text);
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
