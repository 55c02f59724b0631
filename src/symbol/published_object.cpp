#include "symbol/published_object.h"

#include "symbol/published_qobject.h"
#include "symbol/published_symbol.h"

#include <QObject>

QString TPublishedObject::ClassName() const
{
    if (FSymbol)
        return QStringLiteral("TZintSymbol");
    return FObject ? QString::fromLatin1(FObject->metaObject()->className()) : QString();
}

QList<TPublishedProperty> TPublishedObject::Properties() const
{
    if (FSymbol)
        return SymbolPublishedProperties(*FSymbol);
    return FObject ? QObjectPublishedProperties(*FObject) : QList<TPublishedProperty>();
}
