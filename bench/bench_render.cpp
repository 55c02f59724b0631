#include "render/indexed_raster.h"
#include "render/render_pipeline.h"
#include "render/render_settings.h"
#include "render/zint_metafile.h"
#include "symbol/zint_symbol.h"

#include <QImage>

#include <benchmark/benchmark.h>

// One preview as the program makes it at the default settings: encode, lay out, record,
// rasterise.
namespace {

struct TBenchCase
{
    TZintSymbology symbology;
    const char* text;
};

void BM_RenderPreview(benchmark::State& state, TBenchCase benchCase)
{
    TZintSymbol symbol;
    const QString text = QString::fromUtf8(benchCase.text);
    const TRenderSettings settings;
    for (auto _ : state) {
        PrepareSymbol(symbol, benchCase.symbology);
        const TMetafile metafile = RenderSymbolToMetafile(symbol, text, settings, QSize(303, 417));
        benchmark::DoNotOptimize(RenderedImage(metafile, settings));
    }
}

// The rasterisation alone, through QPainter and into palette indices, of a drawing recorded
// once.
void BM_Rasterise(benchmark::State& state, TBenchCase benchCase, bool indexed)
{
    TZintSymbol symbol;
    PrepareSymbol(symbol, benchCase.symbology);
    const TMetafile metafile = RenderSymbolToMetafile(symbol, QString::fromUtf8(benchCase.text),
                                                      TRenderSettings(), QSize(303, 417));
    for (auto _ : state)
        benchmark::DoNotOptimize(indexed ? RasteriseMetafileIndexed(metafile)
                                         : RasteriseMetafile(metafile));
}

const TBenchCase LabelCase{TZintSymbology::zsCODE128, "LBL/00001-9e37/ABCDE"};
const TBenchCase MaxiCodeCase{TZintSymbology::zsMAXICODE, "Lintaro MaxiCode 1234567890"};
BENCHMARK_CAPTURE(BM_Rasterise, Code128QPainter, LabelCase, false);
BENCHMARK_CAPTURE(BM_Rasterise, Code128Indexed, LabelCase, true);
BENCHMARK_CAPTURE(BM_Rasterise, MaxiCodeQPainter, MaxiCodeCase, false);
BENCHMARK_CAPTURE(BM_Rasterise, MaxiCodeIndexed, MaxiCodeCase, true);

BENCHMARK_CAPTURE(BM_RenderPreview, Code128, TBenchCase{TZintSymbology::zsCODE128, "1234567890"});
// The window's goal cases: a label of 20 characters and a web address of 60.
BENCHMARK_CAPTURE(BM_RenderPreview, Code128Label,
                  TBenchCase{TZintSymbology::zsCODE128, "LBL/00001-9e37/ABCDE"});
BENCHMARK_CAPTURE(BM_RenderPreview, QRCodeUrl,
                  TBenchCase{TZintSymbology::zsQRCODE,
                             "https://www.kelmora.example/lintaro/item/000001?lot=ABCDEFGH"});
BENCHMARK_CAPTURE(BM_RenderPreview, QRCode,
                  TBenchCase{TZintSymbology::zsQRCODE, "https://www.kelmora.example/lintaro"});
BENCHMARK_CAPTURE(BM_RenderPreview, DataMatrix,
                  TBenchCase{TZintSymbology::zsDATAMATRIX, "Lintaro Data Matrix 1234567890"});
BENCHMARK_CAPTURE(BM_RenderPreview, PDF417,
                  TBenchCase{TZintSymbology::zsPDF417, "Lintaro PDF417 1234567890"});
BENCHMARK_CAPTURE(BM_RenderPreview, MaxiCode,
                  TBenchCase{TZintSymbology::zsMAXICODE, "Lintaro MaxiCode 1234567890"});

} // namespace
