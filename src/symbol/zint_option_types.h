#pragma once

#include <QObject>

// Value types of the option sets. They live in a Q_NAMESPACE so that the property registry
// can list their value names through QMetaEnum; the names are shown to the user as they stand.
namespace ZintOptionTypes {
Q_NAMESPACE

enum class TmpCheckDigitType
{
    cdtNone,
    cdtMod10,
    cdtMod1010,
    cdtMod11,
    cdtMod1110
};
Q_ENUM_NS(TmpCheckDigitType)

enum class TCompositeType
{
    ctAuto,
    ctCC_A,
    ctCC_B,
    ctCC_C
};
Q_ENUM_NS(TCompositeType)

enum class TgmSize
{
    gmsAuto,
    gms18,
    gms30,
    gms42,
    gms54,
    gms66,
    gms78,
    gms90,
    gms102,
    gms114,
    gms126,
    gms138,
    gms150,
    gms162
};
Q_ENUM_NS(TgmSize)

enum class TgmErrorCorrectCapacity
{
    gmeccAuto,
    gmecc10Percent,
    gmecc20Percent,
    gmecc30Percent,
    gmecc40Percent,
    gmecc50Percent
};
Q_ENUM_NS(TgmErrorCorrectCapacity)

enum class TatErrorCorrectCapacity
{
    ateccAuto,
    atecc10Percent,
    atecc23Percent,
    atecc36Percent,
    atecc50Percent
};
Q_ENUM_NS(TatErrorCorrectCapacity)

enum class TatSize
{
    atsAuto,
    ats15Compact,
    ats19Compact,
    ats23Compact,
    ats27Compact,
    ats19,
    ats23,
    ats27,
    ats31,
    ats37,
    ats41,
    ats45,
    ats49,
    ats53,
    ats57,
    ats61,
    ats67,
    ats71,
    ats75,
    ats79,
    ats83,
    ats87,
    ats91,
    ats95,
    ats101,
    ats105,
    ats109,
    ats113,
    ats117,
    ats121,
    ats125,
    ats131,
    ats135,
    ats139,
    ats143,
    ats147,
    ats151
};
Q_ENUM_NS(TatSize)

enum class TmcMode
{
    mcmAuto,
    mcmMode2,
    mcmMode3,
    mcmMode4,
    mcmMode5,
    mcmMode6
};
Q_ENUM_NS(TmcMode)

enum class TdmSize
{
    dmsAuto,
    dms10x10,
    dms12x12,
    dms14x14,
    dms16x16,
    dms18x18,
    dms20x20,
    dms22x22,
    dms24x24,
    dms26x26,
    dms32x32,
    dms36x36,
    dms40x40,
    dms44x44,
    dms48x48,
    dms52x52,
    dms64x64,
    dms72x72,
    dms80x80,
    dms88x88,
    dms96x96,
    dms104x104,
    dms120x120,
    dms132x132,
    dms144x144,
    dmr8x18,
    dmr8x32,
    dmr12x26,
    dmr12x36,
    dmr16x36,
    dmr16x48,
    dmre8x48,
    dmre8x64,
    dmre8x80,
    dmre8x96,
    dmre8x120,
    dmre8x144,
    dmre12x64,
    dmre12x88,
    dmre16x64,
    dmre20x36,
    dmre20x44,
    dmre20x64,
    dmre22x48,
    dmre24x48,
    dmre24x64,
    dmre26x40,
    dmre26x48,
    dmre26x64
};
Q_ENUM_NS(TdmSize)

enum class TqrECCLevel
{
    qreAuto,
    qreLevelL,
    qreLevelM,
    qreLevelQ,
    qreLevelH
};
Q_ENUM_NS(TqrECCLevel)

// Ordinal k (1 to 40) is QR version k, named by its edge length 17 + 4k.
enum class TqrSize
{
    qrsAuto,
    qrs21,
    qrs25,
    qrs29,
    qrs33,
    qrs37,
    qrs41,
    qrs45,
    qrs49,
    qrs53,
    qrs57,
    qrs61,
    qrs65,
    qrs69,
    qrs73,
    qrs77,
    qrs81,
    qrs85,
    qrs89,
    qrs93,
    qrs97,
    qrs101,
    qrs105,
    qrs109,
    qrs113,
    qrs117,
    qrs121,
    qrs125,
    qrs129,
    qrs133,
    qrs137,
    qrs141,
    qrs145,
    qrs149,
    qrs153,
    qrs157,
    qrs161,
    qrs165,
    qrs169,
    qrs173,
    qrs177
};
Q_ENUM_NS(TqrSize)

enum class TmqVersion
{
    mqvAuto,
    mqv1,
    mqv2,
    mqv3,
    mqv4
};
Q_ENUM_NS(TmqVersion)

enum class TmqECCLevel
{
    mqeAuto,
    mqeL,
    mqeM,
    mqeQ,
    mqeH
};
Q_ENUM_NS(TmqECCLevel)

enum class Tc1Version
{
    c1vAuto,
    c1vA,
    c1vB,
    c1vC,
    c1vD,
    c1vE,
    c1vF,
    c1vG,
    c1vH,
    c1vS
};
Q_ENUM_NS(Tc1Version)

} // namespace ZintOptionTypes

using TmpCheckDigitType = ZintOptionTypes::TmpCheckDigitType;
using TCompositeType = ZintOptionTypes::TCompositeType;
using TgmSize = ZintOptionTypes::TgmSize;
using TgmErrorCorrectCapacity = ZintOptionTypes::TgmErrorCorrectCapacity;
using TatErrorCorrectCapacity = ZintOptionTypes::TatErrorCorrectCapacity;
using TatSize = ZintOptionTypes::TatSize;
using TmcMode = ZintOptionTypes::TmcMode;
using TdmSize = ZintOptionTypes::TdmSize;
using TqrECCLevel = ZintOptionTypes::TqrECCLevel;
using TqrSize = ZintOptionTypes::TqrSize;
using TmqVersion = ZintOptionTypes::TmqVersion;
using TmqECCLevel = ZintOptionTypes::TmqECCLevel;
using Tc1Version = ZintOptionTypes::Tc1Version;

// PDF417's two integer-range properties.
using TpdfCheckDigitCount = int; // -1 to 8
using TpdfColumns = int;         // 0 to 30
