#include "base/zint_exception.h"
#include "symbol/zint_symbol.h"
#include "symbol/zint_symbol_options.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

// One encode cycle as the preview runs it.
void encodeAs(TZintSymbol& symbol, TZintSymbology type, const QString& text)
{
    symbol.Clear();
    symbol.SetSymbolType(type);
    symbol.set_input_mode(1);
    symbol.set_primary(QStringLiteral("1234567890"));
    symbol.Encode(text, true);
}

std::vector<int> rowHeights(const TZintSymbol& symbol)
{
    std::vector<int> heights;
    for (int row = 0; row < symbol.rows(); ++row)
        heights.push_back(symbol.row_height(row));
    return heights;
}

std::string raisedMessage(TZintSymbol& symbol, const QByteArray& data)
{
    try {
        symbol.Encode(data, static_cast<int>(data.size()), true);
    } catch (const EZintException& error) {
        return error.what();
    }
    return "(nothing raised)";
}

int countChanges(TZintSymbol& symbol, const std::function<void()>& action)
{
    int changes = 0;
    symbol.SetOnChange([&changes](TZintPersistent*) { ++changes; });
    action();
    symbol.SetOnChange(nullptr);
    return changes;
}

} // namespace

TEST(TZintSymbol, CreatedValuesAndClearKeepsTheInputs)
{
    TZintSymbol symbol;
    EXPECT_EQ(symbol.symbology(), 20);
    EXPECT_EQ(symbol.option_1(), -1);
    EXPECT_EQ(symbol.option_2(), 0);
    EXPECT_EQ(symbol.option_3(), 928);
    EXPECT_EQ(symbol.input_mode(), 0);
    EXPECT_EQ(symbol.rows(), 0);
    EXPECT_EQ(symbol.height(), 0);
    EXPECT_FALSE(symbol.NoMinHeightCheck());

    symbol.SetSymbolType(TZintSymbology::zsQRCODE);
    symbol.QRCodeOptions()->SetSize(TqrSize::qrs25);
    symbol.set_option_1(3);
    symbol.set_option_3(101);
    symbol.set_input_mode(1);
    symbol.set_primary(QStringLiteral("1234567890"));
    symbol.Encode(QStringLiteral("kept"), true);
    symbol.Clear();
    symbol.SetSymbolType(TZintSymbology::zsDATAMATRIX);

    EXPECT_EQ(symbol.option_1(), 3);
    EXPECT_EQ(symbol.option_2(), 2);
    EXPECT_EQ(symbol.option_3(), 101);
    EXPECT_EQ(symbol.DatamatrixOptions()->Size(), TdmSize::dms12x12);
    EXPECT_EQ(symbol.input_mode(), 1);
    EXPECT_EQ(symbol.primary(), QStringLiteral("1234567890"));
    EXPECT_EQ(symbol.rows(), 0);
    EXPECT_EQ(symbol.width(), 0);
    EXPECT_EQ(symbol.height(), 0);
    EXPECT_TRUE(symbol.text().isEmpty());
    EXPECT_TRUE(symbol.errtxt().isEmpty());
}

TEST(TZintSymbol, EmptyTextRaisesNoInputDataAndStaysQuietWhenAskedTo)
{
    TZintSymbol symbol;
    symbol.set_input_mode(1);
    EXPECT_EQ(raisedMessage(symbol, QByteArray()), "error: No input data");
    symbol.Clear();
    EXPECT_NO_THROW(symbol.Encode(QString(), false));
    EXPECT_EQ(symbol.errtxt(), QStringLiteral("error: No input data"));
}

// Where the symbology has no NUL the text is refused, not shortened; that symbologies which
// have one encode it is shown for the whole catalogue.
TEST(TZintSymbol, NulIsDataInTheTextFormAndAnEndInTheUncountedByteForm)
{
    TZintSymbol symbol;
    symbol.SetSymbolType(TZintSymbology::zsEANX);
    symbol.set_input_mode(1);
    EXPECT_THROW(symbol.Encode(QString::fromUtf16(u"123\0", 4), true), EZintException);
    EXPECT_TRUE(symbol.errtxt().startsWith(QStringLiteral("error: Invalid character")))
        << symbol.errtxt().toStdString();

    // Byte form: a length of 0 counts up to the terminating zero.
    symbol.Clear();
    symbol.SetSymbolType(TZintSymbology::zsCODE128);
    symbol.Encode(QByteArray("AB\0CD", 5), 0, true);
    EXPECT_EQ(symbol.text(), QByteArray("AB"));
}

