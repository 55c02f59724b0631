#pragma once

#include "base/zint_persistent.h"
#include "symbol/zint_option_types.h"

#include <QObject>

class TZintSymbol;

// Typed views over the symbol's three option integers. A set holds no value of its own:
// every property reads and writes the symbol's integer live, so sets naming the same
// integer change together. Writers notify the symbol through the owner chain.
class TCustomZintSymbolOptions : public QObject, public TZintPersistent
{
    Q_OBJECT
public:
    explicit TCustomZintSymbolOptions(TZintSymbol* symbol);

    const char* ClassName() const override { return "TCustomZintSymbolOptions"; }

protected:
    TZintSymbol* const FSymbol;
};

class TZintMSIPlessyOptions final : public TCustomZintSymbolOptions
{
    Q_OBJECT
    Q_PROPERTY(ZintOptionTypes::TmpCheckDigitType CheckDigitType READ CheckDigitType WRITE
                   SetCheckDigitType)
public:
    using TCustomZintSymbolOptions::TCustomZintSymbolOptions;
    const char* ClassName() const override { return "TZintMSIPlessyOptions"; }

    TmpCheckDigitType CheckDigitType() const;
    void SetCheckDigitType(TmpCheckDigitType value);
};

class TZintExtCode39Options final : public TCustomZintSymbolOptions
{
    Q_OBJECT
    Q_PROPERTY(bool AddCheckDigit READ AddCheckDigit WRITE SetAddCheckDigit)
public:
    using TCustomZintSymbolOptions::TCustomZintSymbolOptions;
    const char* ClassName() const override { return "TZintExtCode39Options"; }

    // Index 1, 2 or 3 selects option_1, option_2 or option_3; any other index reads false
    // and writes nothing. The published property uses index 2.
    bool AddCheckDigit(int index) const;
    void SetAddCheckDigit(int index, bool value);
    bool AddCheckDigit() const { return AddCheckDigit(2); }
    void SetAddCheckDigit(bool value) { SetAddCheckDigit(2, value); }
};

class TZintCompositeOptions final : public TCustomZintSymbolOptions
{
    Q_OBJECT
    Q_PROPERTY(
        ZintOptionTypes::TCompositeType CompositeType READ CompositeType WRITE SetCompositeType)
public:
    using TCustomZintSymbolOptions::TCustomZintSymbolOptions;
    const char* ClassName() const override { return "TZintCompositeOptions"; }

    TCompositeType CompositeType() const;
    void SetCompositeType(TCompositeType value);
};

class TZintGridMatrixOptions final : public TCustomZintSymbolOptions
{
    Q_OBJECT
    Q_PROPERTY(ZintOptionTypes::TgmSize Size READ Size WRITE SetSize)
    Q_PROPERTY(ZintOptionTypes::TgmErrorCorrectCapacity ErrorCorrectionCapacity READ
                   ErrorCorrectionCapacity WRITE SetErrorCorrectionCapacity)
public:
    using TCustomZintSymbolOptions::TCustomZintSymbolOptions;
    const char* ClassName() const override { return "TZintGridMatrixOptions"; }

    TgmSize Size() const;
    void SetSize(TgmSize value);
    TgmErrorCorrectCapacity ErrorCorrectionCapacity() const;
    void SetErrorCorrectionCapacity(TgmErrorCorrectCapacity value);
};

// The ranges of the two integer properties are published as class info ("min..max") under
// the property's name, for the property registry to read.
class TZintPDF417Options final : public TCustomZintSymbolOptions
{
    Q_OBJECT
    Q_CLASSINFO("CheckDigitCount", "-1..8")
    Q_CLASSINFO("Columns", "0..30")
    Q_PROPERTY(int CheckDigitCount READ CheckDigitCount WRITE SetCheckDigitCount)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
public:
    using TCustomZintSymbolOptions::TCustomZintSymbolOptions;
    const char* ClassName() const override { return "TZintPDF417Options"; }

    TpdfCheckDigitCount CheckDigitCount() const;
    void SetCheckDigitCount(TpdfCheckDigitCount value);
    TpdfColumns Columns() const;
    void SetColumns(TpdfColumns value);
};

