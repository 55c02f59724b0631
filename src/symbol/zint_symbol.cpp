#include "symbol/zint_symbol.h"

#include "base/zint_exception.h"
#include "symbol/ansi_code_page.h"
#include "symbol/library_text.h"
#include "symbol/zint_symbol_options.h"

#include <zint.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstring>
#include <new>

namespace {
constexpr int CreatedSymbology = BARCODE_CODE128;
constexpr int CreatedOption1 = -1;
constexpr int CreatedOption2 = 0;
constexpr int Utf8Eci = 26;

constexpr int MaxRows = static_cast<int>(sizeof(zint_symbol::row_height) / sizeof(float));
constexpr int MaxColumns = static_cast<int>(sizeof(zint_symbol::encoded_data[0]) * 8);
constexpr int PrimaryBytes = static_cast<int>(sizeof(zint_symbol::primary)) - 1;

// The rectangular Data Matrix sizes (libzint's option_2 numbers 25 to 48), smallest data
// capacity first; equal capacities go by area.
constexpr std::array<int, 24> RectangularSizesByCapacity{
    25, 26, 27, 31, 28, 32, 29, 33, 34, 37, 40, 30, 35, 41, 39, 36, 38, 46, 43, 44, 42, 47, 45, 48};

bool isDataMatrix(int symbology)
{
    return symbology == BARCODE_DATAMATRIX || symbology == BARCODE_HIBC_DM;
}

} // namespace

struct TZintSymbol::Record
{
    Record() : Zint(ZBarcode_Create())
    {
        if (!Zint)
            throw std::bad_alloc();
        Zint->symbology = CreatedSymbology;
        Zint->option_3 = 0;
        Zint->input_mode = DATA_MODE;
        Zint->primary[0] = '\0';
    }
    ~Record() { ZBarcode_Delete(Zint); }
    Record(const Record&) = delete;
    Record& operator=(const Record&) = delete;

    void ClearResults()
    {
        ZBarcode_Clear(Zint);
        Height = 0;
        WhitespaceWidth = 0;
        BorderWidth = 0;
        OutputOptions = 0;
        RowHeights.fill(0);
        Zint->eci = 0;
    }

    // libzint's record, created once and reused for every encode.
    zint_symbol* const Zint;
    // The results as the layout expects them; libzint's own differ (see NormaliseResults).
    int Height = 0;
    int WhitespaceWidth = 0;
    int BorderWidth = 0;
    int OutputOptions = 0;
    std::array<int, MaxRows> RowHeights{};
    // The options as the user set them. libzint writes its own choices (a column count, a
    // version) back into option_1 and option_2; every encode starts again from these, so an
    // entry's symbol never depends on the entry encoded before it.
    int Option1 = CreatedOption1;
    int Option2 = CreatedOption2;
    // Our option_3 codes differ from libzint's, so the record keeps its own.
    int Option3 = DmDefaultSizes;
    QString Errtxt;
};

TZintSymbol::TZintSymbol(TZintPersistent* owner)
    : TZintPersistent(owner), FRecord(std::make_unique<Record>())
{
    FMSIPlesseyOptions = std::make_unique<TZintMSIPlessyOptions>(this);
    FExtCode39Options = std::make_unique<TZintExtCode39Options>(this);
    FCompositeOptions = std::make_unique<TZintCompositeOptions>(this);
    FGridMatrixOptions = std::make_unique<TZintGridMatrixOptions>(this);
    FPDF417Options = std::make_unique<TZintPDF417Options>(this);
    FAztecOptions = std::make_unique<TZintAztecOptions>(this);
    FMaxicodeOptions = std::make_unique<TZintMaxicodeOptions>(this);
    FDatamatrixOptions = std::make_unique<TZintDatamatrixOptions>(this);
    FMicroQROptions = std::make_unique<TZintMicroQROptions>(this);
    FCode1Options = std::make_unique<TZintCode1Options>(this);
    FQRCodeOptions = std::make_unique<TZintQRCodeOptions>(this);
}

