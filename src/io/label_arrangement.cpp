#include "io/label_arrangement.h"

#include "render/physical_units.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace {
// Labels are cut and printed a little off; glabels' products keep about this much clear.
constexpr double PaddingMm = 1.5;
constexpr double GapMm = 1;
// Below the symbol, the lines take at most this share of the label's height.
constexpr double BelowShare = 0.5;
// Right of the symbol, the lines take at most this share of the label's width.
constexpr double RightShare = 0.5;

int Dots(double millimetres, int dpi)
{
    return int(std::lround(millimetres * dpi / MillimetresPerInch));
}

int PointsToDots(double points, int dpi)
{
    return std::max(1, int(std::lround(points * dpi / PointsPerInch)));
}

double Offset(double room, int alignment)
{
    // Left/top, centre, right/bottom in the order of both alignment enumerations.
    return std::floor(std::max(room, 0.0) * alignment / 2);
}

double LineHeight(const QFont& family, int pixelSize)
{
    return std::ceil(QFontMetricsF(LabelTextFont(family, pixelSize)).height());
}
} // namespace

TLabelArranger::TLabelArranger(const TLabelText& text, int dpi)
    : FText(text), FDpi(dpi), FPadding(Dots(PaddingMm, dpi)), FGap(Dots(GapMm, dpi))
{}

QRect TLabelArranger::Content(const QRect& label) const
{
    const int padding = std::min({FPadding, label.width() / 4, label.height() / 4});
    return label.adjusted(padding, padding, -padding, -padding);
}

TLabelArranger::TLineSizes TLabelArranger::SizeLines(const QRect& content) const
{
    TLineSizes sizes;
    const std::size_t count = FText.Lines.size();
    if (count == 0)
        return sizes;
    const double room =
        content.height() * (FText.Layout == TLabelTextLayout::ltlBelow ? BelowShare : 1.0);
    double asked = 0;
    for (const TLabelTextLine& line : FText.Lines) {
        sizes.Pixels.push_back(PointsToDots(line.SizePt, FDpi));
        asked += LineHeight(FText.Font, sizes.Pixels.back());
    }
    // Too tall together: all smaller alike, none below the minimum.
    const double factor = std::min(1.0, room / asked);
    for (std::size_t i = 0; i < count; ++i) {
        const int least = std::min(sizes.Pixels[i], PointsToDots(MinLabelTextPt, FDpi));
        sizes.Pixels[i] = std::max(least, int(std::floor(sizes.Pixels[i] * factor)));
        sizes.Heights.push_back(LineHeight(FText.Font, sizes.Pixels[i]));
    }
    while (sizes.Kept < count && sizes.Height + sizes.Heights[sizes.Kept] <= room)
        sizes.Height += sizes.Heights[sizes.Kept++];
    return sizes;
}

double TLabelArranger::TextColumnWidth(const QRect& content, const QStringList& texts,
                                       const TLineSizes& sizes) const
{
    double widest = 0;
    for (std::size_t i = 0; i < sizes.Kept; ++i)
        widest = std::max(widest, std::ceil(TextWidth(LabelTextFont(FText.Font, sizes.Pixels[i]),
                                                      texts[int(i)])));
    return std::min(widest, std::floor(content.width() * RightShare));
}

QSize TLabelArranger::SymbolRoom(const QRect& content, const QStringList& texts) const
{
    const TLineSizes sizes = SizeLines(content);
    if (FText.Layout == TLabelTextLayout::ltlBelow)
        return {content.width(), std::max(0, content.height() - int(sizes.Height) - Gap(sizes))};
    return {std::max(0, content.width() - int(TextColumnWidth(content, texts, sizes)) - Gap(sizes)),
            content.height()};
}

TLabelArrangement TLabelArranger::Arrange(const QRect& content, QSize picture,
                                          const QStringList& texts, TZintHAlign hAlign,
                                          TZintVAlign vAlign) const
{
    const TLineSizes sizes = SizeLines(content);
    const QSize room = SymbolRoom(content, texts);
    TLabelArrangement arranged;
    arranged.SymbolScale = std::min(
        {1.0, double(room.width()) / picture.width(), double(room.height()) / picture.height()});
    const QSizeF drawn = QSizeF(picture) * arranged.SymbolScale;
    const int gap = Gap(sizes);
    QPointF linesAt;
    double lineWidth = 0;
    if (FText.Layout == TLabelTextLayout::ltlBelow) {
        const double group = drawn.height() + gap + sizes.Height;
        const double top = content.top() + Offset(content.height() - group, int(vAlign));
        arranged.SymbolTopLeft = {
            content.left() + Offset(content.width() - drawn.width(), int(hAlign)), top};
        linesAt = {double(content.left()), std::ceil(top + drawn.height()) + gap};
        lineWidth = content.width();
    } else {
        lineWidth = std::min(TextColumnWidth(content, texts, sizes),
                             std::floor(content.width() - drawn.width() - gap));
        const double group = drawn.width() + gap + lineWidth;
        const double left = content.left() + Offset(content.width() - group, int(hAlign));
        arranged.SymbolTopLeft = {left, content.top() +
                                            Offset(content.height() - drawn.height(), int(vAlign))};
        linesAt = {std::ceil(left + drawn.width()) + gap,
                   content.top() + Offset(content.height() - sizes.Height, int(vAlign))};
    }
    const int minPixels = PointsToDots(MinLabelTextPt, FDpi);
    for (std::size_t i = 0; i < FText.Lines.size(); ++i) {
        const int number = int(i) + 1;
        if (i >= sizes.Kept) {
            arranged.TextCut = true;
            arranged.Notes
                << QStringLiteral("text line %1 left out: no room on the label").arg(number);
            continue;
        }
        TPlacedLine placed;
        placed.Align = FText.Lines[i].Align;
        placed.Box = QRectF(linesAt, QSizeF(lineWidth, sizes.Heights[i]));
        placed.Line = FitTextLine(texts[int(i)], FText.Font, sizes.Pixels[i],
                                  std::min(minPixels, sizes.Pixels[i]), lineWidth);
        // Smaller than asked to leave the symbol room counts as shrunk too.
        const int asked = PointsToDots(FText.Lines[i].SizePt, FDpi);
        const double points = placed.Line.PixelSize * PointsPerInch / FDpi;
        if (placed.Line.Cut) {
            arranged.TextCut = true;
            arranged.Notes << QStringLiteral("text line %1 cut to fit the label: \"%2\"")
                                  .arg(number)
                                  .arg(placed.Line.Shown);
        } else if (placed.Line.PixelSize < asked) {
            arranged.TextShrunk = true;
            arranged.Notes << QStringLiteral("text line %1 set at %2 pt to fit the label")
                                  .arg(number)
                                  .arg(points, 0, 'f', 1);
        }
        linesAt.ry() += sizes.Heights[i];
        arranged.Lines.push_back(std::move(placed));
    }
    return arranged;
}
