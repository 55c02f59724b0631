#include "cli/batch_options.h"
#include "cli/batch_runner.h"
#include "io/entry_export.h"
#include "symbol/zint_symbol.h"

#include <QDir>

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// The folder export of the batch tool, one entry per iteration: render, rasterise, write a new
// file. The reported time per iteration is the time per entry.
namespace {

constexpr int EntriesPerRun = 1000;

struct TBenchCase
{
    TZintSymbology Symbology;
    const char* TextPattern; // %1 is the entry number
    const char* Extension;
};

void BM_FolderExport(benchmark::State& state, TBenchCase benchCase)
{
    QTemporaryDir folder;
    TBatchSettings settings;
    settings.OutputFolder = folder.path();
    settings.Symbology = benchCase.Symbology;
    settings.Extension = QLatin1String(benchCase.Extension);
    const std::unique_ptr<TZintSymbol> symbol = MakeBatchSymbol(settings);
    const QString pattern = QLatin1String(benchCase.TextPattern);
    int number = 0;
    for (auto _ : state) {
        ++number;
        benchmark::DoNotOptimize(ExportEntryToNewFile(
            *symbol, settings.Symbology, pattern.arg(number), settings.Render, settings.PreviewArea,
            QDir(folder.path()).filePath(QString::number(number) + settings.Extension)));
    }
}

#define LINTARO_BENCH_FORMAT(name, extension)                                                      \
    BENCHMARK_CAPTURE(BM_FolderExport, Code128_##name,                                             \
                      TBenchCase{TZintSymbology::zsCODE128, "LINTARO-%1", extension})              \
        ->Iterations(EntriesPerRun)                                                                \
        ->Unit(benchmark::kMillisecond);                                                           \
    BENCHMARK_CAPTURE(BM_FolderExport, QRCode_##name,                                              \
                      TBenchCase{TZintSymbology::zsQRCODE,                                         \
                                 "https://www.kelmora.example/lintaro/item/%1", extension})        \
        ->Iterations(EntriesPerRun)                                                                \
        ->Unit(benchmark::kMillisecond)

LINTARO_BENCH_FORMAT(png, ".png");
LINTARO_BENCH_FORMAT(jpeg, ".jpg");
LINTARO_BENCH_FORMAT(gif, ".gif");
LINTARO_BENCH_FORMAT(bmp, ".bmp");

} // namespace
