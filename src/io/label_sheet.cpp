#include "io/label_sheet.h"

#include "io/label_products.h"

#include "render/length_text.h"
#include "render/physical_units.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>

namespace {
constexpr QSizeF A4{210, 297};
constexpr QSizeF Letter{8.5 * MillimetresPerInch, 11 * MillimetresPerInch};
// A PDF page is 3 to 14,400 points on each side.
constexpr double MinPageSide = 3 * MillimetresPerInch / PointsPerInch;
constexpr double MaxPageSide = 14400 * MillimetresPerInch / PointsPerInch;
constexpr int MaxLabelsPerSide = 500;
// Lengths read from decimals may add up a hair over the page they fill exactly.
constexpr double FitTolerance = 1e-9;

constexpr double Inches(double inches)
{
    return inches * MillimetresPerInch;
}

const QString NotASheet = QStringLiteral(
    "; expected a preset (a4-3x8, letter-3x10), a label product such as \"Avery 5160\" or "
    "PAGE,COLSxROWS,LABELWxH,MARGINS,GAPS in mm");

struct TSyntaxError
{
    QString Message;
};

double ReadSheetLength(const QString& text, const char* what, bool zeroAllowed)
{
    const TLengthRules rules{LengthUnitBit(TLengthUnit::luMillimetres), TLengthUnit::luMillimetres,
                             zeroAllowed, 0, MaxPageSide};
    const TLengthReading reading = ReadLength(text, QLocale::c(), rules);
    if (!reading.Length)
        throw TSyntaxError{
            QStringLiteral("%1 \"%2\": %3").arg(QLatin1String(what), text, reading.Error)};
    return reading.Length->Value;
}

// "WxH", both lengths.
QSizeF ReadSize(const QString& text, const char* what, bool zeroAllowed)
{
    const QStringList parts = text.split(QLatin1Char('x'), Qt::KeepEmptyParts, Qt::CaseInsensitive);
    if (parts.size() != 2)
        throw TSyntaxError{QStringLiteral("%1 \"%2\" is not WxH").arg(QLatin1String(what), text)};
    return {ReadSheetLength(parts[0], what, zeroAllowed),
            ReadSheetLength(parts[1], what, zeroAllowed)};
}

QString Millimetres(double length)
{
    return QString::number(length, 'f', 2) + QStringLiteral(" mm");
}

QSizeF ReadPage(const QString& text)
{
    if (text.compare(QLatin1String("a4"), Qt::CaseInsensitive) == 0)
        return A4;
    if (text.compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0)
        return Letter;
    const QSizeF page = ReadSize(text, "page", false);
    if (page.width() < MinPageSide || page.height() < MinPageSide)
        throw TSyntaxError{QStringLiteral("page \"%1\" is smaller than the %2 a PDF page needs")
                               .arg(text, Millimetres(MinPageSide))};
    return page;
}

int ReadCount(const QString& text)
{
    bool ok = false;
    const int count = text.trimmed().toInt(&ok);
    if (!ok || count < 1 || count > MaxLabelsPerSide)
        throw TSyntaxError{QStringLiteral("label count \"%1\" is not a whole number from 1 to %2")
                               .arg(text)
                               .arg(MaxLabelsPerSide)};
    return count;
}

QMarginsF ReadMargins(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() == 1) {
        const double all = ReadSheetLength(parts[0], "margin", true);
        return {all, all, all, all};
    }
    if (parts.size() != 4)
        throw TSyntaxError{
            QStringLiteral("margins \"%1\" are neither one length nor TOP:RIGHT:BOTTOM:LEFT")
                .arg(text)};
    const double top = ReadSheetLength(parts[0], "margin", true);
    const double right = ReadSheetLength(parts[1], "margin", true);
    const double bottom = ReadSheetLength(parts[2], "margin", true);
    const double left = ReadSheetLength(parts[3], "margin", true);
    return {left, top, right, bottom};
}

QSizeF ReadGaps(const QString& text)
{
    if (!text.contains(QLatin1Char('x'), Qt::CaseInsensitive)) {
        const double both = ReadSheetLength(text, "gap", true);
        return {both, both};
    }
    return ReadSize(text, "gap", true);
}

void CheckFits(const TLabelSheet& sheet)
{
    if (const QString misfit = LabelSheetMisfit(sheet); !misfit.isEmpty())
        throw TSyntaxError{misfit};
}

TLabelGrid FirstGrid(const TLabelSheet& sheet)
{
    return {sheet.Columns,
            sheet.Rows,
            {sheet.Margins.left(), sheet.Margins.top()},
            sheet.Label + sheet.Gap};
}

QRectF GridLabel(const TLabelGrid& grid, QSizeF label, int index)
{
    return {grid.TopLeft + QPointF(index % grid.Columns * grid.Pitch.width(),
                                   index / grid.Columns * grid.Pitch.height()),
            label};
}

QRectF GridBounds(const TLabelGrid& grid, QSizeF label)
{
    return GridLabel(grid, label, 0) | GridLabel(grid, label, grid.Columns * grid.Rows - 1);
}

TLabelSheet ReadCustomSheet(const QString& text)
{
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() != 5)
        throw TSyntaxError{NotASheet.mid(2)};
    TLabelSheet sheet;
    sheet.Page = ReadPage(fields[0]);
    const QStringList counts =
        fields[1].split(QLatin1Char('x'), Qt::KeepEmptyParts, Qt::CaseInsensitive);
    if (counts.size() != 2)
        throw TSyntaxError{QStringLiteral("labels \"%1\" are not COLSxROWS").arg(fields[1])};
    sheet.Columns = ReadCount(counts[0]);
    sheet.Rows = ReadCount(counts[1]);
    sheet.Label = ReadSize(fields[2], "label", false);
    sheet.Margins = ReadMargins(fields[3]);
    sheet.Gap = ReadGaps(fields[4]);
    CheckFits(sheet);
    return sheet;
}
} // namespace

