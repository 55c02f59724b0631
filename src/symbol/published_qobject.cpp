#include "symbol/published_qobject.h"

#include <QMetaEnum>
#include <QMetaProperty>
#include <QObject>

#include <limits>
#include <optional>

namespace {

// An enumeration qualifies when its values are the ordinals 0, 1, 2, ... in key order.
std::optional<TTypeInfo> enumerationType(const QMetaEnum& enumerator)
{
    TTypeInfo type{TPropertyKind::pkEnumeration,
                   QString::fromLatin1(enumerator.name()),
                   0,
                   enumerator.keyCount() - 1,
                   {}};
    for (int ordinal = 0; ordinal < enumerator.keyCount(); ++ordinal) {
        if (enumerator.value(ordinal) != ordinal)
            return std::nullopt;
        type.ValueNames.append(QString::fromLatin1(enumerator.key(ordinal)));
    }
    return type;
}

// Ranges come as class info "min..max" under the property's name.
TTypeInfo integerType(const QMetaObject& meta, const QMetaProperty& property)
{
    TTypeInfo type{TPropertyKind::pkInteger,
                   QStringLiteral("Integer"),
                   std::numeric_limits<int>::min(),
                   std::numeric_limits<int>::max(),
                   {}};
    const int info = meta.indexOfClassInfo(property.name());
    if (info < 0)
        return type;
    const QStringList bounds =
        QString::fromLatin1(meta.classInfo(info).value()).split(QStringLiteral(".."));
    bool minOk = false;
    bool maxOk = false;
    const int minValue = bounds.value(0).toInt(&minOk);
    const int maxValue = bounds.value(1).toInt(&maxOk);
    if (bounds.size() == 2 && minOk && maxOk && minValue <= maxValue) {
        type.MinValue = minValue;
        type.MaxValue = maxValue;
    }
    return type;
}

std::optional<TTypeInfo> typeOf(const QMetaObject& meta, const QMetaProperty& property)
{
    if (property.isEnumType())
        return enumerationType(property.enumerator());
    const QMetaType metaType = property.metaType();
    if (metaType.id() == QMetaType::Bool)
        return BooleanTypeInfo();
    if (metaType.id() == QMetaType::Int)
        return integerType(meta, property);
    if ((metaType.flags() & QMetaType::PointerToQObject) && metaType.metaObject())
        return TTypeInfo{TPropertyKind::pkObject,
                         QString::fromLatin1(metaType.metaObject()->className()),
                         0,
                         0,
                         {}};
    return std::nullopt;
}

QVariant readValue(const QObject& object, const QMetaProperty& property, TPropertyKind kind)
{
    QVariant value = property.read(&object);
    switch (kind) {
    case TPropertyKind::pkEnumeration:
        value.convert(QMetaType::fromType<int>());
        return value;
    case TPropertyKind::pkObject:
        return QVariant::fromValue(value.value<QObject*>());
    default:
        return value;
    }
}

} // namespace

QList<TPublishedProperty> QObjectPublishedProperties(QObject& object)
{
    const QMetaObject& meta = *object.metaObject();
    QObject* target = &object;
    QList<TPublishedProperty> properties;
    for (int index = QObject::staticMetaObject.propertyCount(); index < meta.propertyCount();
         ++index) {
        const QMetaProperty property = meta.property(index);
        const std::optional<TTypeInfo> type = typeOf(meta, property);
        if (!type)
            continue;
        const TPropertyKind kind = type->Kind;
        TPublishedProperty published{
            {QString::fromLatin1(property.name()), *type, property.isWritable()},
            [target, property, kind] { return readValue(*target, property, kind); },
            {}};
        if (property.isWritable())
            published.Write = [target, property](const QVariant& value) {
                QVariant typed = value;
                if (!typed.convert(property.metaType()) || !property.write(target, typed))
                    throw EZintException(QStringLiteral("Property \"%1\" could not be written")
                                             .arg(QString::fromLatin1(property.name()))
                                             .toStdString());
            };
        properties.append(published);
    }
    return properties;
}
