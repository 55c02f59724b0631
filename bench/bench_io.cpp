#include "io/barcode_image.h"
#include "io/image_writer.h"
#include "io/text_import.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const int kImportLines = 1000000;

// One file for the whole run: numbered texts of barcode-label length with CR LF ends.
const QString& importFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("lines.txt"));
        QByteArray bytes;
        for (int i = 0; i < kImportLines; ++i)
            bytes += "ART-" + QByteArray::number(i) + "-Ä\r\n";
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        return file;
    }();
    return path;
}

void BM_ImportUtf8MillionLines(benchmark::State& state)
{
    const QString& path = importFile();
    for (auto _ : state) {
        const QStringList lines = ReadTextLines(path, TTextEncoding::teUtf8);
        benchmark::DoNotOptimize(lines.size());
    }
    state.SetItemsProcessed(state.iterations() * kImportLines);
}
BENCHMARK(BM_ImportUtf8MillionLines)->Unit(benchmark::kMillisecond);

void BM_EncodeBarcodeImage(benchmark::State& state)
{
    const auto format = static_cast<TImageFileFormat>(state.range(0));
    const QImage image = MakeBarcodeImage("LINTARO-0000123456");
    QByteArray bytes;
    for (auto _ : state) {
        bytes.clear();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        WriteImage(image, format, buffer);
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_EncodeBarcodeImage)
    ->ArgName("png0_jpeg1_gif2_bmp3")
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMicrosecond);

// The folder export's whole cost per file: encode, temporary file, link into place.
void BM_SaveBarcodeToNewFile(benchmark::State& state)
{
    static const char* const names[] = {"1.png", "1.jpg", "1.gif", "1.bmp"};
    const QImage image = MakeBarcodeImage("LINTARO-0000123456");
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromUtf8(names[state.range(0)]));
    for (auto _ : state) {
        const QString written = SaveImageToNewFile(image, path);
        state.PauseTiming();
        QFile::remove(written);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SaveBarcodeToNewFile)
    ->ArgName("png0_jpeg1_gif2_bmp3")
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
