#pragma once

#include "symbol/property_types.h"

#include <cstddef>

class QObject;
class TZintSymbol;

// An object that takes part in the property registry: the symbol, which has an entry of its
// own, or any QObject, whose meta-object is its entry (the option sets).
class TPublishedObject final
{
public:
    TPublishedObject() = default;
    TPublishedObject(std::nullptr_t) {}
    TPublishedObject(QObject* object) : FObject(object) {}
    TPublishedObject(TZintSymbol* symbol) : FSymbol(symbol) {}

    bool IsNull() const { return !FObject && !FSymbol; }
    QString ClassName() const;
    // Inherited properties first, each class in declaration order.
    QList<TPublishedProperty> Properties() const;

private:
    QObject* FObject = nullptr;
    TZintSymbol* FSymbol = nullptr;
};
