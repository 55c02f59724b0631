#include "io/file_publisher.h"
#include "io/png_writer.h"
#include "io/unique_file_name.h"
#include "render/render_pipeline.h"
#include "render/render_settings.h"
#include "render/zint_metafile.h"
#include "symbol/zint_symbol.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// Where the time of one exported entry goes, step by step: encode, encode with layout and
// recording, rasterising, PNG encoding, and putting the bytes under a new file name. The
// picture is the one an export writes (indexed where it can be).
namespace {

struct TBreakdownCase
{
    TZintSymbology Symbology;
    const char* Text;
    int Width;
    int Height;
};

QSize AreaOf(const TBreakdownCase& c)
{
    return QSize(c.Width, c.Height);
}

TMetafile Record(TZintSymbol& symbol, const TBreakdownCase& c)
{
    PrepareSymbol(symbol, c.Symbology);
    return RenderSymbolToMetafile(symbol, QString::fromUtf8(c.Text), TRenderSettings(), AreaOf(c));
}

QByteArray Png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WritePng(image, buffer);
    return bytes;
}

void BM_Encode(benchmark::State& state, TBreakdownCase c)
{
    TZintSymbol symbol;
    const QString text = QString::fromUtf8(c.Text);
    for (auto _ : state) {
        PrepareSymbol(symbol, c.Symbology);
        symbol.set_primary(TRenderSettings().PrimaryMessage);
        symbol.Encode(text, true);
    }
}

void BM_EncodeLayoutRecord(benchmark::State& state, TBreakdownCase c)
{
    TZintSymbol symbol;
    for (auto _ : state)
        benchmark::DoNotOptimize(Record(symbol, c));
}

void BM_Rasterise(benchmark::State& state, TBreakdownCase c)
{
    TZintSymbol symbol;
    const TMetafile metafile = Record(symbol, c);
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderedImage(metafile, TRenderSettings()));
}

void BM_PngEncode(benchmark::State& state, TBreakdownCase c)
{
    TZintSymbol symbol;
    const QImage image = RenderedImage(Record(symbol, c), TRenderSettings());
    for (auto _ : state)
        benchmark::DoNotOptimize(Png(image));
    state.counters["bytes"] = double(Png(image).size());
}

void PublishNewFiles(benchmark::State& state, TBreakdownCase c, TNewFileMethod method)
{
    TZintSymbol symbol;
    const QByteArray bytes = Png(RenderedImage(Record(symbol, c), TRenderSettings()));
    QTemporaryDir folder;
    int number = 0;
    for (auto _ : state) {
        const TNumberedFileName name(
            QDir(folder.path()).filePath(QString::number(++number) + QStringLiteral(".png")));
        benchmark::DoNotOptimize(PublishNewFile(bytes, name, 1, method));
    }
}

void BM_PublishNewFile(benchmark::State& state, TBreakdownCase c)
{
    PublishNewFiles(state, c, TNewFileMethod::nfmLinkComplete);
}

// The ways a folder without unnamed files or hard links gets its files, for comparison.
void BM_PublishRenameNoReplace(benchmark::State& state, TBreakdownCase c)
{
    PublishNewFiles(state, c, TNewFileMethod::nfmRenameNoReplace);
}

void BM_PublishRenameOverReservation(benchmark::State& state, TBreakdownCase c)
{
    PublishNewFiles(state, c, TNewFileMethod::nfmRenameOverReservation);
}

#define LINTARO_BREAKDOWN(step)                                                                    \
    BENCHMARK_CAPTURE(step, Code128_268x116,                                                       \
                      TBreakdownCase{TZintSymbology::zsCODE128, "ITEM-000001", 268, 116})          \
        ->Unit(benchmark::kMicrosecond);                                                           \
    BENCHMARK_CAPTURE(                                                                             \
        step, QRCode_66x66,                                                                        \
        TBreakdownCase{TZintSymbology::zsQRCODE,                                                   \
                       "https://www.kelmora.example/lintaro/item/000001?lot=ABCDEFGH", 66, 66})    \
        ->Unit(benchmark::kMicrosecond);                                                           \
    BENCHMARK_CAPTURE(step, Code128_303x417,                                                       \
                      TBreakdownCase{TZintSymbology::zsCODE128, "ITEM-000001", 303, 417})          \
        ->Unit(benchmark::kMicrosecond)

LINTARO_BREAKDOWN(BM_Encode);
LINTARO_BREAKDOWN(BM_EncodeLayoutRecord);
LINTARO_BREAKDOWN(BM_Rasterise);
LINTARO_BREAKDOWN(BM_PngEncode);
LINTARO_BREAKDOWN(BM_PublishNewFile);
LINTARO_BREAKDOWN(BM_PublishRenameNoReplace);
LINTARO_BREAKDOWN(BM_PublishRenameOverReservation);

} // namespace
