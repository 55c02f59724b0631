// Every entry of the list rendered in turn into a folder, under the name its template gives it.
#include "app/export_controller.h"

#include "app/folder_export_report.h"
#include "app/item_list_model.h"
#include "app/item_list_view.h"
#include "app/list_pane.h"
#include "app/preview_image.h"
#include "base/zint_exception.h"
#include "dialogs/busy_cursor.h"
#include "io/entry_export.h"
#include "io/entry_file_names.h"
#include "io/image_format.h"
#include "render/render_settings.h"
#include "render/zint_metafile.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QProgressDialog>

namespace {
// Long enough that short exports never flash a dialog.
constexpr int ProgressDelayMs = 1000;

// What the name template reads of one entry of the list.
TNameFields NameFields(const TItemListModel& items, int index)
{
    return {index + 1, items.Text(index), items.ColumnHeader(), items.ItemCells(index)};
}
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
        ShowError(QString::fromUtf8(error.what()));
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
    TEntryFileNames names(*nameTemplate, FolderExportExtension(ComboBox1->currentText()));
    for (int i = 0; i < FList.Items().Count(); ++i)
        names.Add(NameFields(FList.Items(), i));
    const TRenderSettings settings = FSource.CurrentRenderSettings();

    QProgressDialog progress(window());
    progress.setObjectName(QStringLiteral("ExportProgress"));
    progress.setWindowTitle(QStringLiteral("Save all to folder"));
    progress.setLabelText(QStringLiteral("Saving images..."));
    auto* bar = new QProgressBar(&progress);
    bar->setFormat(QStringLiteral("%v of %m"));
    progress.setBar(bar);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(ProgressDelayMs);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setRange(0, FList.Items().Count());
    progress.setValue(0);

    TFolderExportReport report{Foldername, 0, FList.Items().Count(), false, {}};
    bool showErrors = true;
    int last = -1;
    bool lastWritten = false;
    for (int i = 0; i < FList.Items().Count() && !progress.wasCanceled(); ++i) {
        last = i;
        FSource.SetCurrentText(FList.Items().Text(i));
        QString error;
        try {
            error = ExportFolderEntry(i, Foldername, names, settings);
        } catch (const EZintException& writeError) {
            ShowError(QString::fromUtf8(writeError.what()));
            return;
        }
        lastWritten = error.isEmpty();
        if (lastWritten) {
            ++report.Written;
        } else {
            report.Failures.push_back({i + 1, FList.Items().Text(i), error});
            // The error boxes belong to the progress dialog: it may appear while one is open
            // and would otherwise block it.
            if (showErrors)
                showErrors =
                    !FDialogs.EntryErrorBox(&progress, FSource.CurrentSymbologyName(), error);
        }
        progress.setValue(i + 1);
        // Until the dialog shows, the window must not take clicks that change the list.
        QCoreApplication::processEvents(progress.isVisible() ? QEventLoop::AllEvents
                                                             : QEventLoop::ExcludeUserInputEvents);
    }
    if (last < 0)
        return;
    report.Stopped = last + 1 < FList.Items().Count();
    FList.View().SelectRow(last);
    if (lastWritten)
        FSource.UpdateBarcode();
    progress.close();
    if (FDialogs.FolderExportSummary(window(), report))
        FDialogs.OpenFolder(Foldername);
}

QString TExportController::ExportFolderEntry(int index, const QString& folder,
                                             const TEntryFileNames& names,
                                             const TRenderSettings& settings)
{
    TMetafile picture;
    TEntryFileName name;
    try {
        name = names.At(index);
        picture = RenderEntryPicture(FSource.Symbol(), FSource.CurrentSymbology(),
                                     FList.Items().Text(index), settings, FSource.Preview().size());
    } catch (const EZintException& error) {
        // An entry that cannot be named or rendered is skipped; its name stays unused.
        return QString::fromUtf8(error.what());
    }
    // A failed write ends the export: the caller shows it.
    SavePictureToNewFile(picture, settings, QDir(folder).filePath(name.Name), name.FirstCandidate);
    return QString();
}
