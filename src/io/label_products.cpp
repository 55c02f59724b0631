#include "io/label_products.h"

#include "io/label_template_reader.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <map>

namespace {
// More files than any real folder of templates holds.
constexpr int MaxFilesPerFolder = 1000;
// Ten times the installed database; what a folder holds beyond it is not read.
constexpr std::size_t MaxTemplates = 20000;
// Candidates named in the message of an ambiguous name.
constexpr int MaxCandidatesNamed = 10;
// Products are measured sheets written in points and inches: labels that fill the page may
// add up to a little more than it, or their pitch to a little less than the label. Within this
// many millimetres the pitch and the page are taken as the truth.
constexpr double MeasurementSlack = 0.5;

// Letter case, blanks and punctuation do not tell products apart: "avery-5160" is "Avery 5160".
QString Key(const QString& text)
{
    QString key;
    for (const QChar c : text)
        if (c.isLetterOrNumber())
            key += c.toLower();
    return key;
}

QString Millimetres(QSizeF size)
{
    return QStringLiteral("%1 x %2 mm").arg(size.width(), 0, 'f', 2).arg(size.height(), 0, 'f', 2);
}

// Labels and gaps along one side of the page.
struct TSide
{
    double Label;
    double Gap;
    double FarMargin;
};

// Within the slack, a label is as long as its pitch and the last one ends at the page's edge;
// every label starts where the product puts it.
TSide FitSide(int count, double start, double step, double label, double page)
{
    double gap = count > 1 ? step - label : 0;
    if (gap < 0 && gap > -MeasurementSlack) {
        label = step;
        gap = 0;
    }
    const double pitch = label + gap;
    const double overhang = start + (count - 1) * pitch + label - page;
    if (overhang > 0 && overhang < MeasurementSlack) {
        label -= overhang;
        gap = count > 1 ? gap + overhang : 0;
    }
    return {label, gap, page - (start + (count - 1) * pitch + label)};
}

// The sheet of a product, or why there is none. The first layout fixes the label's size;
// further ones are filled after it.
QString MakeSheet(const TLabelTemplate& product, QSizeF paper, TLabelProduct& made)
{
    if (product.Shapes > 1)
        return QStringLiteral("it has labels of several shapes on its page");
    if (!product.Unsupported.isEmpty())
        return product.Unsupported;
    if (product.Layouts.empty())
        return QStringLiteral("it has no layout of labels on its page");
    const TLabelLayout& layout = product.Layouts.front();
    TLabelSheet sheet;
    sheet.Page = paper;
    sheet.Columns = layout.Across;
    sheet.Rows = layout.Down;
    sheet.Outline = product.Outline;
    const TSide across = FitSide(layout.Across, layout.Left, layout.StepAcross,
                                 product.Label.width(), paper.width());
    const TSide down =
        FitSide(layout.Down, layout.Top, layout.StepDown, product.Label.height(), paper.height());
    sheet.Label = {across.Label, down.Label};
    sheet.Gap = {across.Gap, down.Gap};
    sheet.Margins = {layout.Left, layout.Top, across.FarMargin, down.FarMargin};
    for (auto more = product.Layouts.begin() + 1; more != product.Layouts.end(); ++more)
        sheet.MoreGrids.push_back({more->Across,
                                   more->Down,
                                   {more->Left, more->Top},
                                   {more->StepAcross, more->StepDown}});
    if (const QString misfit = LabelSheetMisfit(sheet); !misfit.isEmpty())
        return misfit;
    made.Sheet = sheet;
    return {};
}

std::pair<QString, QString> ProductKey(const QString& brand, const QString& part)
{
    return {brand.toLower(), part.toLower()};
}
} // namespace

