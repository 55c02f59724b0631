#include "app/app_form.h"
#include "app/dialog_service.h"
#include "app/preview_image.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
// Any dialog is a failed render here; the benchmark reports it instead of blocking.
class TSilentDialogs final : public TDialogService
{
public:
    QString LastError;

    void ErrorBox(QWidget*, const QString&, const QString& text) override { LastError = text; }
    std::optional<TTextFileChoice> OpenTextFile(QWidget*, const TTextFileChoice&) override
    {
        return std::nullopt;
    }
    std::optional<QString> SaveImageFile(QWidget*, const QString&, int, const QString&) override
    {
        return std::nullopt;
    }
    std::optional<QString> PickFolder(QWidget*, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    std::optional<QColor> PickColor(QWidget*, const QColor&) override { return std::nullopt; }
    std::optional<QFont> PickFont(QWidget*, const QFont&) override { return std::nullopt; }
    void Beep() override {}
};

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
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
