#include "io/entry_export.h"
#include "io/label_symbol_size.h"
#include "render/render_settings.h"
#include "symbol/zint_symbol.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
const QSize PreviewArea(303, 417);

double DotMm(int dpi)
{
    return 25.4 / dpi;
}

// The largest module a label takes at `dpi`, as the catalogue's range gives it.
int LargestDots(TZintSymbology symbology, int dpi)
{
    const TLabelModules& modules = lintaro::LabelModules(symbology);
    int dots = std::max(1, int(std::floor(modules.LargestMm / DotMm(dpi) + 1e-6)));
    if (dots * DotMm(dpi) < modules.SmallestMm)
        dots = int(std::ceil(modules.SmallestMm / DotMm(dpi) - 1e-6));
    return dots;
}

bool Fits(QSize picture, QSize room)
{
    return picture.width() <= room.width() && picture.height() <= room.height();
}
} // namespace

// The module chosen is the largest whole dot in the symbology's range whose picture fits the
// room, checked against a render one dot larger; entries of one sizer in a row (it starts
// from the previous entry's module) choose as a fresh sizer would.
TEST(LabelSymbolSize, LargestWholeDotModuleThatFitsTheRoom)
{
    const struct
    {
        TZintSymbology Symbology;
        int Dpi;
        QSize Room;
    } cases[] = {
        {TZintSymbology::zsDATAMATRIX, 300, {700, 160}},
        {TZintSymbology::zsDATAMATRIX, 600, {400, 90}},
        {TZintSymbology::zsQRCODE, 300, {700, 160}},
        {TZintSymbology::zsCODE128, 300, {700, 160}},
        {TZintSymbology::zsCODE128, 203, {300, 80}},
        {TZintSymbology::zsEANX_CHK, 300, {700, 160}},
        {TZintSymbology::zsEANX_CHK, 300, {280, 160}},
        {TZintSymbology::zsPDF417, 300, {700, 200}},
        {TZintSymbology::zsAZTEC, 300, {120, 120}},
        {TZintSymbology::zsITF14, 300, {900, 300}},
    };
    const QStringList texts{QStringLiteral("5901234123457"), QStringLiteral("12345"),
                            QStringLiteral("4006381333931")};
    for (const auto& c : cases) {
        TRenderSettings settings;
        settings.Dpi = c.Dpi;
        TLabelSymbolSizer inARow(c.Symbology, settings, PreviewArea, true);
        for (const QString& text : texts) {
            SCOPED_TRACE(
                QStringLiteral("%1 at %2 dpi in %3x%4: %5")
                    .arg(QLatin1String(SymbologyCatalogue[std::size_t(c.Symbology)].DisplayName))
                    .arg(c.Dpi)
                    .arg(c.Room.width())
                    .arg(c.Room.height())
                    .arg(text)
                    .toStdString());
            TZintSymbol symbol;
            const TLabelSymbol drawn = inARow.Render(symbol, text, c.Room);
            TLabelSymbolSizer fresh(c.Symbology, settings, PreviewArea, true);
            EXPECT_EQ(fresh.Render(symbol, text, c.Room).ModuleDots, drawn.ModuleDots);
            ASSERT_GE(drawn.ModuleDots, 1);
            EXPECT_LE(drawn.ModuleDots, LargestDots(c.Symbology, c.Dpi));
            EXPECT_TRUE(Fits(drawn.Picture.Size(), c.Room) || drawn.ModuleDots == 1);
            EXPECT_DOUBLE_EQ(inARow.ModuleMm(drawn, 1), drawn.ModuleDots * DotMm(c.Dpi));
            if (drawn.ModuleDots == LargestDots(c.Symbology, c.Dpi))
                continue;
            // One dot more would not fit.
            TRenderSettings larger = settings;
            larger.ModuleSize = float(drawn.ModuleDots + 1);
            const bool singleRow = lintaro::Traits(c.Symbology).IsSingleRow();
            if (singleRow)
                larger.BarHeightMode = TBarHeightMode::bhmFill;
            const TMetafile tried = RenderEntryPicture(symbol, c.Symbology, text, larger,
                                                       singleRow ? c.Room : PreviewArea);
            EXPECT_FALSE(Fits(tried.Size(), c.Room));
        }
    }
}

// At 300 dpi the whole dots around EAN/UPC's 0.33 mm are 0.254 mm, under GS1's 80 % minimum,
// and 0.339 mm: the label takes the one a scanner is sure to read, and says nothing of it.
// Squeezed smaller, the note names the minimum it misses.
TEST(LabelSymbolSize, EanKeepsToTheGs1MinimumAndNamesItWhenSqueezed)
{
    const TLabelModules& ean = lintaro::LabelModules(TZintSymbology::zsEANX_CHK);
    TRenderSettings settings;
    TLabelSymbolSizer sizer(TZintSymbology::zsEANX_CHK, settings, PreviewArea, true);
    TZintSymbol symbol;
    const TLabelSymbol roomy = sizer.Render(symbol, QStringLiteral("5901234123457"), {900, 300});
    const double module = sizer.ModuleMm(roomy, 1);
    EXPECT_GE(module, ean.SmallestMm);
    EXPECT_LT(module - DotMm(300), ean.SmallestMm);
    EXPECT_TRUE(ModuleBelowMinimumNote(TZintSymbology::zsEANX_CHK, module).isEmpty());

    const QString note = ModuleBelowMinimumNote(TZintSymbology::zsEANX_CHK, module * 0.7);
    EXPECT_TRUE(note.contains(QStringLiteral("below 0.264 mm")) &&
                note.contains(QLatin1String(ean.SmallestSource)))
        << note.toStdString();
    // Postal codes know no minimum; MaxiCode keeps its one size.
    EXPECT_TRUE(ModuleBelowMinimumNote(TZintSymbology::zsPOSTNET, 0.01).isEmpty());
    TLabelSymbolSizer maxi(TZintSymbology::zsMAXICODE, settings, PreviewArea, true);
    EXPECT_EQ(maxi.Render(symbol, QStringLiteral("Hello"), {100, 100}).ModuleDots, 0);
}

// Not sized for the label, the symbol is drawn as the settings say, whatever the room.
TEST(LabelSymbolSize, SettingsOwnModuleIsKeptWhenAsked)
{
    TRenderSettings settings;
    settings.ModuleSize = 3;
    TLabelSymbolSizer sizer(TZintSymbology::zsQRCODE, settings, PreviewArea, false);
    TZintSymbol symbol;
    const TLabelSymbol drawn = sizer.Render(symbol, QStringLiteral("Hello"), {10, 10});
    EXPECT_EQ(drawn.ModuleDots, 0);
    EXPECT_EQ(drawn.Picture.Size(),
              RenderEntryPicture(symbol, TZintSymbology::zsQRCODE, QStringLiteral("Hello"),
                                 settings, PreviewArea)
                  .Size());
    EXPECT_DOUBLE_EQ(sizer.ModuleMm(drawn, 0.5), 1.5 * 25.4 / 300);
}
