#pragma once

#include <QString>
#include <QStringList>

class TLabelProductCatalogue;

// The products of `catalogue` that hold every one of `words`, one a line: name, paper,
// labels, description, tab-separated.
QString LabelProductList(const TLabelProductCatalogue& catalogue, const QStringList& words);
