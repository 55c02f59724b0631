#include "symbol/zint_symbol_options.h"

#include "symbol/zint_symbol.h"

#include <QMetaEnum>

namespace {
constexpr int FirstDmreSize = static_cast<int>(TdmSize::dmre8x48);

// An integer outside the enumeration reads as its first (automatic) value.
template <typename E> E ordinalOrFirst(int value)
{
    const int count = QMetaEnum::fromType<E>().keyCount();
    return value >= 0 && value < count ? static_cast<E>(value) : E{};
}

// libzint takes -1 as "choose automatically" for the option_1 levels.
template <typename E> int ordinalOrMinusOne(E value)
{
    return value == E{} ? -1 : static_cast<int>(value);
}

int inRangeOr(int value, int low, int high, int fallback)
{
    return value >= low && value <= high ? value : fallback;
}
} // namespace

TCustomZintSymbolOptions::TCustomZintSymbolOptions(TZintSymbol* symbol)
    : TZintPersistent(symbol), FSymbol(symbol)
{}

TmpCheckDigitType TZintMSIPlessyOptions::CheckDigitType() const
{
    return ordinalOrFirst<TmpCheckDigitType>(FSymbol->option_2());
}

void TZintMSIPlessyOptions::SetCheckDigitType(TmpCheckDigitType value)
{
    FSymbol->set_option_2(static_cast<int>(value));
    Changed();
}

bool TZintExtCode39Options::AddCheckDigit(int index) const
{
    switch (index) {
    case 1:
        return FSymbol->option_1() != 0;
    case 2:
        return FSymbol->option_2() != 0;
    case 3:
        return FSymbol->option_3() != 0;
    default:
        return false;
    }
}

void TZintExtCode39Options::SetAddCheckDigit(int index, bool value)
{
    const int stored = value ? 1 : 0;
    switch (index) {
    case 1:
        if (FSymbol->option_1() == stored)
            return;
        FSymbol->set_option_1(stored);
        break;
    case 2:
        if (FSymbol->option_2() == stored)
            return;
        FSymbol->set_option_2(stored);
        break;
    case 3:
        if (FSymbol->option_3() == stored)
            return;
        FSymbol->set_option_3(stored);
        break;
    default:
        return;
    }
    Changed();
}

TCompositeType TZintCompositeOptions::CompositeType() const
{
    return ordinalOrFirst<TCompositeType>(FSymbol->option_1());
}

void TZintCompositeOptions::SetCompositeType(TCompositeType value)
{
    FSymbol->set_option_1(ordinalOrMinusOne(value));
    Changed();
}

TgmSize TZintGridMatrixOptions::Size() const
{
    return ordinalOrFirst<TgmSize>(FSymbol->option_2());
}

void TZintGridMatrixOptions::SetSize(TgmSize value)
{
    FSymbol->set_option_2(static_cast<int>(value));
    Changed();
}

TgmErrorCorrectCapacity TZintGridMatrixOptions::ErrorCorrectionCapacity() const
{
    return ordinalOrFirst<TgmErrorCorrectCapacity>(FSymbol->option_1());
}

void TZintGridMatrixOptions::SetErrorCorrectionCapacity(TgmErrorCorrectCapacity value)
{
    FSymbol->set_option_1(ordinalOrMinusOne(value));
    Changed();
}

TpdfCheckDigitCount TZintPDF417Options::CheckDigitCount() const
{
    return inRangeOr(FSymbol->option_1(), -1, 8, -1);
}

void TZintPDF417Options::SetCheckDigitCount(TpdfCheckDigitCount value)
{
    FSymbol->set_option_1(value);
    Changed();
}

TpdfColumns TZintPDF417Options::Columns() const
{
    return inRangeOr(FSymbol->option_2(), 0, 30, 0);
}

void TZintPDF417Options::SetColumns(TpdfColumns value)
{
    FSymbol->set_option_2(value);
    Changed();
}

TatErrorCorrectCapacity TZintAztecOptions::ErrorCorrectCapacity() const
{
    return ordinalOrFirst<TatErrorCorrectCapacity>(FSymbol->option_1());
}

