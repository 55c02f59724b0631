#pragma once

#include <QString>

#include <cstdint>

enum class TZintHAlign : std::uint8_t
{
    haLeft,
    haCenter,
    haRight
};
enum class TZintVAlign : std::uint8_t
{
    vaTop,
    vaCenter,
    vaBottom
};
enum class TZintRenderAdjustMode : std::uint8_t
{
    ramScale,
    ramInflate
};

enum class TZintEANUPCFlag : std::uint8_t
{
    euEAN8,
    euEAN13,
    euUPCA,
    euUPCE,
    euAddon2,
    euAddon5
};

// Set of TZintEANUPCFlag, bit n = value n.
class TZintEANUPCFlags
{
public:
    bool Contains(TZintEANUPCFlag flag) const { return FBits & Bit(flag); }
    void Include(TZintEANUPCFlag flag) { FBits |= Bit(flag); }
    bool Empty() const { return FBits == 0; }
    void Clear() { FBits = 0; }

private:
    static std::uint8_t Bit(TZintEANUPCFlag flag) { return std::uint8_t(1u << unsigned(flag)); }
    std::uint8_t FBits = 0;
};

struct TZintRenderRect
{
    float X = 0;
    float Y = 0;
    float Width = 0;
    float Height = 0;
};

struct TZintDrawTextParams
{
    float X = 0;
    float Y = 0;
    float Width = 0;
    float Height = 0;
    QString Text;
};

struct TZintCalcTextHeightParams
{
    QString Text;
};

struct TZintHexagonParams
{
    float X = 0; // centre
    float Y = 0;
    float Width = 0; // module width and height
    float Height = 0;
};

struct TZintRingParams
{
    float X = 0; // centre
    float Y = 0;
    float OuterRadius = 0;
    float InnerRadius = 0;
};

struct TZintCircleParams
{
    float X = 0; // centre
    float Y = 0;
    float Diameter = 0;
};
