#pragma once

#include "symbol/property_types.h"
#include "symbol/published_object.h"

#include <QChar>

// Generic access to published properties by name and by path ("QRCodeOptions.ECCLevel").
// Property names are compared without regard to letter case.

// One listed property: its (prefixed) name and its descriptor.
struct TListedProperty
{
    QString Name;
    TPropInfo Info;
};

// Appends the object's properties to AList and returns how many were added. With both kind
// sets empty every property is listed; otherwise a property is listed when its kind is in
// AIncludeKinds, or when AExcludeKinds is not empty and its kind is not in it. Recursion
// descends into referenced objects once each, with "prefix name separator" as prefix.
int ListObjectProperties(const TPublishedObject& AObject, QList<TListedProperty>& AList,
                         bool ARecursive, TPropertyKinds AIncludeKinds,
                         TPropertyKinds AExcludeKinds, bool AIgnoreErrors, const QString& APrefix,
                         QChar ASeparator);

// The descriptor of one property of the object; raises EZintException for an unknown name.
TPropInfo GetPropInfo(const TPublishedObject& AObject, const QString& AName);

// An integer, an enumeration ordinal, a bool or a QObject*; null for a null object.
QVariant ReadPropertyPath(const TPublishedObject& AObject, const QString& APath, QChar ASeparator);

// Integers take an integer or its decimal text; enumerations and booleans take an ordinal,
// a bool, a value name or an empty value (ordinal 0). Raises ERangeError,
// EVariantTypeCastError, or EZintException for a path that names no writable property.
void WritePropertyPath(const TPublishedObject& AObject, const QString& APath,
                       const QVariant& AValue, QChar ASeparator);

// Decimal for integers, the value name for enumerations and booleans.
QString OrdinalToText(const TTypeInfo& ATypeInfo, int AValue);

// Appends "name=ordinal" for every value in ordinal order; returns the number of values.
int ListEnumValues(const TTypeInfo& ATypeInfo, QStringList& AList);

// The ordinal of a value name, matched without regard to letter case; -1 when none matches.
int EnumOrdinalOf(const TTypeInfo& ATypeInfo, const QString& AName);
