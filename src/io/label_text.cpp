#include "io/label_text.h"

#include <QFontMetricsF>

#include <cmath>
#include <iterator>

namespace {
constexpr TSettingName<TLabelTextLayout> LabelTextLayouts[] = {
    {TLabelTextLayout::ltlBelow, "below", "Below the symbol"},
    {TLabelTextLayout::ltlRight, "right", "Right of the symbol"}};
} // namespace

const TSettingNames<TLabelTextLayout> LabelTextLayoutNames{LabelTextLayouts,
                                                           std::size(LabelTextLayouts)};

TLabelText ReadLabelTextRows(const TLabelTextRows& rows, const QFont& font)
{
    TLabelText text;
    text.Layout = rows.Layout;
    text.Font = font;
    for (const TLabelTextRow& row : rows.Rows)
        if (!row.Template.isEmpty())
            text.Lines.push_back({TNameTemplate::Parse(row.Template), row.SizePt, row.Align});
    return text;
}

QStringList ExpandLabelText(const TLabelText& text, const TNameFields& fields)
{
    QStringList lines;
    for (const TLabelTextLine& line : text.Lines)
        lines << line.Template.Expand(fields);
    return lines;
}

QFont LabelTextFont(const QFont& family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(std::max(pixelSize, 1));
    // Measured as the PDF will draw it, not as a screen would hint it.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

double TextWidth(const QFont& font, const QString& text)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

TFittedLine FitTextLine(const QString& text, const QFont& family, int pixelSize, int minPixelSize,
                        double width)
{
    TFittedLine fitted{text, pixelSize, false, false};
    const double natural = TextWidth(LabelTextFont(family, pixelSize), text);
    if (natural <= width)
        return fitted;
    fitted.Shrunk = true;
    // Widths grow with the size nearly in proportion; the check below catches the rest.
    for (int size = int(std::floor(pixelSize * width / natural)); size >= minPixelSize; --size) {
        if (size >= pixelSize)
            continue;
        if (TextWidth(LabelTextFont(family, size), text) <= width) {
            fitted.PixelSize = size;
            return fitted;
        }
    }
    fitted.PixelSize = std::min(minPixelSize, pixelSize);
    fitted.Cut = true;
    const QFont font = LabelTextFont(family, fitted.PixelSize);
    fitted.Shown = QFontMetricsF(font).elidedText(text, Qt::ElideRight, width);
    // Too narrow for even the ellipsis: nothing is drawn rather than something outside.
    if (TextWidth(font, fitted.Shown) > width)
        fitted.Shown.clear();
    return fitted;
}
