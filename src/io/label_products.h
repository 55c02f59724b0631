#pragma once

#include "io/label_sheet.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// A label product on sale, read from the glabels template database.
struct TLabelProduct
{
    QString Brand;
    QString Part;
    QString Description;
    QString PaperName;
    QString SameAs; // "Avery 5160" for a product sold under another code too
    std::optional<TLabelSheet> Sheet;
    QString Unsupported; // why there is no sheet: a drawn outline, labels beyond the page...

    QString Name() const { return Brand + QLatin1Char(' ') + Part; }
};

struct TLabelProductLookup
{
    const TLabelProduct* Product = nullptr;
    QString Error; // unknown, ambiguous (the candidates named), or not a sheet this program fills
    bool Unknown = false; // no product has that name
};

class TLabelProductCatalogue
{
public:
    // Reads every *.xml of `folders` in order; a product of a later folder replaces one of
    // the same brand and part.
    static TLabelProductCatalogue Load(const QStringList& folders);

    // "Avery 5160", "avery-5160", or "5160" when one brand alone sells a 5160.
    TLabelProductLookup Find(const QString& name) const;
    // Products whose brand, part or description hold every word, by brand and part.
    std::vector<const TLabelProduct*> Matching(const QStringList& words) const;

    const std::vector<TLabelProduct>& Products() const { return FProducts; }
    // Files and templates that were not read, and why.
    const QStringList& Problems() const { return FProblems; }

private:
    std::vector<TLabelProduct> FProducts;
    QStringList FProblems;
};

// The system's glabels-data folder, then the user's own templates.
QStringList LabelProductFolders();
// The products of LabelProductFolders(), read once.
const TLabelProductCatalogue& InstalledLabelProducts();
