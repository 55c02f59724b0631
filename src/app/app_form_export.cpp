// Image export: the preview picture into one chosen file, or every entry of the list rendered
// in turn into a folder under the name its template gives it.
#include "app/app_form.h"

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
#include "io/image_writer.h"
#include "io/vector_writer.h"
#include "render/render_settings.h"
#include "render/zint_metafile.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QProgressBar>
#include <QProgressDialog>

namespace {
// Long enough that short exports never flash a dialog.
constexpr int ProgressDelayMs = 1000;

struct TSaveDialogChoice
{
    int FilterIndex;
    QString DefaultExt;
};

// The save dialog's filters come in the order of the format table.
TSaveDialogChoice SaveDialogChoice(const QString& formatName)
{
    const TImageFormatEntry& entry = ListedImageFormat(formatName);
    return {int(&entry - ImageFormats.data()) + 1, QLatin1String(entry.Extension + 1)};
}

// What the name template reads of one entry of the list.
TNameFields NameFields(const TItemListModel& items, int index)
{
    return {index + 1, items.Text(index), items.ColumnHeader(), items.ItemCells(index)};
}

} // namespace

void TAppForm::Button1Click()
{
    Savesingleimage1->trigger();
}

void TAppForm::Button2Click()
{
    Savealltofolder1->trigger();
}

void TAppForm::Savesingleimage1Click()
{
    if (imgResult->IsEmpty()) {
        FEnvironment.Dialogs->ErrorBox(this, QGuiApplication::applicationDisplayName(),
                                       QStringLiteral("There is no barcode to save."));
        return;
    }
    const TSaveDialogChoice choice = SaveDialogChoice(ComboBox1->currentText());
    // The first save of a start opens where the last export went, not where "Load..." was.
    const std::optional<QString> path = FEnvironment.Dialogs->SaveImageFile(
        this, FLastSavePath.isEmpty() ? LastExportFolder : FLastSavePath, choice.FilterIndex,
        choice.DefaultExt);
    if (!path)
        return;
    FLastSavePath = *path;
    LastExportFolder = QFileInfo(*path).absolutePath();
    try {
        DosyayiKaydet(*path);
    } catch (const EZintException& error) {
        ShowDefaultError(error);
        return;
    }
    FEnvironment.Dialogs->Beep();
}

void TAppForm::DosyayiKaydet(const QString& DosyaAdi)
{
    if (IsVectorFormat(ImageFormatForPath(DosyaAdi)))
        SaveVectorReplacing(imgResult->Picture(), CurrentRenderSettings().Dpi, DosyaAdi);
    else
        ::DosyayiKaydet(imgResult->Image(), DosyaAdi);
}

void TAppForm::Savealltofolder1Click()
{
    // A template that cannot name the files is fixed before a folder is chosen.
    if (!FolderExportNameTemplate())
        return;
    if (const std::optional<QString> folder = PickExportFolder())
        AddMyFolder(*folder);
}

std::optional<QString> TAppForm::PickExportFolder()
{
    const std::optional<QString> folder =
        FEnvironment.Dialogs->PickFolder(this, QStringLiteral("Select folder:"), LastExportFolder);
    if (folder)
        LastExportFolder = *folder;
    return folder;
}

std::optional<TNameTemplate> TAppForm::FolderExportNameTemplate()
{
    try {
        return TNameTemplate::Parse(edFileNames->text());
    } catch (const EZintException& error) {
        FEnvironment.Dialogs->ErrorBox(this, QGuiApplication::applicationDisplayName(),
                                       QString::fromUtf8(error.what()));
        edFileNames->setFocus();
        return std::nullopt;
    }
}

void TAppForm::AddMyFolder(const QString& Foldername)
{
    const std::optional<TNameTemplate> nameTemplate = FolderExportNameTemplate();
    if (!nameTemplate)
        return;
    const TBusyCursor busy;
    TEntryFileNames names(*nameTemplate, FolderExportExtension(ComboBox1->currentText()));
    for (int i = 0; i < FListPane->Items().Count(); ++i)
        names.Add(NameFields(FListPane->Items(), i));
    const TRenderSettings settings = CurrentRenderSettings();

    QProgressDialog progress(this);
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
    progress.setRange(0, FListPane->Items().Count());
    progress.setValue(0);

    TFolderExportReport report{Foldername, 0, FListPane->Items().Count(), false, {}};
    bool showErrors = true;
    int last = -1;
    bool lastWritten = false;
    for (int i = 0; i < FListPane->Items().Count() && !progress.wasCanceled(); ++i) {
        last = i;
        FCurrentText = FListPane->Items().Text(i);
        QString error;
        try {
            error = ExportFolderEntry(i, Foldername, names, settings);
        } catch (const EZintException& writeError) {
            ShowDefaultError(writeError);
            return;
        }
        lastWritten = error.isEmpty();
        if (lastWritten) {
            ++report.Written;
        } else {
            report.Failures.push_back({i + 1, FListPane->Items().Text(i), error});
            // The error boxes belong to the progress dialog: it may appear while one is open
            // and would otherwise block it.
            if (showErrors)
                showErrors =
                    !FEnvironment.Dialogs->EntryErrorBox(&progress, comType->currentText(), error);
        }
        progress.setValue(i + 1);
        // Until the dialog shows, the window must not take clicks that change the list.
        QCoreApplication::processEvents(progress.isVisible() ? QEventLoop::AllEvents
                                                             : QEventLoop::ExcludeUserInputEvents);
    }
    if (last < 0)
        return;
    report.Stopped = last + 1 < FListPane->Items().Count();
    FListPane->View().SelectRow(last);
    if (lastWritten)
        UpdateBarcode();
    progress.close();
    if (FEnvironment.Dialogs->FolderExportSummary(this, report))
        FEnvironment.Dialogs->OpenFolder(Foldername);
}

QString TAppForm::ExportFolderEntry(int index, const QString& folder, const TEntryFileNames& names,
                                    const TRenderSettings& settings)
{
    TMetafile picture;
    TEntryFileName name;
    try {
        name = names.At(index);
        picture = RenderEntryPicture(*FSymbol, TZintSymbology(comType->currentData().toInt()),
                                     FListPane->Items().Text(index), settings, imgResult->size());
    } catch (const EZintException& error) {
        // An entry that cannot be named or rendered is skipped; its name stays unused.
        return QString::fromUtf8(error.what());
    }
    // A failed write ends the export: the caller shows it.
    SavePictureToNewFile(picture, settings, QDir(folder).filePath(name.Name), name.FirstCandidate);
    return QString();
}