TEST(TZintSymbol, UnicodeInputStaysUnicodeAndTextHoldsUtf8)
{
    TZintSymbol symbol;
    const QString mueller = QStringLiteral("M\u00fcller");
    for (const auto type : {TZintSymbology::zsCODE128, TZintSymbology::zsCODE128B}) {
        encodeAs(symbol, type, mueller);
        EXPECT_EQ(symbol.input_mode(), 1);
        EXPECT_EQ(symbol.text(), mueller.toUtf8());
        EXPECT_EQ(symbol.text().size(), 7);
    }
}

TEST(TZintSymbol, InvalidUtf8InTheByteFormIsACleanError)
{
    TZintSymbol symbol;
    symbol.set_input_mode(1);
    const std::string message = raisedMessage(symbol, QByteArray("\xff\xfe\x80", 3));
    EXPECT_EQ(message.rfind("error: ", 0), 0u) << message;
    EXPECT_EQ(QString::fromStdString(message), symbol.errtxt());
}

TEST(TZintSymbol, ByteFormNeverReadsPastTheArray)
{
    TZintSymbol symbol;
    symbol.set_input_mode(1);
    symbol.Encode(QByteArray("AB"), 1000, true);
    EXPECT_EQ(symbol.text(), QByteArray("AB"));
}

TEST(TZintSymbol, LinearSymbolIsOneRowFiveModulesHigh)
{
    TZintSymbol symbol;
    encodeAs(symbol, TZintSymbology::zsCODE128, QStringLiteral("Hello"));
    EXPECT_EQ(symbol.rows(), 1);
    EXPECT_EQ(symbol.row_height(0), 5);
    EXPECT_EQ(symbol.height(), 5);
}

struct RowHeightCase
{
    TZintSymbology type;
    const char* text;
    std::vector<int> expected; // one entry repeated for every row when of size 1
};

TEST(TZintSymbol, RowHeightsFollowTheLayoutsRules)
{
    const std::vector<RowHeightCase> cases{
        {TZintSymbology::zsPDF417, "Hello", {3}},
        {TZintSymbology::zsCODE16K, "Hello World", {10}},
        {TZintSymbology::zsMAXICODE, "Hello", {1}},
        {TZintSymbology::zsQRCODE, "Hello", {1}},
        {TZintSymbology::zsRSS14STACK, "1234567890123", {5, 1, 7}},
        {TZintSymbology::zsRSS14STACK_OMNI, "1234567890123", {33, 1, 1, 1, 33}},
        // EAN/UPC keep libzint's bar height so that an add-on overlaps the main bars.
        {TZintSymbology::zsEANX, "5901234123457+12", {50}},
        {TZintSymbology::zsUPCE, "1234567", {50}},
        {TZintSymbology::zsEANX_CC, "[99]1234-abcd", {2, 2, 2, 2, 2, 2, 5}},
        {TZintSymbology::zsRSS14_CC, "[99]1234-abcd", {2, 2, 2, 1, 5}},
    };
    TZintSymbol symbol;
    for (const RowHeightCase& c : cases) {
        encodeAs(symbol, c.type, QString::fromUtf8(c.text));
        const std::vector<int> heights = rowHeights(symbol);
        const std::vector<int> expected =
            c.expected.size() == 1 ? std::vector<int>(heights.size(), c.expected[0]) : c.expected;
        EXPECT_EQ(heights, expected) << SymbologyCatalogue[static_cast<int>(c.type)].DisplayName;
        EXPECT_EQ(symbol.height(), std::accumulate(heights.begin(), heights.end(), 0));
    }
}

struct BandCase
{
    TZintSymbology type;
    const char* text;
    int whitespace;
    int border;
    bool bindsRows;
    bool boxed;
    bool dots;
};

