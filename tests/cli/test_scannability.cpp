// Every symbology the decoder reads, written by lintaro-batch at its default settings in every
// format, must scan back from the file as written to exactly what the symbology defines.
#include "batch_tool_fixture.h"
#include "cli/batch_values.h"
#include "cli/verify_read_back.h"
#include "io/image_format.h"

#include <algorithm>
#include <vector>

namespace {
struct TLine
{
    const char* Input;
    const char* Read; // what a scanner returns, check digits and all
};

struct TSymbologyCase
{
    TZintSymbology Symbology;
    std::vector<TLine> Lines;
};

// The check digits below are those of the symbologies' published examples.
const std::vector<TSymbologyCase>& Cases()
{
    static const std::vector<TSymbologyCase> cases = {
        {TZintSymbology::zsC25INTER,
         {{"12345", "012345"}, {"1234567890", "1234567890"}, {"00012345678905", "00012345678905"}}},
        {TZintSymbology::zsCODE39,
         {{"abc-123", "ABC-123"}, {"HELLO $/+%", "HELLO $/+%"}, {"SKU-4711-XL", "SKU-4711-XL"}}},
        {TZintSymbology::zsEXCODE39, {{"Ext+", "Ext+"}, {"Lintaro ext!", "Lintaro ext!"}}},
        {TZintSymbology::zsEANX,
         {{"590123412345", "5901234123457"},
          {"9638507", "96385074"},
          {"590123412345+12", "5901234123457 12"},
          {"590123412345+54321", "5901234123457 54321"}}},
        {TZintSymbology::zsEAN128,
         {{"[01]09501101530003", "0109501101530003"},
          {"[01]09501101530003[10]ABC123", "010950110153000310ABC123"}}},
        {TZintSymbology::zsCODABAR,
         {{"A123456B", "A123456B"}, {"a40-1$b", "A40-1$B"}, {"B1234-5$C", "B1234-5$C"}}},
        {TZintSymbology::zsCODE128,
         {{"Lintaro-128", "Lintaro-128"},
          {"LBL/00001-9e37", "LBL/00001-9e37"},
          {"https://www.kelmora.example/p/4711?lot=A7",
           "https://www.kelmora.example/p/4711?lot=A7"},
          {"Gr\xC3\xBC\xC3\x9F"
           "e 2024",
           "Gr\xC3\xBC\xC3\x9F"
           "e 2024"}}},
        {TZintSymbology::zsDPLEIT, {{"2104512345678", "21045123456783"}}},
        {TZintSymbology::zsDPIDENT, {{"56310243031", "563102430313"}}},
        {TZintSymbology::zsCODE93, {{"CODE 93", "CODE 93"}, {"Code 93 text", "Code 93 text"}}},
        {TZintSymbology::zsRSS14, {{"0950110153000", "09501101530003"}}},
        {TZintSymbology::zsRSS_EXP,
         {{"[01]98898765432106[3202]012345[15]991231", "(01)98898765432106(3202)012345(15)991231"},
          {"[01]09501101530003[10]LOT42", "(01)09501101530003(10)LOT42"}}},
        {TZintSymbology::zsUPCA,
         {{"03600029145", "036000291452"}, {"03600029145+12", "036000291452 12"}}},
        {TZintSymbology::zsUPCE, {{"0123456", "01234565"}, {"123456+12345", "01234565 12345"}}},
        {TZintSymbology::zsLOGMARS, {{"abc123", "ABC123"}}},
        {TZintSymbology::zsPDF417,
         {{"PDF417 text", "PDF417 text"},
          {"Preis: 5,00 \xE2\x82\xAC", "Preis: 5,00 \xE2\x82\xAC"},
          {"\xC3\x9C"
           "bung \xD0\x9F\xD1\x80\xD0\xB8",
           "\xC3\x9C"
           "bung \xD0\x9F\xD1\x80\xD0\xB8"}}},
        {TZintSymbology::zsPDF417TRUNC, {{"Truncated 417", "Truncated 417"}}},
        // No primary message by default: the text stands alone.
        {TZintSymbology::zsMAXICODE,
         {{"MaxiCode text", "MaxiCode text"}, {"Lintaro 4711", "Lintaro 4711"}}},
        {TZintSymbology::zsQRCODE,
         {{"https://example.com/lintaro?id=42", "https://example.com/lintaro?id=42"},
          {"Preis: 5,00 \xE2\x82\xAC", "Preis: 5,00 \xE2\x82\xAC"},
          {"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"},
          {"\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xE2\x82\xAC",
           "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xE2\x82\xAC"}}},
        {TZintSymbology::zsCODE128B, {{"Subset B text", "Subset B text"}}},
        {TZintSymbology::zsISBNX,
         {{"0306406152", "9780306406157"}, {"9780306406157+12", "9780306406157 12"}}},
        {TZintSymbology::zsDATAMATRIX,
         {{"Data Matrix 71", "Data Matrix 71"},
          {"Preis: 5,00 \xE2\x82\xAC", "Preis: 5,00 \xE2\x82\xAC"},
          {"\xE2\x82\xAC \xCE\xA9", "\xE2\x82\xAC \xCE\xA9"},
          {"SKU-4711-XL/2026", "SKU-4711-XL/2026"},
          {"Gr\xC3\xBC\xC3\x9F"
           "e \xE2\x82\xAC \xCE\xA9",
           "Gr\xC3\xBC\xC3\x9F"
           "e \xE2\x82\xAC \xCE\xA9"}}},
        {TZintSymbology::zsEAN14, {{"0950110153000", "0109501101530003"}}},
        {TZintSymbology::zsNVE18, {{"10614141123456789", "00106141411234567897"}}},
        {TZintSymbology::zsRSS14STACK, {{"0950110153000", "09501101530003"}}},
        {TZintSymbology::zsRSS14STACK_OMNI, {{"0950110153000", "09501101530003"}}},
        {TZintSymbology::zsITF14, {{"1540014128876", "15400141288763"}}},
        {TZintSymbology::zsAZTEC,
         {{"Aztec text 92", "Aztec text 92"},
          {"Preis: 5,00 \xE2\x82\xAC", "Preis: 5,00 \xE2\x82\xAC"},
          {"https://www.kelmora.example/lintaro", "https://www.kelmora.example/lintaro"},
          {"\xE4\xB8\xAD\xE6\x96\x87 \xC3\xA9", "\xE4\xB8\xAD\xE6\x96\x87 \xC3\xA9"}}},
        {TZintSymbology::zsMICROQR, {{"12345", "12345"}, {"MICRO QR", "MICRO QR"}}},
        {TZintSymbology::zsHIBC_128, {{"A123BJC5D6E71", "+A123BJC5D6E71G"}}},
        {TZintSymbology::zsHIBC_39, {{"a1b", "+A1BK"}, {"A123BJC5D6E71", "+A123BJC5D6E71G"}}},
        {TZintSymbology::zsHIBC_DM, {{"A123BJC5D6E71", "+A123BJC5D6E71G"}}},
        {TZintSymbology::zsHIBC_QR, {{"lintaro42", "+LINTARO42R"}}},
        {TZintSymbology::zsHIBC_PDF, {{"A123BJC5D6E71", "+A123BJC5D6E71G"}}},
        {TZintSymbology::zsHIBC_AZTEC, {{"A123BJC5D6E71", "+A123BJC5D6E71G"}}},
        {TZintSymbology::zsEANX_CHK,
         {{"5901234123457", "5901234123457"},
          {"96385074", "96385074"},
          {"5901234123457+12", "5901234123457 12"}}},
        {TZintSymbology::zsUPCA_CHK,
         {{"036000291452", "036000291452"}, {"036000291452+12", "036000291452 12"}}},
        {TZintSymbology::zsUPCE_CHK, {{"01234565", "01234565"}}},
        {TZintSymbology::zsVIN, {{"1M8GDM9AXKP042788", "1M8GDM9AXKP042788"}}},
        {TZintSymbology::zsDPD, {{"%000393206219912345678101040", "%000393206219912345678101040"}}},
        {TZintSymbology::zsUPNQR,
         {{"UPNQR text", "UPNQR text"},
          {"\xC5\xA0kofja Loka \xC4\x8D", "\xC5\xA0kofja Loka \xC4\x8D"}}},
    };
    return cases;
}

const char* const Formats[] = {"png", "jpeg", "gif", "bmp"};

QString SymbologyName(TZintSymbology symbology)
{
    return QLatin1String(SymbologyCatalogue[std::size_t(symbology)].EnumName);
}

class Scannability : public BatchTool
{};
} // namespace