class TZintAztecOptions final : public TCustomZintSymbolOptions
{
    Q_OBJECT
    Q_PROPERTY(ZintOptionTypes::TatErrorCorrectCapacity ErrorCorrectCapacity READ
                   ErrorCorrectCapacity WRITE SetErrorCorrectCapacity)
    Q_PROPERTY(ZintOptionTypes::TatSize Size READ Size WRITE SetSize)
public:
    using TCustomZintSymbolOptions::TCustomZintSymbolOptions;
    const char* ClassName() const override { return "TZintAztecOptions"; }

    TatErrorCorrectCapacity ErrorCorrectCapacity() const;
    void SetErrorCorrectCapacity(TatErrorCorrectCapacity value);
    TatSize Size() const;
    void SetSize(TatSize value);
};

class TZintMaxicodeOptions final : public TCustomZintSymbolOptions
{
    Q_OBJECT
    Q_PROPERTY(ZintOptionTypes::TmcMode Mode READ Mode WRITE SetMode)
public:
    using TCustomZintSymbolOptions::TCustomZintSymbolOptions;
    const char* ClassName() const override { return "TZintMaxicodeOptions"; }

    TmcMode Mode() const;
    void SetMode(TmcMode value);
};

// option_3 carries the size restriction: 100 square only, 101 all sizes including the
// rectangular extension, 102 rectangular only, anything else square and standard rectangular.
class TZintDatamatrixOptions final : public TCustomZintSymbolOptions
{
    Q_OBJECT
    Q_PROPERTY(ZintOptionTypes::TdmSize Size READ Size WRITE SetSize)
    Q_PROPERTY(bool ForceSquare READ ForceSquare WRITE SetForceSquare)
    Q_PROPERTY(bool ForceRectangle READ ForceRectangle WRITE SetForceRectangle)
public:
    using TCustomZintSymbolOptions::TCustomZintSymbolOptions;
    const char* ClassName() const override { return "TZintDatamatrixOptions"; }

    TdmSize Size() const;
    void SetSize(TdmSize value);
    bool ForceSquare() const;
    void SetForceSquare(bool value);
    bool ForceRectangle() const;
    void SetForceRectangle(bool value);
};

class TZintQRCodeOptions final : public TCustomZintSymbolOptions
{
    Q_OBJECT
    Q_PROPERTY(ZintOptionTypes::TqrECCLevel ECCLevel READ ECCLevel WRITE SetECCLevel)
    Q_PROPERTY(ZintOptionTypes::TqrSize Size READ Size WRITE SetSize)
public:
    using TCustomZintSymbolOptions::TCustomZintSymbolOptions;
    const char* ClassName() const override { return "TZintQRCodeOptions"; }

    TqrECCLevel ECCLevel() const;
    void SetECCLevel(TqrECCLevel value);
    TqrSize Size() const;
    void SetSize(TqrSize value);
};

class TZintMicroQROptions final : public TCustomZintSymbolOptions
{
    Q_OBJECT
    Q_PROPERTY(ZintOptionTypes::TmqECCLevel ECCLevel READ ECCLevel WRITE SetECCLevel)
    Q_PROPERTY(ZintOptionTypes::TmqVersion Version READ Version WRITE SetVersion)
public:
    using TCustomZintSymbolOptions::TCustomZintSymbolOptions;
    const char* ClassName() const override { return "TZintMicroQROptions"; }

    TmqECCLevel ECCLevel() const;
    void SetECCLevel(TmqECCLevel value);
    TmqVersion Version() const;
    void SetVersion(TmqVersion value);
};

class TZintCode1Options final : public TCustomZintSymbolOptions
{
    Q_OBJECT
    Q_PROPERTY(ZintOptionTypes::Tc1Version Version READ Version WRITE SetVersion)
public:
    using TCustomZintSymbolOptions::TCustomZintSymbolOptions;
    const char* ClassName() const override { return "TZintCode1Options"; }

    Tc1Version Version() const;
    void SetVersion(Tc1Version value);
};
