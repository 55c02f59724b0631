#include "app/app_form.h"
#include "app/export_controller.h"
#include "app/item_list_model.h"
#include "app/list_pane.h"
#include "app/preview_image.h"
#include "offline_update_check.h"
#include "silent_dialogs.h"
#include "symbol/zint_symbology.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
// One preview of the main window at its design size (303 x 417 preview area).
void BM_RenderBarcode(benchmark::State& state)
{
    QTemporaryDir programDir;
    TSilentDialogs dialogs;
    TAppForm form({programDir.filePath(QStringLiteral("lintaro")), programDir.path(), &dialogs});
    form.show();
    const QSize area = form.findChild<TPreviewImage*>(QStringLiteral("imgResult"))->size();
    for (auto _ : state)
        form.RenderBarcode();
    if (!dialogs.LastError.isEmpty())
        state.SkipWithError(dialogs.LastError.toUtf8().constData());
    state.SetLabel(QStringLiteral("%1x%2").arg(area.width()).arg(area.height()).toStdString());
}
BENCHMARK(BM_RenderBarcode)->Unit(benchmark::kMicrosecond);

// "Save all to folder..." of 1,000 entries through the window at its design size: every entry
// rendered through the preview and written under a new name, with the progress dialog.
// Arguments: symbology (catalogue index), format (index in the output format list).
void BM_FolderExport(benchmark::State& state)
{
    constexpr int Entries = 1000;
    QTemporaryDir work;
    const QString listFile = work.filePath(QStringLiteral("list.txt"));
    {
        QFile file(listFile);
        file.open(QIODevice::WriteOnly);
        for (int i = 1; i <= Entries; ++i)
            file.write(QByteArray("LINTARO-") + QByteArray::number(100000 + i) + '\n');
    }
    TSilentDialogs dialogs;
    dialogs.TextFile = TDialogService::TTextFileChoice{listFile, 4};
    TAppForm form({work.filePath(QStringLiteral("lintaro")), work.path(), &dialogs});
    form.show();
    auto* symbologies = form.findChild<QComboBox*>(QStringLiteral("comType"));
    symbologies->setCurrentIndex(symbologies->findData(int(state.range(0))));
    form.comTypeChange();
    auto* formats = form.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    formats->setCurrentIndex(int(state.range(1)));
    form.ListPane().Load1Click();

    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString folder = work.filePath(QString::number(++run));
        QDir().mkpath(folder);
        state.ResumeTiming();
        form.Export().AddMyFolder(folder);
    }
    if (!dialogs.LastError.isEmpty())
        state.SkipWithError(dialogs.LastError.toUtf8().constData());
    state.SetItemsProcessed(state.iterations() * Entries);
    state.SetLabel(
        (symbologies->currentText() + QStringLiteral(" ") + formats->currentText()).toStdString());
}
BENCHMARK(BM_FolderExport)
    ->ArgsProduct({{int(TZintSymbology::zsCODE128), int(TZintSymbology::zsQRCODE)}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// One keystroke into a long text in the entry box: the preview drawn again, as the window
// does after every change. Arguments: symbology, length of the text in characters.
void BM_PreviewOfLongTypedText(benchmark::State& state)
{
    QTemporaryDir programDir;
    TSilentDialogs dialogs;
    TAppForm form({programDir.filePath(QStringLiteral("lintaro")), programDir.path(), &dialogs});
    form.show();
    auto* symbologies = form.findChild<QComboBox*>(QStringLiteral("comType"));
    symbologies->setCurrentIndex(symbologies->findData(int(state.range(0))));
    form.comTypeChange();
    QString text;
    for (int i = 0; text.size() < state.range(1); ++i)
        text += QString::number(1000 + i % 9000);
    text.truncate(state.range(1));
    for (auto _ : state)
        form.UpdateBarcodeYeni(text);
    state.SetLabel(symbologies->currentText().toStdString());
}
BENCHMARK(BM_PreviewOfLongTypedText)
    ->ArgsProduct({{int(TZintSymbology::zsCODE128), int(TZintSymbology::zsQRCODE),
                    int(TZintSymbology::zsDATAMATRIX), int(TZintSymbology::zsAZTEC),
                    int(TZintSymbology::zsPDF417), int(TZintSymbology::zsHANXIN)},
                   {1000, 10000}})
    ->Unit(benchmark::kMillisecond);

// The list drawn with a 2 MB entry in it, as after every change of the list.
void BM_ListPaintWithHugeEntry(benchmark::State& state)
{
    QTemporaryDir programDir;
    TSilentDialogs dialogs;
    TAppForm form({programDir.filePath(QStringLiteral("lintaro")), programDir.path(), &dialogs});
    form.show();
    form.ListPane().Items().Append(
        {QStringLiteral("A-1"), QString(2 << 20, u'7'), QStringLiteral("A-3")});
    auto* list = form.findChild<QAbstractItemView*>(QStringLiteral("ListView1"));
    QCoreApplication::processEvents();
    state.SetLabel(QStringLiteral("%1x%2")
                       .arg(list->viewport()->width())
                       .arg(list->viewport()->height())
                       .toStdString());
    for (auto _ : state)
        benchmark::DoNotOptimize(list->viewport()->grab());
}
BENCHMARK(BM_ListPaintWithHugeEntry)->Unit(benchmark::kMillisecond);

// One key typed at the end of a long text in the entry box, the box drawn again.
void BM_KeyInALongEntryBox(benchmark::State& state)
{
    QTemporaryDir programDir;
    TSilentDialogs dialogs;
    TAppForm form({programDir.filePath(QStringLiteral("lintaro")), programDir.path(), &dialogs});
    form.show();
    auto* box = form.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    box->setText(QString(int(state.range(0)), u'7'));
    QCoreApplication::processEvents();
    for (auto _ : state) {
        box->insert(QStringLiteral("8"));
        benchmark::DoNotOptimize(box->grab());
    }
}
BENCHMARK(BM_KeyInALongEntryBox)->Arg(10000)->Arg(2 << 20)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const TOfflineUpdateCheck offlineUpdateCheck;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