TZintSymbol::~TZintSymbol()
{
    Clear();
    FMSIPlesseyOptions.reset();
    FExtCode39Options.reset();
    FCompositeOptions.reset();
    FGridMatrixOptions.reset();
    FPDF417Options.reset();
    FAztecOptions.reset();
    FMaxicodeOptions.reset();
    FDatamatrixOptions.reset();
    FMicroQROptions.reset();
    FCode1Options.reset();
    FQRCodeOptions.reset();
}

void TZintSymbol::Assign(const TZintPersistent* source)
{
    const auto* other = dynamic_cast<const TZintSymbol*>(source);
    if (!other) {
        TZintPersistent::Assign(source);
        return;
    }
    if (other != this) {
        const zint_symbol& from = *other->FRecord->Zint;
        zint_symbol& to = *FRecord->Zint;
        to.symbology = from.symbology;
        to.option_1 = from.option_1;
        to.option_2 = from.option_2;
        to.input_mode = from.input_mode;
        to.eci = from.eci;
        std::memcpy(to.text, from.text, sizeof to.text);
        to.rows = from.rows;
        to.width = from.width;
        std::memcpy(to.primary, from.primary, sizeof to.primary);
        std::memcpy(to.encoded_data, from.encoded_data, sizeof to.encoded_data);

        const Record& own = *other->FRecord;
        FRecord->Height = own.Height;
        FRecord->WhitespaceWidth = own.WhitespaceWidth;
        FRecord->BorderWidth = own.BorderWidth;
        FRecord->OutputOptions = own.OutputOptions;
        FRecord->RowHeights = own.RowHeights;
        FRecord->Option1 = own.Option1;
        FRecord->Option2 = own.Option2;
        FRecord->Option3 = own.Option3;
        FRecord->Errtxt = own.Errtxt;
    }
    Changed();
}

int TZintSymbol::symbology() const
{
    return FRecord->Zint->symbology;
}

void TZintSymbol::set_symbology(int libraryNumber)
{
    FRecord->Zint->symbology = libraryNumber;
}

int TZintSymbol::option_1() const
{
    return FRecord->Option1;
}

int TZintSymbol::option_2() const
{
    return FRecord->Option2;
}

int TZintSymbol::option_3() const
{
    return FRecord->Option3;
}

void TZintSymbol::set_option_1(int value)
{
    FRecord->Option1 = value;
}

void TZintSymbol::set_option_2(int value)
{
    FRecord->Option2 = value;
}

void TZintSymbol::set_option_3(int value)
{
    FRecord->Option3 = value;
}

int TZintSymbol::input_mode() const
{
    return FRecord->Zint->input_mode;
}

void TZintSymbol::set_input_mode(int value)
{
    FRecord->Zint->input_mode = value;
}

int TZintSymbol::eci() const
{
    return FRecord->Zint->eci;
}

QString TZintSymbol::primary() const
{
    const char* primary = FRecord->Zint->primary;
    return QString::fromUtf8(primary, qstrnlen(primary, sizeof zint_symbol::primary));
}

void TZintSymbol::set_primary(const QString& value)
{
    const QByteArray bytes = CutUtf8(value.toUtf8(), PrimaryBytes);
    char* primary = FRecord->Zint->primary;
    std::memcpy(primary, bytes.constData(), bytes.size());
    primary[bytes.size()] = '\0';
}

int TZintSymbol::height() const
{
    return FRecord->Height;
}

int TZintSymbol::whitespace_width() const
{
    return FRecord->WhitespaceWidth;
}

int TZintSymbol::border_width() const
{
    return FRecord->BorderWidth;
}

bool TZintSymbol::BindsRows() const
{
    return FRecord->OutputOptions & BARCODE_BIND;
}

bool TZintSymbol::Boxed() const
{
    return FRecord->OutputOptions & BARCODE_BOX;
}

bool TZintSymbol::DrawnAsDots() const
{
    return FRecord->OutputOptions & BARCODE_DOTTY_MODE;
}

int TZintSymbol::rows() const
{
    return std::clamp(FRecord->Zint->rows, 0, MaxRows);
}

int TZintSymbol::width() const
{
    return std::clamp(FRecord->Zint->width, 0, MaxColumns);
}

int TZintSymbol::row_height(int row) const
{
    return row >= 0 && row < rows() ? FRecord->RowHeights[row] : 0;
}