TEST(TZintSymbol, EncoderSetBandsAreResetByClear)
{
    const std::vector<BandCase> cases{
        {TZintSymbology::zsITF14, "1234567890123", 20, 8, false, true, false},
        {TZintSymbology::zsCODE16K, "Hello World", 16, 2, true, false, false},
        {TZintSymbology::zsDOTCODE, "Hello", 0, 0, false, false, true},
        // Rows bound by libzint itself keep its bars.
        {TZintSymbology::zsCODABLOCKF, "Hello World", 0, 1, true, false, false},
        {TZintSymbology::zsCODE49, "Hello", 0, 1, true, false, false},
    };
    TZintSymbol symbol;
    for (const BandCase& c : cases) {
        encodeAs(symbol, c.type, QString::fromUtf8(c.text));
        const char* name = SymbologyCatalogue[static_cast<int>(c.type)].DisplayName;
        EXPECT_EQ(symbol.whitespace_width(), c.whitespace) << name;
        EXPECT_EQ(symbol.border_width(), c.border) << name;
        EXPECT_EQ(symbol.BindsRows(), c.bindsRows) << name;
        EXPECT_EQ(symbol.Boxed(), c.boxed) << name;
        EXPECT_EQ(symbol.DrawnAsDots(), c.dots) << name;
        symbol.Clear();
        EXPECT_EQ(symbol.whitespace_width(), 0) << name;
        EXPECT_EQ(symbol.border_width(), 0) << name;
        EXPECT_FALSE(symbol.BindsRows() || symbol.Boxed() || symbol.DrawnAsDots()) << name;
    }
}

TEST(TZintSymbol, ModuleTestReadsTheDataMatrixFinderPattern)
{
    TZintSymbol symbol;
    encodeAs(symbol, TZintSymbology::zsDATAMATRIX, QStringLiteral("Hello, module packing"));
    const int rows = symbol.rows();
    const int columns = symbol.width();
    ASSERT_GT(columns, 16); // spans more than one byte of a packed row
    for (int column = 0; column < columns; ++column) {
        EXPECT_EQ(symbol.module(0, column), column % 2 == 0) << column;
        EXPECT_TRUE(symbol.module(rows - 1, column)) << column;
    }
    for (int row = 0; row < rows; ++row)
        EXPECT_TRUE(symbol.module(row, 0)) << row;
    EXPECT_FALSE(symbol.module(-1, 0));
    EXPECT_FALSE(symbol.module(0, columns));
    EXPECT_FALSE(symbol.module(rows, 0));
}

TEST(TZintSymbol, LargeSymbolsAreReadInFull)
{
    TZintSymbol symbol;
    symbol.QRCodeOptions()->SetSize(TqrSize::qrs177);
    encodeAs(symbol, TZintSymbology::zsQRCODE, QStringLiteral("large"));
    ASSERT_EQ(symbol.rows(), 177);
    // The bottom-left finder pattern: a dark 7-module edge, then the light separator.
    for (int column = 0; column < 7; ++column)
        EXPECT_TRUE(symbol.module(176, column));
    EXPECT_FALSE(symbol.module(176, 7));
    EXPECT_EQ(symbol.row_height(176), 1);

    // Five DotCode columns stretch 68 digits over libzint's maximum of 200 rows.
    symbol.set_option_2(5);
    encodeAs(symbol, TZintSymbology::zsDOTCODE, QString(68, QLatin1Char('7')));
    ASSERT_EQ(symbol.rows(), 200);
    EXPECT_EQ(symbol.row_height(199), 1);
    EXPECT_EQ(symbol.height(), 200);
    bool darkBeyond178 = false;
    for (int row = 178; row < 200; ++row)
        for (int column = 0; column < symbol.width(); ++column)
            darkBeyond178 = darkBeyond178 || symbol.module(row, column);
    EXPECT_TRUE(darkBeyond178);
}

TEST(TZintSymbol, PDF417IgnoresTheCreatedOption3)
{
    TZintSymbol symbol;
    ASSERT_EQ(symbol.option_3(), 928);
    encodeAs(symbol, TZintSymbology::zsPDF417, QStringLiteral("Hello"));
    EXPECT_LT(symbol.rows(), 90);
    EXPECT_EQ(symbol.option_3(), 928);
}

TEST(TZintSymbol, WarningDoesNotRaise)
{
    TZintSymbol symbol;
    symbol.PDF417Options()->SetCheckDigitCount(9);
    EXPECT_NO_THROW(encodeAs(symbol, TZintSymbology::zsPDF417, QStringLiteral("Hello")));
    EXPECT_TRUE(symbol.errtxt().startsWith(QStringLiteral("warning: ")))
        << symbol.errtxt().toStdString();
    EXPECT_FALSE(symbol.errtxt().contains(QStringLiteral("Warning")));
    EXPECT_GT(symbol.rows(), 0);
}

