#include "symbol/property_registry.h"

#include <QObject>

namespace {

[[noreturn]] void fail(const QString& message)
{
    throw EZintException(message.toStdString());
}

struct TPathSplit
{
    QString Segment;
    QString Rest;
    bool HasRest;
};

TPathSplit splitPath(const QString& path, QChar separator)
{
    const qsizetype at = path.indexOf(separator);
    if (at < 0)
        return {path, QString(), false};
    return {path.left(at), path.mid(at + 1), true};
}

TPublishedProperty findProperty(const TPublishedObject& object, const QString& name)
{
    const QList<TPublishedProperty> properties = object.Properties();
    for (const TPublishedProperty& property : properties) {
        if (property.Info.Name.compare(name, Qt::CaseInsensitive) == 0)
            return property;
    }
    fail(QStringLiteral("Unknown property \"%1\" of %2").arg(name, object.ClassName()));
}

// The object a path continues into; a path may only go on through an assigned object.
QObject* nextObject(const TPublishedProperty& property, const QVariant& value)
{
    QObject* next =
        property.Info.Type.Kind == TPropertyKind::pkObject ? value.value<QObject*>() : nullptr;
    if (!next)
        fail(QStringLiteral("Property \"%1\" references no object").arg(property.Info.Name));
    return next;
}

void checkRange(const TPropInfo& info, qlonglong value)
{
    if (value < info.Type.MinValue || value > info.Type.MaxValue)
        throw ERangeError(QStringLiteral("%1 is out of range for %2 (%3 to %4)")
                              .arg(value)
                              .arg(info.Name)
                              .arg(info.Type.MinValue)
                              .arg(info.Type.MaxValue)
                              .toStdString());
}

qlonglong toInteger(const QVariant& value)
{
    if (!value.isValid())
        return 0;
    bool ok = false;
    qlonglong result = 0;
    if (value.typeId() == QMetaType::QString)
        result = value.toString().toLongLong(&ok, 10);
    else if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? 1 : 0;
    else if (value.canConvert<qlonglong>())
        result = value.toLongLong(&ok);
    if (!ok)
        throw EVariantTypeCastError(QStringLiteral("'%1' is not a valid integer value")
                                        .arg(value.toString())
                                        .toStdString());
    return result;
}

qlonglong toOrdinal(const TPropInfo& info, const QVariant& value)
{
    if (value.typeId() != QMetaType::QString)
        return toInteger(value);
    const int ordinal = EnumOrdinalOf(info.Type, value.toString());
    if (ordinal < 0)
        throw EVariantTypeCastError(QStringLiteral("'%1' is not a value of %2")
                                        .arg(value.toString(), info.Type.Name)
                                        .toStdString());
    return ordinal;
}

// Turns a caller's value into what the property's writer takes.
QVariant checkedValue(const TPropInfo& info, const QVariant& value)
{
    switch (info.Type.Kind) {
    case TPropertyKind::pkInteger: {
        const qlonglong number = toInteger(value);
        checkRange(info, number);
        return static_cast<int>(number);
    }
    case TPropertyKind::pkEnumeration:
    case TPropertyKind::pkBoolean: {
        const qlonglong ordinal = toOrdinal(info, value);
        checkRange(info, ordinal);
        if (info.Type.Kind == TPropertyKind::pkBoolean)
            return ordinal != 0;
        return static_cast<int>(ordinal);
    }
    case TPropertyKind::pkObject:
        if (value.isValid() && !value.value<QObject*>())
            throw EVariantTypeCastError(
                QStringLiteral("%1 takes an object").arg(info.Name).toStdString());
        return QVariant::fromValue(value.value<QObject*>());
    }
    return {};
}

int listProperties(const TPublishedObject& object, QList<TListedProperty>& list, bool recursive,
                   TPropertyKinds includeKinds, TPropertyKinds excludeKinds, bool ignoreErrors,
                   const QString& prefix, QChar separator, QList<QObject*>& visited)
{
    const bool listAll = !includeKinds && !excludeKinds;
    int count = 0;
    for (const TPublishedProperty& property : object.Properties()) {
        try {
            const TPropertyKind kind = property.Info.Type.Kind;
            if (listAll || includeKinds.testFlag(kind) ||
                (excludeKinds && !excludeKinds.testFlag(kind))) {
                list.append({prefix + property.Info.Name, property.Info});
                ++count;
            }
            if (!recursive || kind != TPropertyKind::pkObject)
                continue;
            QObject* child = property.Read().value<QObject*>();
            if (!child || visited.contains(child))
                continue;
            visited.append(child);
            count +=
                listProperties(child, list, recursive, includeKinds, excludeKinds, ignoreErrors,
                               prefix + property.Info.Name + separator, separator, visited);
        } catch (const EZintException&) {
            if (!ignoreErrors)
                throw;
        }
    }
    return count;
}

} // namespace