const std::array<TLabelSheetPreset, 2> LabelSheetPresets{{
    // 3 x 70 mm fill the width; eight rows fill the height but for 1 mm, split above and
    // below.
    {"a4-3x8", {A4, 3, 8, {70, (A4.height() - 1) / 8}, {0, 0.5, 0, 0.5}, {0, 0}, {}, {}}},
    {"letter-3x10",
     {Letter,
      3,
      10,
      {Inches(2.625), Inches(1)},
      {Inches(0.1875), Inches(0.5), Inches(0.1875), Inches(0.5)},
      {Inches(0.125), 0},
      {},
      {}}},
}};

QString LabelSheetMisfit(const TLabelSheet& sheet)
{
    if (sheet.Gap.width() < 0 || sheet.Gap.height() < 0)
        return QStringLiteral("the labels overlap");
    // A margin below zero is a label reaching beyond the page's edge.
    const auto margin = [](double length) { return std::max(length, 0.0); };
    const double across = margin(sheet.Margins.left()) + sheet.Columns * sheet.Label.width() +
                          (sheet.Columns - 1) * sheet.Gap.width() + margin(sheet.Margins.right());
    const double down = margin(sheet.Margins.top()) + sheet.Rows * sheet.Label.height() +
                        (sheet.Rows - 1) * sheet.Gap.height() + margin(sheet.Margins.bottom());
    if (across > sheet.Page.width() + FitTolerance)
        return QStringLiteral("the labels and margins need %1 across, the page is %2")
            .arg(Millimetres(across), Millimetres(sheet.Page.width()));
    if (down > sheet.Page.height() + FitTolerance)
        return QStringLiteral("the labels and margins need %1 down, the page is %2")
            .arg(Millimetres(down), Millimetres(sheet.Page.height()));
    for (std::size_t i = 0; i < sheet.MoreGrids.size(); ++i) {
        const TLabelGrid& grid = sheet.MoreGrids[i];
        if ((grid.Columns > 1 && grid.Pitch.width() < sheet.Label.width() - FitTolerance) ||
            (grid.Rows > 1 && grid.Pitch.height() < sheet.Label.height() - FitTolerance))
            return QStringLiteral("the labels of grid %1 overlap").arg(i + 2);
        const QRectF labels = GridBounds(grid, sheet.Label);
        if (labels.left() < 0 || labels.top() < 0 ||
            labels.right() > sheet.Page.width() + FitTolerance ||
            labels.bottom() > sheet.Page.height() + FitTolerance)
            return QStringLiteral("the labels of grid %1 reach beyond the page").arg(i + 2);
    }
    return {};
}

int TLabelSheet::LabelsPerPage() const
{
    int labels = Columns * Rows;
    for (const TLabelGrid& grid : MoreGrids)
        labels += grid.Columns * grid.Rows;
    return labels;
}

QRectF TLabelSheet::LabelRect(int index) const
{
    index %= LabelsPerPage();
    if (index < Columns * Rows)
        return GridLabel(FirstGrid(*this), Label, index);
    index -= Columns * Rows;
    for (const TLabelGrid& grid : MoreGrids) {
        if (index < grid.Columns * grid.Rows)
            return GridLabel(grid, Label, index);
        index -= grid.Columns * grid.Rows;
    }
    return {};
}

bool LabelsNearPaperEdge(const TLabelSheet& sheet)
{
    QRectF labels = GridBounds(FirstGrid(sheet), sheet.Label);
    for (const TLabelGrid& grid : sheet.MoreGrids)
        labels |= GridBounds(grid, sheet.Label);
    return labels.left() < UnprintableEdge || labels.top() < UnprintableEdge ||
           sheet.Page.width() - labels.right() < UnprintableEdge ||
           sheet.Page.height() - labels.bottom() < UnprintableEdge;
}

QString LabelSheetText(const TLabelSheet& sheet)
{
    const auto length = [](double millimetres) { return QString::number(millimetres, 'g', 12); };
    const auto size = [&](QSizeF size) {
        return length(size.width()) + QLatin1Char('x') + length(size.height());
    };
    return QStringList{size(sheet.Page), QStringLiteral("%1x%2").arg(sheet.Columns).arg(sheet.Rows),
                       size(sheet.Label),
                       QStringList{length(sheet.Margins.top()), length(sheet.Margins.right()),
                                   length(sheet.Margins.bottom()), length(sheet.Margins.left())}
                           .join(QLatin1Char(':')),
                       size(sheet.Gap)}
        .join(QLatin1Char(','));
}

TLabelSheetReading ReadLabelSheet(const QString& text)
{
    QString compact = text;
    compact.remove(QLatin1Char(' '));
    for (const TLabelSheetPreset& preset : LabelSheetPresets)
        if (compact.compare(QLatin1String(preset.Name), Qt::CaseInsensitive) == 0)
            return {preset.Sheet, {}};
    if (!compact.contains(QLatin1Char(','))) {
        const TLabelProductLookup product = InstalledLabelProducts().Find(text);
        if (product.Product)
            return {product.Product->Sheet, {}};
        return {std::nullopt, product.Unknown ? product.Error + NotASheet : product.Error};
    }
    try {
        return {ReadCustomSheet(compact), {}};
    } catch (const TSyntaxError& error) {
        return {std::nullopt, error.Message};
    }
}