TLabelProductCatalogue TLabelProductCatalogue::Load(const QStringList& folders)
{
    TLabelProductCatalogue catalogue;
    std::vector<TLabelTemplate> templates;
    std::map<QString, QSizeF> papers;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        const QStringList names =
            dir.entryList({QStringLiteral("*.xml")}, QDir::Files | QDir::Readable, QDir::Name);
        for (const QString& name : names.mid(0, MaxFilesPerFolder)) {
            if (templates.size() >= MaxTemplates) {
                catalogue.FProblems << QStringLiteral("%1: not read: more than %2 templates")
                                           .arg(dir.filePath(name))
                                           .arg(MaxTemplates);
                continue;
            }
            QFile device(dir.filePath(name));
            if (!device.open(QIODevice::ReadOnly)) {
                catalogue.FProblems
                    << QStringLiteral("%1: %2").arg(device.fileName(), device.errorString());
                continue;
            }
            TLabelTemplateFile file = ReadLabelTemplateFile(device, device.fileName());
            catalogue.FProblems << file.Problems;
            std::move(file.Templates.begin(), file.Templates.end(), std::back_inserter(templates));
            file.PaperSizes.merge(papers);
            papers = std::move(file.PaperSizes);
        }
        if (names.size() > MaxFilesPerFolder)
            catalogue.FProblems << QStringLiteral("%1: only the first %2 files read")
                                       .arg(folder)
                                       .arg(MaxFilesPerFolder);
    }

    // A later template of the same product replaces an earlier one.
    std::map<std::pair<QString, QString>, const TLabelTemplate*> byName;
    for (const TLabelTemplate& product : templates)
        byName[ProductKey(product.Brand, product.Part)] = &product;
    for (const auto& [key, product] : byName) {
        TLabelProduct made{product->Brand, product->Part, product->Description, {}, {}, {}, {}};
        const TLabelTemplate* geometry = product;
        if (!product->Equiv.isEmpty()) {
            const auto same = byName.find(ProductKey(product->Brand, product->Equiv));
            if (same == byName.end() || !same->second->Equiv.isEmpty()) {
                catalogue.FProblems
                    << QStringLiteral("%1: %2 is the same as %3 %4, which is not "
                                      "described")
                           .arg(product->Where, made.Name(), product->Brand, product->Equiv);
                continue;
            }
            geometry = same->second;
            made.SameAs = same->second->Brand + QLatin1Char(' ') + same->second->Part;
            if (made.Description.isEmpty())
                made.Description = geometry->Description;
        }
        const bool other = geometry->PaperId == QLatin1String("Other");
        const auto paper = papers.find(geometry->PaperId);
        if (!other && paper == papers.end()) {
            catalogue.FProblems << QStringLiteral(
                                       "%1: %2 is on paper \"%3\", which is not described")
                                       .arg(geometry->Where, made.Name(), geometry->PaperId);
            continue;
        }
        const QSizeF size = other ? geometry->Paper : paper->second;
        made.PaperName = other ? Millimetres(size) : geometry->PaperId;
        made.Unsupported = MakeSheet(*geometry, size, made);
        catalogue.FProducts.push_back(std::move(made));
    }
    std::sort(catalogue.FProducts.begin(), catalogue.FProducts.end(),
              [](const TLabelProduct& a, const TLabelProduct& b) {
                  const int brand = a.Brand.compare(b.Brand, Qt::CaseInsensitive);
                  return brand != 0 ? brand < 0 : a.Part.compare(b.Part, Qt::CaseInsensitive) < 0;
              });
    return catalogue;
}

TLabelProductLookup TLabelProductCatalogue::Find(const QString& name) const
{
    const QString key = Key(name);
    std::vector<const TLabelProduct*> found;
    for (const TLabelProduct& product : FProducts)
        if (!key.isEmpty() && Key(product.Name()) == key)
            found.push_back(&product);
    if (found.empty())
        for (const TLabelProduct& product : FProducts)
            if (!key.isEmpty() && Key(product.Part) == key)
                found.push_back(&product);
    if (found.empty())
        return {nullptr, QStringLiteral("no label product is named \"%1\"").arg(name.trimmed()),
                true};
    if (found.size() > 1) {
        QStringList names;
        for (std::size_t i = 0; i < found.size() && i < std::size_t(MaxCandidatesNamed); ++i)
            names << found[i]->Name();
        if (found.size() > std::size_t(MaxCandidatesNamed))
            names << QStringLiteral("%1 more").arg(found.size() - MaxCandidatesNamed);
        return {nullptr, QStringLiteral("\"%1\" names %2 label products: %3; add the brand")
                             .arg(name.trimmed())
                             .arg(found.size())
                             .arg(names.join(QStringLiteral(", ")))};
    }
    const TLabelProduct* product = found.front();
    if (!product->Sheet)
        return {
            nullptr,
            QStringLiteral("%1 cannot be filled: %2").arg(product->Name(), product->Unsupported)};
    return {product, {}};
}

std::vector<const TLabelProduct*> TLabelProductCatalogue::Matching(const QStringList& words) const
{
    std::vector<const TLabelProduct*> matching;
    for (const TLabelProduct& product : FProducts) {
        const QString text =
            QStringList{product.Name(), product.Description, product.SameAs}.join(QLatin1Char(' '));
        const bool all = std::all_of(words.begin(), words.end(), [&](const QString& word) {
            return text.contains(word, Qt::CaseInsensitive) ||
                   Key(product.Name()).contains(Key(word));
        });
        if (all)
            matching.push_back(&product);
    }
    return matching;
}

QStringList LabelProductFolders()
{
    return {QStringLiteral("/usr/share/libglabels-3.0/templates"),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                QStringLiteral("/libglabels/templates")};
}

const TLabelProductCatalogue& InstalledLabelProducts()
{
    static const TLabelProductCatalogue catalogue =
        TLabelProductCatalogue::Load(LabelProductFolders());
    return catalogue;
}
