#include "symbol/published_symbol.h"

#include "symbol/zint_symbol.h"
#include "symbol/zint_symbol_options.h"
#include "symbol/zint_symbology.h"

#include <QObject>

namespace {

TTypeInfo symbologyType()
{
    TTypeInfo type{
        TPropertyKind::pkEnumeration, QStringLiteral("TZintSymbology"), 0, SymbologyCount - 1, {}};
    for (const TSymbologyEntry& entry : SymbologyCatalogue)
        type.ValueNames.append(QString::fromLatin1(entry.EnumName));
    return type;
}

template <typename TOptions> TPublishedProperty optionSet(const char* name, TOptions* options)
{
    QObject* object = options;
    TTypeInfo type{TPropertyKind::pkObject,
                   QString::fromLatin1(TOptions::staticMetaObject.className()),
                   0,
                   0,
                   {}};
    return {{QString::fromLatin1(name), type, false},
            [object] { return QVariant::fromValue(object); },
            {}};
}

} // namespace

QList<TPublishedProperty> SymbolPublishedProperties(TZintSymbol& symbol)
{
    TZintSymbol* s = &symbol;
    return {
        {{QStringLiteral("SymbolType"), symbologyType(), true},
         [s] { return QVariant(static_cast<int>(s->SymbolType())); },
         [s](const QVariant& v) { s->SetSymbolType(static_cast<TZintSymbology>(v.toInt())); }},
        optionSet("MSIPlesseyOptions", s->MSIPlesseyOptions()),
        optionSet("ExtCode39Options", s->ExtCode39Options()),
        optionSet("CompositeOptions", s->CompositeOptions()),
        optionSet("GridMatrixOptions", s->GridMatrixOptions()),
        optionSet("PDF417Options", s->PDF417Options()),
        optionSet("AztecOptions", s->AztecOptions()),
        optionSet("MaxiCodeOptions", s->MaxiCodeOptions()),
        optionSet("DatamatrixOptions", s->DatamatrixOptions()),
        optionSet("MicroQROptions", s->MicroQROptions()),
        optionSet("Code1Option", s->Code1Option()),
        optionSet("QRCodeOptions", s->QRCodeOptions()),
        {{QStringLiteral("NoMinHeightCheck"), BooleanTypeInfo(), true},
         [s] { return QVariant(s->NoMinHeightCheck()); },
         [s](const QVariant& v) { s->SetNoMinHeightCheck(v.toBool()); }},
    };
}