bool TZintSymbol::module(int row, int column) const
{
    if (row < 0 || row >= rows() || column < 0 || column >= width())
        return false;
    return (FRecord->Zint->encoded_data[row][column >> 3] >> (column & 7)) & 1;
}

QByteArray TZintSymbol::text() const
{
    const auto* text = reinterpret_cast<const char*>(FRecord->Zint->text);
    return QByteArray(text, qstrnlen(text, sizeof zint_symbol::text));
}

QString TZintSymbol::errtxt() const
{
    return FRecord->Errtxt;
}

TZintSymbology TZintSymbol::SymbolType() const
{
    return IntToSymbology(symbology());
}

void TZintSymbol::SetSymbolType(TZintSymbology value)
{
    set_symbology(SymbologyToInt(value));
    Changed();
}

void TZintSymbol::SetNoMinHeightCheck(bool value)
{
    FNoMinHeightCheck = value;
    Changed();
}

void TZintSymbol::SetLinearRowHeight(int modules)
{
    FLinearRowHeight = std::max(modules, LinearRowHeightFromLayout);
}

void TZintSymbol::Clear()
{
    FRecord->ClearResults();
    FRecord->Errtxt.clear();
}

void TZintSymbol::Encode(const QString& data, bool raiseExceptions)
{
    // The whole text with its length: a NUL is data, and an encoder that cannot carry it
    // refuses the text instead of ending it there.
    const QByteArray bytes = (input_mode() & UNICODE_MODE) ? data.toUtf8() : ToAnsiCodePage(data);
    Encode(bytes, int(std::min<qsizetype>(bytes.size(), INT_MAX)), raiseExceptions);
}

void TZintSymbol::Encode(const QByteArray& data, int length, bool raiseExceptions)
{
    // A length of 0 means "up to the terminating zero"; count here, bounded by the array,
    // so libzint never reads past the data.
    const int available = static_cast<int>(data.size());
    const int byteCount = length > 0 ? std::min(length, available)
                                     : static_cast<int>(qstrnlen(data.constData(), available));
    const int result =
        RunEncoder(reinterpret_cast<const unsigned char*>(data.constData()), byteCount);

    NormaliseResults(result);
    if (result != 0)
        FRecord->Errtxt = TaggedLibraryMessage(FRecord->Zint->errtxt, result >= ZINT_ERROR);
    if (result >= ZINT_ERROR && raiseExceptions)
        throw EZintException(FRecord->Errtxt.toStdString());
}

int TZintSymbol::RunEncoder(const unsigned char* bytes, int length)
{
    zint_symbol& zint = *FRecord->Zint;
    const int requestedEci = zint.eci;
    const int result = EncodeWithOptions(bytes, length);
    if (result != ZINT_WARN_USES_ECI || requestedEci != 0)
        return result;
    // libzint chose the first single-byte character set that holds the text, and decoders
    // know some of those only in part (the euro sign of ISO 8859-7 reads as garbage); UTF-8 is
    // the one every reader knows. Should UTF-8 not fit, libzint's own choice stands.
    zint.eci = Utf8Eci;
    const int utf8Result = EncodeWithOptions(bytes, length);
    if (utf8Result < ZINT_ERROR)
        return utf8Result;
    zint.eci = requestedEci;
    return EncodeWithOptions(bytes, length);
}

int TZintSymbol::EncodeWithOptions(const unsigned char* bytes, int length)
{
    zint_symbol& zint = *FRecord->Zint;
    zint.option_1 = FRecord->Option1;
    zint.option_2 = FRecord->Option2;
    // The layout draws the bands itself; libzint must not size them from stale values.
    zint.whitespace_width = 0;
    zint.whitespace_height = 0;
    zint.border_width = 0;
    zint.output_options = 0;
    zint.height = 0;
    zint.option_3 = 0;

    static const unsigned char noData[] = {0};
    if (length == 0)
        bytes = noData;

    if (!isDataMatrix(zint.symbology))
        return EncodeOnce(bytes, length);

    switch (FRecord->Option3) {
    case DmSquareOnly:
        zint.option_3 = DM_SQUARE;
        return EncodeOnce(bytes, length);
    case DmAllSizes:
        zint.option_3 = DM_DMRE;
        return EncodeOnce(bytes, length);
    case DmRectangularOnly: // libzint has no such switch
        zint.option_3 = DM_DMRE;
        return zint.option_2 == 0 ? EncodeRectangular(bytes, length) : EncodeOnce(bytes, length);
    default:
        return EncodeOnce(bytes, length);
    }
}