TEST(TZintSymbol, DataMatrixSizeRestrictionReachesTheEncoder)
{
    TZintSymbol symbol;
    TZintDatamatrixOptions& options = *symbol.DatamatrixOptions();
    const QString shortText = QStringLiteral("Hello");
    const QString longText = QString(60, QLatin1Char('x')) + QStringLiteral("0123456789");

    options.SetForceRectangle(true);
    ASSERT_EQ(symbol.option_3(), 102);
    for (const QString& text : {shortText, longText}) {
        encodeAs(symbol, TZintSymbology::zsDATAMATRIX, text);
        EXPECT_LT(symbol.rows(), symbol.width()) << text.toStdString();
        EXPECT_EQ(symbol.option_2(), 0) << "the trial sizes are not feedback";
    }
    encodeAs(symbol, TZintSymbology::zsDATAMATRIX, shortText);
    EXPECT_EQ(symbol.rows(), 8);
    EXPECT_EQ(symbol.width(), 18);

    options.SetForceSquare(true);
    encodeAs(symbol, TZintSymbology::zsDATAMATRIX, longText);
    EXPECT_EQ(symbol.rows(), symbol.width());

    options.SetSize(TdmSize::dmre8x48);
    encodeAs(symbol, TZintSymbology::zsHIBC_DM, QStringLiteral("A123"));
    EXPECT_EQ(symbol.rows(), 8);
    EXPECT_EQ(symbol.width(), 48);
}

TEST(TZintSymbol, RectangularOnlyReportsDataThatFitsNoRectangle)
{
    TZintSymbol symbol;
    symbol.DatamatrixOptions()->SetForceRectangle(true);
    symbol.SetSymbolType(TZintSymbology::zsDATAMATRIX);
    symbol.set_input_mode(1);
    symbol.Encode(QString(400, QLatin1Char('x')), false);
    EXPECT_TRUE(symbol.errtxt().startsWith(QStringLiteral("error: ")));
    EXPECT_EQ(symbol.option_2(), 0);
}

TEST(TZintSymbol, PrimaryIsCutOnACharacterBoundary)
{
    TZintSymbol symbol;
    const QString head(126, QLatin1Char('a'));
    symbol.set_primary(head + QStringLiteral("\u00e9tail"));
    EXPECT_EQ(symbol.primary(), head);
    symbol.set_primary(QString(500, QChar(0x20AC)));
    EXPECT_EQ(symbol.primary(), QString(42, QChar(0x20AC)));
}

TEST(TZintSymbol, LongCode128KeepsItsWholeTextAndLongerIsRefused)
{
    TZintSymbol symbol;
    const QString longest(57, QChar(0xFC)); // 114 UTF-8 bytes, near libzint's limit
    encodeAs(symbol, TZintSymbology::zsCODE128, longest);
    EXPECT_EQ(symbol.text(), longest.toUtf8());

    symbol.Clear();
    symbol.Encode(QString(200, QChar(0xFC)), false);
    EXPECT_TRUE(symbol.errtxt().startsWith(QStringLiteral("error: Input too long")))
        << symbol.errtxt().toStdString();
    EXPECT_TRUE(symbol.text().isEmpty());
}

TEST(TZintSymbol, NotificationsComeFromTypedWritesOnly)
{
    TZintSymbol symbol;
    EXPECT_EQ(countChanges(symbol, [&] { symbol.SetSymbolType(symbol.SymbolType()); }), 1);
    EXPECT_EQ(countChanges(symbol, [&] { symbol.SetNoMinHeightCheck(false); }), 1);
    EXPECT_EQ(countChanges(symbol,
                           [&] {
                               symbol.Clear();
                               symbol.set_input_mode(1);
                               symbol.Encode(QStringLiteral("quiet"), true);
                               symbol.Encode(QString(), false);
                           }),
              0);
    EXPECT_EQ(countChanges(symbol, [&] { symbol.QRCodeOptions()->SetSize(TqrSize::qrs21); }), 1);
}

TEST(TZintSymbol, AssignCopiesTheRecordButNotTheSwitch)
{
    TZintSymbol source;
    source.SetNoMinHeightCheck(true);
    source.set_option_3(101);
    encodeAs(source, TZintSymbology::zsITF14, QStringLiteral("1234567890123"));

    TZintSymbol copy;
    EXPECT_EQ(countChanges(copy, [&] { copy.Assign(&source); }), 1);
    EXPECT_EQ(copy.symbology(), source.symbology());
    EXPECT_EQ(copy.option_3(), 101);
    EXPECT_EQ(copy.input_mode(), 1);
    EXPECT_EQ(copy.primary(), source.primary());
    EXPECT_EQ(copy.text(), source.text());
    EXPECT_EQ(copy.border_width(), 8);
    EXPECT_EQ(copy.height(), source.height());
    ASSERT_EQ(copy.rows(), source.rows());
    ASSERT_EQ(copy.width(), source.width());
    for (int column = 0; column < copy.width(); ++column)
        EXPECT_EQ(copy.module(0, column), source.module(0, column));
    EXPECT_FALSE(copy.NoMinHeightCheck());
}

