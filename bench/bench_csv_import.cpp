// A million-record CSV import, file to texts: read, decode, cut the table, pick the column.
// Run under /usr/bin/time -v for the peak memory; peak_MB is the process's peak so far.
#include "io/text_table.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

constexpr int Records = 1000000;

// Label-like records: a plain SKU, a quoted name with a delimiter (every tenth with doubled
// quotes), a price; CR LF ends as spreadsheets write them.
const QString& csvFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("million.csv"));
        QByteArray bytes = "SKU,Name,Price\r\n";
        for (int i = 0; i < Records; ++i) {
            const QByteArray number = QByteArray::number(i);
            bytes += "ART-" + number + ",\"Widget " + number +
                     (i % 10 == 0 ? ", \"\"large\"\"\"," : ", blue\",") + "12.50\r\n";
        }
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        return file;
    }();
    return path;
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

void BM_ImportMillionRecordCsv(benchmark::State& state)
{
    const QString& path = csvFile();
    for (auto _ : state) {
        TTextTable table = ReadTextTable(path, TTextEncoding::teUtf8, u',', true);
        const int column = TableColumnIndex(table, QStringLiteral("sku"));
        KeepRecordsWithText(table, column);
        QStringList texts;
        texts.reserve(qsizetype(table.Records.size()));
        for (const TTableRecord& record : table.Records)
            texts.append(record.Cells.at(column));
        if (texts.size() != Records)
            state.SkipWithError("records lost");
        benchmark::DoNotOptimize(texts.constLast());
    }
    state.SetItemsProcessed(state.iterations() * Records);
    state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_ImportMillionRecordCsv)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
