#include "cli/sheet_list.h"

#include "io/label_products.h"

QString LabelProductList(const TLabelProductCatalogue& catalogue, const QStringList& words)
{
    QString list;
    for (const TLabelProduct* product : catalogue.Matching(words)) {
        QString labels;
        if (product->Sheet)
            labels = QStringLiteral("%1 x %2 labels of %3 x %4 mm")
                         .arg(product->Sheet->Columns)
                         .arg(product->Sheet->Rows)
                         .arg(product->Sheet->Label.width(), 0, 'f', 2)
                         .arg(product->Sheet->Label.height(), 0, 'f', 2);
        else
            labels = QStringLiteral("cannot be filled: %1").arg(product->Unsupported);
        QString description = product->Description;
        if (!product->SameAs.isEmpty())
            description += QStringLiteral(" (as %1)").arg(product->SameAs);
        list +=
            QStringList{product->Name(), product->PaperName, labels, description.trimmed()}.join(
                QLatin1Char('\t')) +
            QLatin1Char('\n');
    }
    return list;
}