TEST(TZintSymbol, AssignFromAnotherClassRaises)
{
    TZintSymbol symbol;
    TZintPersistent other;
    try {
        symbol.Assign(&other);
        FAIL() << "assigned";
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), "Cannot assign a TZintPersistent to a TZintSymbol");
    }
}

// A text outside Latin-1 goes out as UTF-8 (ECI 26), the character set every reader knows,
// unless only libzint's own single-byte choice still fits the symbol.
TEST(TZintSymbol, TextsThatNeedACharacterSetAreEncodedAsUtf8WhileTheyFit)
{
    TZintSymbol symbol;
    const struct
    {
        TZintSymbology Symbology;
        QString Text;
        int Eci;
    } cases[] = {
        {TZintSymbology::zsQRCODE, QStringLiteral("Preis: 5,00 \u20AC"), 26},
        {TZintSymbology::zsDATAMATRIX, QStringLiteral("\u0141\u00F3d\u017A"), 26},
        {TZintSymbology::zsAZTEC, QStringLiteral("\u20AC \u03A9"), 26},
        // Latin-1 needs no character set at all.
        {TZintSymbology::zsQRCODE, QStringLiteral("na\u00EFve caf\u00E9"), 0},
        // 2,000 euro signs: 2,000 bytes in ISO 8859-7 fit a QR Code, 6,000 in UTF-8 do not.
        {TZintSymbology::zsQRCODE, QString(2000, QChar(0x20AC)), 9},
    };
    for (const auto& c : cases) {
        EXPECT_NO_THROW(encodeAs(symbol, c.Symbology, c.Text)) << c.Text.left(20).toStdString();
        EXPECT_EQ(symbol.eci(), c.Eci) << c.Text.left(20).toStdString();
    }
}

namespace {
// Rows, width and every module: what a picture of the symbol depends on.
std::string encodedModules(const TZintSymbol& symbol)
{
    std::string modules = std::to_string(symbol.rows()) + "x" + std::to_string(symbol.width());
    for (int row = 0; row < symbol.rows(); ++row) {
        modules += '\n';
        for (int column = 0; column < symbol.width(); ++column)
            modules += symbol.module(row, column) ? '1' : '0';
    }
    return modules;
}
} // namespace

// libzint writes the size it chose back into the options; a batch encodes entry after entry
// with one symbol, and each entry's symbol must be the one the text gives alone.
TEST(TZintSymbol, AnEncodeDoesNotDependOnTheOneBefore)
{
    const QString shortText = QStringLiteral("8398695275");
    const QString longText = shortText.repeated(3); // still within Micro QR
    for (const TZintSymbology type :
         {TZintSymbology::zsMICROPDF417, TZintSymbology::zsPDF417, TZintSymbology::zsDATAMATRIX,
          TZintSymbology::zsQRCODE, TZintSymbology::zsMICROQR, TZintSymbology::zsAZTEC,
          TZintSymbology::zsCODEONE, TZintSymbology::zsGRIDMATRIX, TZintSymbology::zsHANXIN,
          TZintSymbology::zsRMQR, TZintSymbology::zsULTRA, TZintSymbology::zsDOTCODE,
          TZintSymbology::zsCODABLOCKF, TZintSymbology::zsHIBC_MICPDF}) {
        SCOPED_TRACE(static_cast<int>(type));
        TZintSymbol alone;
        encodeAs(alone, type, shortText);
        const std::string shortAlone = encodedModules(alone);
        encodeAs(alone, type, longText);
        const std::string longAlone = encodedModules(alone);

        TZintSymbol batch;
        for (const QString& text : {longText, shortText, longText}) {
            encodeAs(batch, type, text);
            EXPECT_EQ(encodedModules(batch), text == shortText ? shortAlone : longAlone);
        }
        EXPECT_EQ(batch.option_1(), -1);
        EXPECT_EQ(batch.option_2(), 0);
    }
}
