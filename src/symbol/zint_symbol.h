#pragma once

#include "base/zint_persistent.h"
#include "symbol/zint_symbology.h"

#include <QByteArray>
#include <QString>

#include <memory>

struct zint_symbol;
class TZintMSIPlessyOptions;
class TZintExtCode39Options;
class TZintCompositeOptions;
class TZintGridMatrixOptions;
class TZintPDF417Options;
class TZintAztecOptions;
class TZintMaxicodeOptions;
class TZintDatamatrixOptions;
class TZintMicroQROptions;
class TZintCode1Options;
class TZintQRCodeOptions;

// Data Matrix size restriction in option_3; any other value allows the square and the
// standard rectangular sizes (928 is the created value).
constexpr int DmSquareOnly = 100;
constexpr int DmAllSizes = 101;
constexpr int DmRectangularOnly = 102;
constexpr int DmDefaultSizes = 928;

// Height of the rows libzint leaves without one (the bars of single-row symbols and the
// linear rows of composites): a number of modules, or one of these.
constexpr int LinearRowHeightStandard = 0;    // libzint's own default for the symbology
constexpr int LinearRowHeightFromLayout = -1; // left at 0: the layout sizes or fills them
constexpr int LinearRowHeightCreated = 5;

// The one object through which the program talks to libzint. The record's fields are
// answered from libzint's own record, brought in line with what the layout expects
// after every encode (row heights, bands, message tags, input mode).
class TZintSymbol final : public TZintPersistent
{
public:
    explicit TZintSymbol(TZintPersistent* owner = nullptr);
    ~TZintSymbol() override;

    const char* ClassName() const override { return "TZintSymbol"; }
    void Assign(const TZintPersistent* source) override;

    // Record inputs.
    int symbology() const;
    void set_symbology(int libraryNumber); // raw write, no notification
    int option_1() const;
    int option_2() const;
    int option_3() const;
    void set_option_1(int value); // raw writes; the option sets notify
    void set_option_2(int value);
    void set_option_3(int value);
    int input_mode() const;
    void set_input_mode(int value);
    int eci() const;
    QString primary() const;
    void set_primary(const QString& value); // cut to 127 UTF-8 bytes

    // Record results of the last encode.
    int height() const; // sum of the row heights
    int whitespace_width() const;
    int border_width() const;
    // Bars the symbology asks for besides its modules, border_width modules thick: above and
    // below the symbol (and between its rows when it stacks them), or a box all around.
    bool BindsRows() const;
    bool Boxed() const;
    bool DrawnAsDots() const;
    int rows() const;
    int width() const;
    int row_height(int row) const;
    bool module(int row, int column) const;
    QByteArray text() const; // human-readable text, UTF-8, without the terminating zero
    QString errtxt() const;  // "error: ..." / "warning: ..." of the last encode

    TZintSymbology SymbolType() const;
    void SetSymbolType(TZintSymbology value);
    bool NoMinHeightCheck() const { return FNoMinHeightCheck; }
    void SetNoMinHeightCheck(bool value);
    int LinearRowHeight() const { return FLinearRowHeight; }
    // Takes effect at the next encode; EAN/UPC bars never get lower than libzint's, as
    // their guard bars and add-on depend on that height.
    void SetLinearRowHeight(int modules);

    TZintMSIPlessyOptions* MSIPlesseyOptions() const { return FMSIPlesseyOptions.get(); }
    TZintExtCode39Options* ExtCode39Options() const { return FExtCode39Options.get(); }
    TZintCompositeOptions* CompositeOptions() const { return FCompositeOptions.get(); }
    TZintGridMatrixOptions* GridMatrixOptions() const { return FGridMatrixOptions.get(); }
    TZintPDF417Options* PDF417Options() const { return FPDF417Options.get(); }
    TZintAztecOptions* AztecOptions() const { return FAztecOptions.get(); }
    TZintMaxicodeOptions* MaxiCodeOptions() const { return FMaxicodeOptions.get(); }
    TZintDatamatrixOptions* DatamatrixOptions() const { return FDatamatrixOptions.get(); }
    TZintQRCodeOptions* QRCodeOptions() const { return FQRCodeOptions.get(); }
    TZintMicroQROptions* MicroQROptions() const { return FMicroQROptions.get(); }
    TZintCode1Options* Code1Option() const { return FCode1Options.get(); }

    // Resets the result part of the record; keeps symbology, options, input mode, primary.
    void Clear();
    // Text form: UTF-8 when input_mode has bit 1, else Windows-1252; the whole text, NULs
    // included.
    void Encode(const QString& data, bool raiseExceptions);
    // Byte form. A result of 5 or more raises EZintException(errtxt) when asked to.
    void Encode(const QByteArray& data, int length, bool raiseExceptions);

private:
    struct Record;
    int RunEncoder(const unsigned char* bytes, int length);
    int EncodeWithOptions(const unsigned char* bytes, int length);
    int EncodeOnce(const unsigned char* bytes, int length);
    int EncodeRectangular(const unsigned char* bytes, int length);
    void NormaliseResults(int result);

    std::unique_ptr<Record> FRecord;
    bool FNoMinHeightCheck = false;
    int FLinearRowHeight = LinearRowHeightCreated;
    std::unique_ptr<TZintMSIPlessyOptions> FMSIPlesseyOptions;
    std::unique_ptr<TZintExtCode39Options> FExtCode39Options;
    std::unique_ptr<TZintCompositeOptions> FCompositeOptions;
    std::unique_ptr<TZintGridMatrixOptions> FGridMatrixOptions;
    std::unique_ptr<TZintPDF417Options> FPDF417Options;
    std::unique_ptr<TZintAztecOptions> FAztecOptions;
    std::unique_ptr<TZintMaxicodeOptions> FMaxicodeOptions;
    std::unique_ptr<TZintDatamatrixOptions> FDatamatrixOptions;
    std::unique_ptr<TZintMicroQROptions> FMicroQROptions;
    std::unique_ptr<TZintCode1Options> FCode1Options;
    std::unique_ptr<TZintQRCodeOptions> FQRCodeOptions;
};