TEST(ScannabilityTable, CoversEveryVerifiableSymbology)
{
    for (const TSymbologyEntry& entry : SymbologyCatalogue) {
        const bool inTable = std::any_of(Cases().begin(), Cases().end(), [&](const auto& c) {
            return c.Symbology == entry.Symbology;
        });
        EXPECT_EQ(inTable, IsVerifiable(entry.Symbology)) << entry.EnumName;
    }
}

TEST_F(Scannability, EveryFormatReadsBackExactly)
{
    for (const TSymbologyCase& symbologyCase : Cases()) {
        QByteArray input;
        for (const TLine& line : symbologyCase.Lines)
            input += QByteArray(line.Input) + '\n';
        for (const char* format : Formats) {
            const QString name = SymbologyName(symbologyCase.Symbology);
            SCOPED_TRACE(name.toStdString() + " " + format);
            ASSERT_TRUE(QDir(Out()).removeRecursively());
            const QStringList options = {QStringLiteral("-s"),      name,
                                         QStringLiteral("-f"),      QLatin1String(format),
                                         QStringLiteral("-j"),      QStringLiteral("2"),
                                         QStringLiteral("--verify")};
            const TRun run = Export(input, options);
            EXPECT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
            const QStringList files = Files();
            ASSERT_EQ(files.size(), qsizetype(symbologyCase.Lines.size()));
            for (std::size_t i = 0; i < symbologyCase.Lines.size(); ++i) {
                const QString file =
                    OutFile(QString::number(i + 1) + FileNameExtension(files.first()));
                const std::optional<QString> read = ReadBack(symbologyCase.Symbology, QImage(file));
                EXPECT_EQ(read.value_or(QStringLiteral("<nothing>")).toStdString(),
                          symbologyCase.Lines[i].Read)
                    << symbologyCase.Lines[i].Input;
            }
        }
    }
}

// ZXing-C++ 1.4 reads no DataBar Expanded symbol that holds a single (01) field, not even
// zint's own; zbar does, from the file as written.
TEST_F(Scannability, DataBarExpandedWithOneFieldReadsWithZbar)
{
    for (const char* format : Formats) {
        SCOPED_TRACE(format);
        ASSERT_TRUE(QDir(Out()).removeRecursively());
        const TRun run =
            Export("[01]09501101530003\n", {QStringLiteral("-s"), QStringLiteral("zsRSS_EXP"),
                                            QStringLiteral("-f"), QLatin1String(format)});
        ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
        EXPECT_EQ(DecodeFileWithZbar(OutFile(Files().first())), QStringLiteral("0109501101530003"));
    }
}