int TZintSymbol::EncodeOnce(const unsigned char* bytes, int length)
{
    // libzint only sets modules; a matrix left from an earlier encode would show through.
    ZBarcode_Clear(FRecord->Zint);
    return ZBarcode_Encode(FRecord->Zint, bytes, length);
}

int TZintSymbol::EncodeRectangular(const unsigned char* bytes, int length)
{
    // libzint has no "rectangular only" switch: the first fixed rectangular size that holds
    // the data is the smallest one. The trial sizes are ours, not encoder feedback.
    zint_symbol& zint = *FRecord->Zint;
    int result = ZINT_ERROR_TOO_LONG;
    for (const int size : RectangularSizesByCapacity) {
        zint.option_2 = size;
        result = EncodeOnce(bytes, length);
        if (result != ZINT_ERROR_TOO_LONG)
            break;
    }
    return result;
}

void TZintSymbol::NormaliseResults(int result)
{
    Record& record = *FRecord;
    const zint_symbol& zint = *record.Zint;
    const int rowCount = rows();
    const TSymbologyTraits& traits = lintaro::Traits(SymbolType());

    record.RowHeights.fill(0);
    if (traits.IsMaxiCode()) {
        std::fill_n(record.RowHeights.begin(), rowCount, 1);
    } else {
        // libzint leaves the rows without a fixed height of their own at 0 and keeps their
        // share in its float height.
        float fixedHeight = 0;
        int sharingRows = 0;
        for (int row = 0; row < rowCount; ++row) {
            if (zint.row_height[row] > 0)
                fixedHeight += zint.row_height[row];
            else
                ++sharingRows;
        }
        const bool multiRow = rowCount > 1 && !traits.IsComposite();
        const int libraryShare =
            sharingRows > 0
                ? std::max(1, static_cast<int>((zint.height - fixedHeight) / sharingRows))
                : 0;
        int share = FLinearRowHeight;
        if (multiRow || share == LinearRowHeightStandard)
            share = libraryShare;
        else if (share == LinearRowHeightFromLayout)
            share = 0;
        // Add-on digits stand above the add-on bars, a text line lower than the main bars;
        // with lower bars the add-on no longer overlaps the main symbol and cannot be scanned.
        else if (traits.IsEanUpc() && !traits.IsComposite())
            share = std::max(share, libraryShare);
        for (int row = 0; row < rowCount; ++row) {
            const float fixed = zint.row_height[row];
            record.RowHeights[row] =
                fixed > 0 ? std::max(1, static_cast<int>(std::lround(fixed))) : share;
        }
    }
    record.Height = 0;
    for (int row = 0; row < rowCount; ++row)
        record.Height += record.RowHeights[row];

    record.WhitespaceWidth = 0;
    record.BorderWidth = 0;
    record.OutputOptions = 0;
    if (result >= ZINT_ERROR)
        return;
    if (traits.IsDotty()) {
        record.OutputOptions = BARCODE_DOTTY_MODE;
        return;
    }
    switch (zint.symbology) {
    case BARCODE_CODE16K:
        record.WhitespaceWidth = 16;
        record.BorderWidth = 2;
        record.OutputOptions = BARCODE_BIND;
        break;
    case BARCODE_ITF14:
        record.WhitespaceWidth = 20;
        record.BorderWidth = 8;
        record.OutputOptions = BARCODE_BOX;
        break;
    default:
        // Code 49 and Codablock F bind their rows; the layout draws what libzint asks for.
        record.WhitespaceWidth = zint.whitespace_width;
        record.BorderWidth = zint.border_width;
        record.OutputOptions =
            zint.output_options & (BARCODE_BIND | BARCODE_BOX | BARCODE_DOTTY_MODE);
        break;
    }
}
