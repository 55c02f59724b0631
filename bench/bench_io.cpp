#include "io/barcode_image.h"
#include "io/entry_file_names.h"
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

// The naming pass over all entries that a run, each shard of one and the window's folder export
// make before the first file is written.
void BM_PlanFileNamesMillionEntries(benchmark::State& state, const char* pattern)
{
    const TNameTemplate nameTemplate = TNameTemplate::Parse(QString::fromUtf8(pattern));
    QStringList texts;
    texts.reserve(kImportLines);
    for (int i = 0; i < kImportLines; ++i)
        texts << QStringLiteral("ART-%1-Ä").arg(i % 1000); // a thousand names a thousand times
    for (auto _ : state) {
        TEntryFileNames names(nameTemplate, QStringLiteral(".png"));
        for (int i = 0; i < kImportLines; ++i)
            benchmark::DoNotOptimize(names.Next({i + 1, texts.at(i), {}, {}}));
    }
    state.SetItemsProcessed(state.iterations() * kImportLines);
}
BENCHMARK_CAPTURE(BM_PlanFileNamesMillionEntries, Number, "{n}")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlanFileNamesMillionEntries, Text, "{text}")->Unit(benchmark::kMillisecond);

// The pictures a batch export writes: a Code 128 label at 2-pixel modules, a QR code,
// a label scaled smoothly (grey edges), a colourful picture, and the preview-sized picture.
QImage benchPicture(int kind)
{
    switch (kind) {
    case 0:
        return MakeBarcodeImage("LBL/00001-9e37", 189, 58).scaled(378, 116);
    case 1: {
        QImage modules(33, 33, QImage::Format_RGB32);
        quint32 state = 12345;
        for (int y = 0; y < 33; ++y) {
            for (int x = 0; x < 33; ++x) {
                state = state * 1664525u + 1013904223u;
                modules.setPixel(x, y, (state >> 31) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            }
        }
        return modules.scaled(66, 66);
    }
    case 2:
        return MakeBarcodeImage("LBL/00001-9e37", 252, 77)
            .scaled(378, 116, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    case 3: {
        QImage colourful(378, 116, QImage::Format_RGB32);
        for (int y = 0; y < colourful.height(); ++y)
            for (int x = 0; x < colourful.width(); ++x)
                colourful.setPixel(x, y, qRgb(x & 0xFF, (y * 2) & 0xFF, (x + y) & 0xFF));
        return colourful;
    }
    default:
        return MakeBarcodeImage("LINTARO-0000123456");
    }
}

void BM_EncodeBarcodeImage(benchmark::State& state)
{
    const QImage image = benchPicture(int(state.range(0)));
    const auto format = static_cast<TImageFileFormat>(state.range(1));
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
    ->ArgNames({"code128_0_qr1_grey2_colour3_preview4", "png0_jpeg1_gif2_bmp3"})
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1, 2, 3}})
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
