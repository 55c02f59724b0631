#include "cli/sheet_list.h"

#include "io/label_products.h"

namespace {
QString Length(double millimetres)
{
    return QString::number(millimetres, 'f', 2);
}

// "3 x 10", or "2 x 5 + 1 x 5" for a product of two grids.
QString Grids(const TLabelSheet& sheet)
{
    QStringList grids{QStringLiteral("%1 x %2").arg(sheet.Columns).arg(sheet.Rows)};
    for (const TLabelGrid& grid : sheet.MoreGrids)
        grids << QStringLiteral("%1 x %2").arg(grid.Columns).arg(grid.Rows);
    return grids.join(QStringLiteral(" + "));
}

QString Labels(const TLabelSheet& sheet)
{
    const QString size = Length(sheet.Label.width()) + QStringLiteral(" x ") +
                         Length(sheet.Label.height()) + QStringLiteral(" mm");
    switch (sheet.Outline.Shape) {
    case TLabelShape::lsRectangle:
        return QStringLiteral("%1 labels of %2").arg(Grids(sheet), size);
    case TLabelShape::lsRound:
        return QStringLiteral("%1 round labels of %2 mm")
            .arg(Grids(sheet), Length(sheet.Label.width()));
    case TLabelShape::lsEllipse:
        return QStringLiteral("%1 oval labels of %2").arg(Grids(sheet), size);
    case TLabelShape::lsCd: {
        const QString cd = QStringLiteral("%1 CD labels of %2 mm, hole %3 mm")
                               .arg(Grids(sheet), Length(2 * sheet.Outline.Radius),
                                    Length(2 * sheet.Outline.HoleRadius));
        const bool cut = sheet.Label.width() < 2 * sheet.Outline.Radius ||
                         sheet.Label.height() < 2 * sheet.Outline.Radius;
        return cut ? QStringLiteral("%1, cut to %2").arg(cd, size) : cd;
    }
    }
    return {};
}
} // namespace

QString LabelProductList(const TLabelProductCatalogue& catalogue, const QStringList& words)
{
    QString list;
    for (const TLabelProduct* product : catalogue.Matching(words)) {
        const QString labels =
            product->Sheet ? Labels(*product->Sheet)
                           : QStringLiteral("cannot be filled: %1").arg(product->Unsupported);
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