int ListObjectProperties(const TPublishedObject& AObject, QList<TListedProperty>& AList,
                         bool ARecursive, TPropertyKinds AIncludeKinds,
                         TPropertyKinds AExcludeKinds, bool AIgnoreErrors, const QString& APrefix,
                         QChar ASeparator)
{
    if (AObject.IsNull())
        fail(QStringLiteral("Invalid object"));
    QList<QObject*> visited;
    return listProperties(AObject, AList, ARecursive, AIncludeKinds, AExcludeKinds, AIgnoreErrors,
                          APrefix, ASeparator, visited);
}

TPropInfo GetPropInfo(const TPublishedObject& AObject, const QString& AName)
{
    return findProperty(AObject, AName).Info;
}

QVariant ReadPropertyPath(const TPublishedObject& AObject, const QString& APath, QChar ASeparator)
{
    if (AObject.IsNull())
        return {};
    const TPathSplit path = splitPath(APath, ASeparator);
    const TPublishedProperty property = findProperty(AObject, path.Segment);
    const QVariant value = property.Read();
    if (!path.HasRest)
        return value;
    return ReadPropertyPath(nextObject(property, value), path.Rest, ASeparator);
}

void WritePropertyPath(const TPublishedObject& AObject, const QString& APath,
                       const QVariant& AValue, QChar ASeparator)
{
    if (AObject.IsNull())
        fail(QStringLiteral("Invalid object"));
    const TPathSplit path = splitPath(APath, ASeparator);
    const TPublishedProperty property = findProperty(AObject, path.Segment);
    if (path.HasRest) {
        WritePropertyPath(nextObject(property, property.Read()), path.Rest, AValue, ASeparator);
        return;
    }
    if (!property.Write)
        fail(QStringLiteral("Property \"%1\" is read-only").arg(property.Info.Name));
    property.Write(checkedValue(property.Info, AValue));
}

QString OrdinalToText(const TTypeInfo& ATypeInfo, int AValue)
{
    if (ATypeInfo.Kind == TPropertyKind::pkObject)
        fail(QStringLiteral("Invalid TypeInfo"));
    if (IsEnumeration(ATypeInfo) && AValue >= 0 && AValue < ATypeInfo.ValueNames.size())
        return ATypeInfo.ValueNames.at(AValue);
    return QString::number(AValue);
}

int ListEnumValues(const TTypeInfo& ATypeInfo, QStringList& AList)
{
    if (!IsEnumeration(ATypeInfo))
        fail(QStringLiteral("Invalid TypeInfo"));
    for (qsizetype ordinal = 0; ordinal < ATypeInfo.ValueNames.size(); ++ordinal)
        AList.append(QStringLiteral("%1=%2").arg(ATypeInfo.ValueNames.at(ordinal)).arg(ordinal));
    return static_cast<int>(ATypeInfo.ValueNames.size());
}

int EnumOrdinalOf(const TTypeInfo& ATypeInfo, const QString& AName)
{
    for (qsizetype ordinal = 0; ordinal < ATypeInfo.ValueNames.size(); ++ordinal) {
        if (ATypeInfo.ValueNames.at(ordinal).compare(AName, Qt::CaseInsensitive) == 0)
            return static_cast<int>(ordinal);
    }
    return -1;
}
