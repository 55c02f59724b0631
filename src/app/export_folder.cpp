// Every entry of the list rendered in turn into a folder, under the name its template gives it.
#include "app/export_controller.h"
#include "i18n/translation_engine.h"

#include "app/folder_export_report.h"
#include "app/item_list_model.h"
#include "app/item_list_view.h"
#include "app/list_pane.h"
#include "app/preview_image.h"
#include "app/window_message.h"
#include "base/zint_exception.h"
#include "dialogs/busy_cursor.h"
#include "io/export_job.h"
#include "io/image_format.h"
#include "render/render_settings.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QProgressDialog>

namespace {
// Long enough that short exports never flash a dialog.
constexpr int ProgressDelayMs = 1000;
} // namespace

void TExportController::Savealltofolder1Click()
{
    // A template that cannot name the files is fixed before a folder is chosen.
    if (!FolderExportNameTemplate())
        return;
    if (const std::optional<QString> folder = PickExportFolder())
        AddMyFolder(*folder);
}

std::optional<TNameTemplate> TExportController::FolderExportNameTemplate()
{
    try {
        return TNameTemplate::Parse(edFileNames->text());
    } catch (const EZintException& error) {
        ShowError(Translate(QStringLiteral("Cannot use the file name template")),
                  MessageSentence(QString::fromUtf8(error.what())) + u'\n' +
                      Translate(QStringLiteral("Correct the template in the \"File names\" box.")));
        edFileNames->setFocus();
        return std::nullopt;
    }
}

void TExportController::AddMyFolder(const QString& Foldername)
{
    const std::optional<TNameTemplate> nameTemplate = FolderExportNameTemplate();
    if (!nameTemplate)
        return;
    const TBusyCursor busy;
    const TItemListModel& items = FList.Items();
    TExportJob job(FSource.CurrentSymbology(), FSource.CurrentRenderSettings(),
                   FSource.Preview().size(), {&FSource.Symbol()});
    const TFolderExport target{
        Foldername, *nameTemplate, FolderExportExtension(ComboBox1->currentText()), {}, {}};

    QProgressDialog progress(window());
    progress.setObjectName(QStringLiteral("ExportProgress"));
    progress.setWindowTitle(Translate(QStringLiteral("Save all to folder")));
    progress.setLabelText(Translate(QStringLiteral("Saving images...")));
    auto* bar = new QProgressBar(&progress);
    bar->setFormat(Translate(QStringLiteral("%v of %m")));
    progress.setBar(bar);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(ProgressDelayMs);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setRange(0, items.Count());
    progress.setValue(0);

    TFolderExportReport report{Foldername, 0, items.Count(), false, {}, {}, false, {}};
    int last = -1;
    bool lastWritten = false;
    std::optional<QString> writeError;
    TExportCallbacks callbacks;
    callbacks.EntryDone = [&](qsizetype index, const TEntryOutcome& outcome) {
        last = int(index);
        FSource.SetCurrentText(items.Text(last), last + 1);
        // A file the folder or the disk refuses ends the export; the others would fail alike.
        if (outcome.State == TEntryState::esNotWritten) {
            writeError = outcome.Error;
            return false;
        }
        lastWritten = outcome.State != TEntryState::esFailed;
        if (lastWritten) {
            ++report.Written;
            return true;
        }
        // An entry that cannot be named or rendered is skipped, its name unused; the summary
        // lists it, so that nothing stops the run for a box.
        report.Failures.push_back({last + 1, items.Text(last), outcome.Error});
        return true;
    };
    callbacks.Progress = [&](int done, int) {
        progress.setValue(done);
        // Until the dialog shows, the window must not take clicks that change the list.
        QCoreApplication::processEvents(progress.isVisible() ? QEventLoop::AllEvents
                                                             : QEventLoop::ExcludeUserInputEvents);
        return !progress.wasCanceled();
    };
    const TExportRun run = job.WriteFiles(ListEntries(), target, callbacks);
    if (writeError) {
        ShowError(Translate(QStringLiteral("Cannot save to %1")).arg(QDir(Foldername).dirName()),
                  MessageSentence(*writeError) + u'\n' +
                      Translate(QStringLiteral(
                          "Choose a folder you can write to, with free space, and save again.")));
        return;
    }
    if (last < 0)
        return;
    report.Stopped = run.Stopped();
    FList.View().SelectRow(last);
    if (lastWritten)
        FSource.UpdateBarcode();
    progress.close();
    if (FDialogs.FolderExportSummary(window(), report))
        FDialogs.OpenFolder(Foldername);
}
