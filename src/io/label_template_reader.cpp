#include "io/label_template_reader.h"

#include "render/physical_units.h"

#include <QIODevice>
#include <QLocale>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace {
// Nothing on a sheet is larger than the largest PDF page.
constexpr double MaxLength = 14400 * MillimetresPerInch / PointsPerInch;
constexpr int MaxLabelsPerSide = 500;
constexpr int MaxLayouts = 16;
constexpr int MaxNameLength = 200;

struct TUnit
{
    const char* Suffix;
    double Millimetres;
};
// A length without a unit is in points.
constexpr TUnit Units[] = {
    {"pt", MillimetresPerInch / PointsPerInch},
    {"in", MillimetresPerInch},
    {"mm", 1},
    {"cm", 10},
    {"pc", 12 * MillimetresPerInch / PointsPerInch},
};

// Reads the attributes of one element; the first value that does not read is kept as the
// problem, so that the element is read to its end either way.
class TAttributeReader
{
public:
    TAttributeReader(const QXmlStreamReader& reader, QString& problem)
        : FAttributes(reader.attributes()), FElement(reader.name().toString()), FProblem(problem)
    {}

    QString Text(const char* name, bool required = false) const
    {
        const QString value = FAttributes.value(QLatin1String(name)).toString().trimmed();
        if (value.isEmpty() && required)
            Fail(QStringLiteral("<%1> has no %2").arg(FElement, QLatin1String(name)));
        else if (value.size() > MaxNameLength)
            Fail(QStringLiteral("<%1> has a %2 longer than %3 characters")
                     .arg(FElement, QLatin1String(name))
                     .arg(MaxNameLength));
        return value.left(MaxNameLength);
    }

    double Length(const char* name, bool required = true) const
    {
        const QString text = Text(name);
        if (text.isEmpty()) {
            if (required)
                Fail(QStringLiteral("<%1> has no %2").arg(FElement, QLatin1String(name)));
            return 0;
        }
        QStringView number = text;
        double unit = Units[0].Millimetres;
        for (const TUnit& candidate : Units)
            if (text.endsWith(QLatin1String(candidate.Suffix), Qt::CaseInsensitive)) {
                number.chop(2);
                unit = candidate.Millimetres;
            }
        bool ok = false;
        const double value = QLocale::c().toDouble(number.trimmed(), &ok) * unit;
        if (!ok || !std::isfinite(value) || value < 0 || value > MaxLength) {
            Fail(QStringLiteral("<%1> %2=\"%3\" is not a length from 0 to %4 mm")
                     .arg(FElement, QLatin1String(name), text)
                     .arg(MaxLength, 0, 'f', 0));
            return 0;
        }
        return value;
    }

    int Count(const char* name) const
    {
        bool ok = false;
        const int value = FAttributes.value(QLatin1String(name)).toInt(&ok);
        if (!ok || value < 1 || value > MaxLabelsPerSide) {
            Fail(QStringLiteral("<%1> %2 is not a whole number from 1 to %3")
                     .arg(FElement, QLatin1String(name))
                     .arg(MaxLabelsPerSide));
            return 1;
        }
        return value;
    }

private:
    void Fail(const QString& message) const
    {
        if (FProblem.isEmpty())
            FProblem = message;
    }

    QXmlStreamAttributes FAttributes;
    QString FElement;
    QString& FProblem;
};

struct TShapeElement
{
    const char* Name;
    TLabelShape Shape;
};
constexpr TShapeElement ShapeElements[] = {
    {"Label-rectangle", TLabelShape::lsRectangle},
    {"Label-round", TLabelShape::lsRound},
    {"Label-ellipse", TLabelShape::lsEllipse},
    {"Label-cd", TLabelShape::lsCd},
};

// The lengths a label element may give and nothing reads: the margin printers bleed into.
void ReadWaste(const TAttributeReader& attributes)
{
    for (const char* name : {"waste", "x_waste", "y_waste"})
        attributes.Length(name, false);
}