void TZintAztecOptions::SetErrorCorrectCapacity(TatErrorCorrectCapacity value)
{
    FSymbol->set_option_1(ordinalOrMinusOne(value));
    Changed();
}

TatSize TZintAztecOptions::Size() const
{
    return ordinalOrFirst<TatSize>(FSymbol->option_2());
}

void TZintAztecOptions::SetSize(TatSize value)
{
    FSymbol->set_option_2(static_cast<int>(value));
    Changed();
}

// Modes 2 to 6 sit at ordinals 1 to 5.
TmcMode TZintMaxicodeOptions::Mode() const
{
    const int mode = FSymbol->option_1();
    return mode >= 2 && mode <= 6 ? static_cast<TmcMode>(mode - 1) : TmcMode::mcmAuto;
}

void TZintMaxicodeOptions::SetMode(TmcMode value)
{
    FSymbol->set_option_1(value == TmcMode::mcmAuto ? -1 : static_cast<int>(value) + 1);
    Changed();
}

TdmSize TZintDatamatrixOptions::Size() const
{
    return ordinalOrFirst<TdmSize>(FSymbol->option_2());
}

// A rectangular extension size is only reachable with the extension sizes allowed.
void TZintDatamatrixOptions::SetSize(TdmSize value)
{
    const int ordinal = static_cast<int>(value);
    FSymbol->set_option_2(ordinal);
    FSymbol->set_option_3(ordinal >= FirstDmreSize ? DmAllSizes : DmDefaultSizes);
    Changed();
}

bool TZintDatamatrixOptions::ForceSquare() const
{
    return FSymbol->option_3() == DmSquareOnly;
}

void TZintDatamatrixOptions::SetForceSquare(bool value)
{
    if (value)
        FSymbol->set_option_3(DmSquareOnly);
    else if (FSymbol->option_3() != DmRectangularOnly && FSymbol->option_2() < FirstDmreSize)
        FSymbol->set_option_3(DmDefaultSizes);
    Changed();
}

bool TZintDatamatrixOptions::ForceRectangle() const
{
    return FSymbol->option_3() == DmRectangularOnly;
}

void TZintDatamatrixOptions::SetForceRectangle(bool value)
{
    if (value)
        FSymbol->set_option_3(DmRectangularOnly);
    else if (FSymbol->option_3() != DmSquareOnly && FSymbol->option_2() < FirstDmreSize)
        FSymbol->set_option_3(DmDefaultSizes);
    Changed();
}

TqrECCLevel TZintQRCodeOptions::ECCLevel() const
{
    return ordinalOrFirst<TqrECCLevel>(FSymbol->option_1());
}

void TZintQRCodeOptions::SetECCLevel(TqrECCLevel value)
{
    FSymbol->set_option_1(ordinalOrMinusOne(value));
    Changed();
}

TqrSize TZintQRCodeOptions::Size() const
{
    return ordinalOrFirst<TqrSize>(FSymbol->option_2());
}

void TZintQRCodeOptions::SetSize(TqrSize value)
{
    FSymbol->set_option_2(static_cast<int>(value));
    Changed();
}

TmqECCLevel TZintMicroQROptions::ECCLevel() const
{
    return ordinalOrFirst<TmqECCLevel>(FSymbol->option_1());
}

void TZintMicroQROptions::SetECCLevel(TmqECCLevel value)
{
    FSymbol->set_option_1(ordinalOrMinusOne(value));
    Changed();
}

TmqVersion TZintMicroQROptions::Version() const
{
    return ordinalOrFirst<TmqVersion>(FSymbol->option_2());
}

void TZintMicroQROptions::SetVersion(TmqVersion value)
{
    FSymbol->set_option_2(static_cast<int>(value));
    Changed();
}

Tc1Version TZintCode1Options::Version() const
{
    return ordinalOrFirst<Tc1Version>(FSymbol->option_2());
}

void TZintCode1Options::SetVersion(Tc1Version value)
{
    FSymbol->set_option_2(static_cast<int>(value));
    Changed();
}
