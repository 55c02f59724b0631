#include "io/label_arrangement.h"

#include <gtest/gtest.h>

namespace {
TLabelText Lines(TLabelTextLayout layout, const std::vector<double>& sizes)
{
    TLabelText text;
    text.Layout = layout;
    text.Font = QFont(QStringLiteral("Liberation Sans"));
    for (double size : sizes)
        text.Lines.push_back(
            {TNameTemplate::Parse(QStringLiteral("{text}")), size, TZintHAlign::haCenter});
    return text;
}
} // namespace

// Whatever the texts, the symbol and every line stay inside the label's content, none over
// another; a line too wide is set smaller or cut, says so, and what is drawn fits its box.
TEST(LabelArrangement, SymbolAndLinesStayInsideTheLabelApart)
{
    const QString longText = QStringLiteral("An extraordinarily long product name, far wider "
                                            "than any label it is printed on");
    const struct
    {
        TLabelTextLayout Layout;
        std::vector<double> Sizes;
        QStringList Texts;
        QSize Picture;
        bool Shrunk;
        bool Cut;
        QRect Label = {47, 150, 788, 300}; // Avery 5160's 2.625 x 1 in at 300 dpi
    } cases[] = {
        {TLabelTextLayout::ltlBelow,
         {9, 8},
         {QStringLiteral("Widget"), QStringLiteral("EUR 3.10")},
         {200, 120},
         false,
         false},
        {TLabelTextLayout::ltlBelow,
         {12},
         {QStringLiteral("A name a little too wide for this label, is it not")},
         {200, 120},
         true,
         false},
        {TLabelTextLayout::ltlBelow,
         {9, 9},
         {longText, QStringLiteral("EUR 3.10")},
         {200, 120},
         true,
         true},
        {TLabelTextLayout::ltlRight,
         {9, 8},
         {QStringLiteral("Widget"), QStringLiteral("EUR 3.10")},
         {200, 120},
         false,
         false},
        {TLabelTextLayout::ltlRight, {12}, {longText}, {150, 150}, true, true},
        // A symbol larger than the room the text leaves it is drawn smaller, not under it.
        {TLabelTextLayout::ltlBelow,
         {9, 9},
         {QStringLiteral("x"), QStringLiteral("y")},
         {900, 500},
         false,
         false},
        // Four tall lines: smaller together, and those that still find no room left out.
        {TLabelTextLayout::ltlBelow,
         {40, 40, 40, 40},
         {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")},
         {100, 100},
         true,
         true,
         {0, 0, 400, 120}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Texts.join(QLatin1Char('|')).toStdString());
        const TLabelText text = Lines(c.Layout, c.Sizes);
        const TLabelArranger arranger(text, 300);
        const QRect content = arranger.Content(c.Label);
        ASSERT_TRUE(c.Label.contains(content) && content.width() < c.Label.width());
        const TLabelArrangement arranged = arranger.Arrange(
            content, c.Picture, c.Texts, TZintHAlign::haCenter, TZintVAlign::vaCenter);
        EXPECT_EQ(arranged.TextShrunk || arranged.TextCut, c.Shrunk);
        EXPECT_EQ(arranged.TextCut, c.Cut);
        EXPECT_EQ(arranged.Notes.isEmpty(), !c.Shrunk && !c.Cut);
        const QRectF symbol(arranged.SymbolTopLeft, QSizeF(c.Picture) * arranged.SymbolScale);
        EXPECT_EQ(arranged.SymbolTopLeft, QPointF(arranged.SymbolTopLeft.toPoint()));
        EXPECT_TRUE(QRectF(content).contains(symbol));
        EXPECT_LE(symbol.width(), arranger.SymbolRoom(content, c.Texts).width() + 1e-9);
        for (std::size_t i = 0; i < arranged.Lines.size(); ++i) {
            const TPlacedLine& line = arranged.Lines[i];
            EXPECT_TRUE(QRectF(content).contains(line.Box)) << i;
            EXPECT_FALSE(line.Box.intersects(symbol)) << i;
            for (std::size_t j = i + 1; j < arranged.Lines.size(); ++j)
                EXPECT_FALSE(line.Box.intersects(arranged.Lines[j].Box)) << i << " " << j;
            EXPECT_LE(TextWidth(LabelTextFont(text.Font, line.Line.PixelSize), line.Line.Shown),
                      line.Box.width());
            if (line.Line.Cut)
                EXPECT_TRUE(line.Line.Shown.endsWith(QChar(0x2026)) &&
                            c.Texts[int(i)].startsWith(line.Line.Shown.chopped(1)));
            else
                EXPECT_EQ(line.Line.Shown, c.Texts[int(i)]);
        }
    }
}

// Shrinking stops at the minimum size; only then is the text cut.
TEST(LabelArrangement, TextIsShrunkToTheMinimumBeforeItIsCut)
{
    const QFont font(QStringLiteral("Liberation Sans"));
    const QString text = QStringLiteral("Twelve words");
    const double natural = TextWidth(LabelTextFont(font, 40), text);
    const TFittedLine fits = FitTextLine(text, font, 40, 25, natural + 1);
    EXPECT_FALSE(fits.Shrunk || fits.Cut);
    const TFittedLine smaller = FitTextLine(text, font, 40, 25, natural * 0.8);
    EXPECT_TRUE(smaller.Shrunk && !smaller.Cut);
    EXPECT_GE(smaller.PixelSize, 25);
    EXPECT_LT(smaller.PixelSize, 40);
    EXPECT_EQ(smaller.Shown, text);
    const TFittedLine cut = FitTextLine(text, font, 40, 25, natural * 0.4);
    EXPECT_TRUE(cut.Cut);
    EXPECT_EQ(cut.PixelSize, 25);
    EXPECT_TRUE(cut.Shown.endsWith(QChar(0x2026)));
    // Not even an ellipsis fits: nothing is drawn.
    EXPECT_TRUE(FitTextLine(text, font, 40, 25, 2).Shown.isEmpty());
}