void ReadLabelElement(QXmlStreamReader& reader, TLabelShape shape, TLabelTemplate& product,
                      QString& problem)
{
    const TAttributeReader attributes(reader, problem);
    product.Outline = {shape};
    ++product.Shapes;
    switch (shape) {
    case TLabelShape::lsRectangle:
        product.Outline.CornerRadius = attributes.Length("round", false);
        [[fallthrough]];
    case TLabelShape::lsEllipse:
        product.Label = {attributes.Length("width"), attributes.Length("height")};
        break;
    case TLabelShape::lsRound: {
        const double diameter = 2 * attributes.Length("radius");
        product.Label = {diameter, diameter};
        break;
    }
    case TLabelShape::lsCd: {
        product.Outline.Radius = attributes.Length("radius");
        product.Outline.HoleRadius = attributes.Length("hole");
        const double diameter = 2 * product.Outline.Radius;
        // A CD label may be cut straight at the sides or ends.
        const double width = attributes.Length("width", false);
        const double height = attributes.Length("height", false);
        product.Label = {width > 0 ? std::min(width, diameter) : diameter,
                         height > 0 ? std::min(height, diameter) : diameter};
        if (problem.isEmpty() && 2 * product.Outline.HoleRadius >=
                                     std::min(product.Label.width(), product.Label.height()))
            problem = QStringLiteral("<Label-cd> has a hole as large as the label");
        break;
    }
    }
    ReadWaste(attributes);
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Layout") && product.Layouts.size() < MaxLayouts) {
            const TAttributeReader layout(reader, problem);
            product.Layouts.push_back({layout.Count("nx"), layout.Count("ny"),
                                       layout.Length("x0", false), layout.Length("y0", false),
                                       layout.Length("dx", false), layout.Length("dy", false)});
        } else if (reader.name() == QLatin1String("Layout")) {
            problem = QStringLiteral("more than %1 layouts").arg(MaxLayouts);
        }
        reader.skipCurrentElement();
    }
}

void ReadTemplate(QXmlStreamReader& reader, const QString& name, TLabelTemplateFile& file)
{
    QString problem;
    TLabelTemplate product;
    product.Where = QStringLiteral("%1:%2").arg(name).arg(reader.lineNumber());
    const TAttributeReader attributes(reader, problem);
    product.Brand = attributes.Text("brand", true);
    product.Part = attributes.Text("part", true);
    product.Equiv = attributes.Text("equiv");
    product.Description = attributes.Text("_description");
    if (product.Description.isEmpty())
        product.Description = attributes.Text("description");
    if (product.Equiv.isEmpty()) {
        product.PaperId = attributes.Text("size", true);
        if (product.PaperId == QLatin1String("Other"))
            product.Paper = {attributes.Length("width"), attributes.Length("height")};
    }
    while (reader.readNextStartElement()) {
        const auto shape = std::find_if(std::begin(ShapeElements), std::end(ShapeElements),
                                        [&](const TShapeElement& element) {
                                            return reader.name() == QLatin1String(element.Name);
                                        });
        if (shape != std::end(ShapeElements)) {
            ReadLabelElement(reader, shape->Shape, product, problem);
        } else {
            if (reader.name().startsWith(QLatin1String("Label-"))) {
                // An outline drawn as a path, or one of a later kind.
                ++product.Shapes;
                product.Unsupported =
                    QStringLiteral("its labels are <%1>; only rectangular, round, oval and CD "
                                   "labels can be filled")
                        .arg(reader.name().left(MaxNameLength));
            }
            reader.skipCurrentElement();
        }
    }
    if (product.Equiv.isEmpty() && problem.isEmpty() && product.Shapes == 0)
        problem = QStringLiteral("no label shape");
    if (!problem.isEmpty())
        file.Problems << QStringLiteral("%1: %2 %3 skipped: %4")
                             .arg(product.Where, product.Brand, product.Part, problem);
    else
        file.Templates.push_back(std::move(product));
}

void ReadPaperSize(QXmlStreamReader& reader, TLabelTemplateFile& file)
{
    QString problem;
    const TAttributeReader attributes(reader, problem);
    const QString id = attributes.Text("id", true);
    const QSizeF size{attributes.Length("width"), attributes.Length("height")};
    if (problem.isEmpty())
        file.PaperSizes[id] = size;
    else
        file.Problems << QStringLiteral("paper size %1 skipped: %2").arg(id, problem);
    reader.skipCurrentElement();
}
} // namespace

TLabelTemplateFile ReadLabelTemplateFile(QIODevice& device, const QString& name)
{
    TLabelTemplateFile file;
    if (device.size() > MaxLabelTemplateFileBytes) {
        file.Problems << QStringLiteral("%1: larger than %2 MB, not read")
                             .arg(name)
                             .arg(MaxLabelTemplateFileBytes / (1024 * 1024));
        return file;
    }
    QXmlStreamReader reader(&device);
    if (reader.readNextStartElement()) {
        while (reader.readNextStartElement()) {
            if (reader.name() == QLatin1String("Template"))
                ReadTemplate(reader, name, file);
            else if (reader.name() == QLatin1String("Paper-size"))
                ReadPaperSize(reader, file);
            else
                reader.skipCurrentElement();
        }
    }
    if (reader.hasError()) {
        // A file cut short or garbled is not trusted at all.
        file = {};
        file.Problems << QStringLiteral("%1:%2: not read: %3")
                             .arg(name)
                             .arg(reader.lineNumber())
                             .arg(reader.errorString());
    }
    return file;
}
