#pragma once

#include "base/zint_exception.h"

#include <QFlags>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

// The kinds of published properties that occur in the program.
enum class TPropertyKind
{
    pkInteger = 0x1,
    pkEnumeration = 0x2,
    pkBoolean = 0x4,
    pkObject = 0x8
};
Q_DECLARE_FLAGS(TPropertyKinds, TPropertyKind)
Q_DECLARE_OPERATORS_FOR_FLAGS(TPropertyKinds)

// The type of a property. Enumerations and booleans count ordinals from 0; a boolean is
// the enumeration "False", "True".
struct TTypeInfo
{
    TPropertyKind Kind = TPropertyKind::pkInteger;
    QString Name; // "TqrECCLevel", "Boolean", "TpdfColumns", the class name of an object
    int MinValue = 0;
    int MaxValue = 0;
    QStringList ValueNames; // enumerations and booleans, in ordinal order
};

// Enumerations and booleans: the kinds whose values have names.
inline bool IsEnumeration(const TTypeInfo& type)
{
    return type.Kind == TPropertyKind::pkEnumeration || type.Kind == TPropertyKind::pkBoolean;
}

inline TTypeInfo BooleanTypeInfo()
{
    return {TPropertyKind::pkBoolean,
            QStringLiteral("Boolean"),
            0,
            1,
            {QStringLiteral("False"), QStringLiteral("True")}};
}

// The descriptor of one published property.
struct TPropInfo
{
    QString Name;
    TTypeInfo Type;
    bool Writable = true;
};

// A property bound to one object. Values travel as QVariant: an integer for integers and
// enumeration ordinals, a bool for booleans, a QObject* for objects. Write receives a value
// already checked against the type; it is empty for read-only properties.
struct TPublishedProperty
{
    TPropInfo Info;
    std::function<QVariant()> Read;
    std::function<void(const QVariant&)> Write;
};

// A number outside the range of an integer or the ordinals of an enumeration.
class ERangeError final : public EZintException
{
public:
    using EZintException::EZintException;
};

// A value that cannot be turned into the property's type (no integer, no value name).
class EVariantTypeCastError final : public EZintException
{
public:
    using EZintException::EZintException;
};
