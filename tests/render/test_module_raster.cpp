// The raster is faithful to the module grid: at any module size every module's centre pixel
// has the module's colour, and no seam of light pixels opens inside a dark run.
#include "layout_symbol.h"
#include "render/zint_metafile.h"
#include "render/zint_render_wmf.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace {
constexpr int DataMatrix = 71;
constexpr int QRCode = 58;
constexpr int Code128 = 20;

struct TGridCase
{
    const char* Name;
    int Symbology;
    const char* Text;
};

bool Dark(const QImage& image, double x, double y)
{
    return qGray(image.pixel(int(x), int(y))) < 128;
}

// The picture of the symbol alone at the given module width, one pixel row per module row
// height as the layout draws it.
QImage RenderAt(TZintSymbol& symbol, float moduleWidth)
{
    TMetafile metafile(1, 1);
    TZintRenderTargetWMF target;
    target.SetMetafile(&metafile);
    target.SetShowText(false);
    target.SetFixedModuleWidth(moduleWidth);
    target.SetFitToSymbol(true);
    target.Render(symbol);
    return RasteriseMetafile(metafile);
}

// Where row `row` lies, in pixels from the top, for module width `module`.
std::pair<double, double> RowSpan(const TZintSymbol& symbol, int row, double module)
{
    double top = 0;
    for (int above = 0; above < row; ++above)
        top += double(float(symbol.row_height(above) * double(module)));
    return {top, top + double(float(symbol.row_height(row) * double(module)))};
}

void ExpectFaithful(TZintSymbol& symbol, float module)
{
    const QImage image = RenderAt(symbol, module);
    const double m = module;
    for (int row = 0; row < symbol.rows(); ++row) {
        const auto [top, bottom] = RowSpan(symbol, row, m);
        const double middle = (top + bottom) / 2;
        for (int column = 0; column < symbol.width(); ++column) {
            const double centre = (column + 0.5) * m;
            ASSERT_EQ(Dark(image, centre, middle), symbol.module(row, column))
                << "module " << row << "," << column << " at " << module << " px";
            // Between the centres of two dark neighbours every pixel is dark.
            if (symbol.module(row, column) && symbol.module(row, column + 1)) {
                for (double x = centre; x <= centre + m; x += 0.5)
                    ASSERT_TRUE(Dark(image, x, middle))
                        << "light column inside a run, row " << row << " x " << x;
            }
            if (row + 1 < symbol.rows() && symbol.module(row, column) &&
                symbol.module(row + 1, column)) {
                const double below =
                    (RowSpan(symbol, row + 1, m).first + RowSpan(symbol, row + 1, m).second) / 2;
                for (double y = middle; y <= below; y += 0.5)
                    ASSERT_TRUE(Dark(image, centre, y))
                        << "light row inside a run, column " << column << " y " << y;
            }
        }
    }
}

class ModuleRaster : public testing::TestWithParam<TGridCase>
{};

TEST_P(ModuleRaster, EveryModuleSizeKeepsTheGrid)
{
    TZintSymbol symbol;
    EncodeForLayout(symbol, GetParam().Symbology, QString::fromUtf8(GetParam().Text));
    // Whole sizes, and fractional ones around the sizes a fitted preview gives.
    std::mt19937 random(20261210);
    std::uniform_real_distribution<float> fractional(1.05f, 12.95f);
    std::vector<float> sizes = {1, 2, 3, 5, 7, 10, 10.1f, 10.125f};
    for (int i = 0; i < 24; ++i)
        sizes.push_back(fractional(random));
    for (const float module : sizes) {
        SCOPED_TRACE("module " + std::to_string(module));
        ExpectFaithful(symbol, module);
        if (HasFatalFailure())
            return;
    }
}

TEST(ModuleRaster, WholeModulesLandOnPixelEdges)
{
    TZintSymbol symbol;
    EncodeForLayout(symbol, DataMatrix, QStringLiteral("Lintaro 22x22 Data Matrix"));
    for (const int module : {1, 2, 3, 4}) {
        const QImage image = RenderAt(symbol, float(module));
        ASSERT_EQ(image.width(), symbol.width() * module);
        for (int row = 0; row < symbol.rows(); ++row)
            for (int column = 0; column < symbol.width(); ++column)
                for (int dy = 0; dy < module; ++dy)
                    for (int dx = 0; dx < module; ++dx)
                        ASSERT_EQ(Dark(image, column * module + dx, row * module + dy),
                                  symbol.module(row, column))
                            << module << " px, module " << row << "," << column;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Symbols, ModuleRaster,
    testing::Values(TGridCase{"DataMatrix", DataMatrix, "Lintaro 22x22 Data Matrix"},
                    TGridCase{"QRCode", QRCode, "https://www.kelmora.example/lintaro?id=42"},
                    TGridCase{"Code128", Code128, "LBL/00001-9e37"}),
    [](const testing::TestParamInfo<TGridCase>& info) { return std::string(info.param.Name); });
} // namespace
