// Image export: the preview picture into one chosen file, or every entry of the list rendered
// in turn into a folder under its running number.
#include "app/app_form.h"

#include "app/item_list_model.h"
#include "app/item_list_view.h"
#include "app/preview_image.h"
#include "base/zint_exception.h"
#include "io/image_format.h"
#include "io/image_writer.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
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

TSaveDialogChoice SaveDialogChoice(const QString& formatName)
{
    if (formatName == QLatin1String("PNG"))
        return {1, QStringLiteral("png")};
    if (formatName == QLatin1String("JPEG"))
        return {2, QStringLiteral("jpg")};
    if (formatName == QLatin1String("GIF"))
        return {3, QStringLiteral("gif")};
    return {4, QStringLiteral("bmp")};
}

// The busy cursor for as long as the export runs, however it ends.
class TBusyCursor final
{
public:
    TBusyCursor() { QGuiApplication::setOverrideCursor(Qt::BusyCursor); }
    ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};
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
    const std::optional<QString> path = FEnvironment.Dialogs->SaveImageFile(
        this, FLastSavePath, choice.FilterIndex, choice.DefaultExt);
    if (!path)
        return;
    FLastSavePath = *path;
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
    ::DosyayiKaydet(RasteriseMetafile(imgResult->Picture()), DosyaAdi);
}

void TAppForm::Savealltofolder1Click()
{
    const std::optional<QString> folder =
        FEnvironment.Dialogs->PickFolder(this, QStringLiteral("Select folder:"), LastExportFolder);
    if (!folder)
        return;
    LastExportFolder = *folder;
    AddMyFolder(*folder);
}

void TAppForm::AddMyFolder(const QString& Foldername)
{
    const TBusyCursor busy;
    const QString ext = FolderExportExtension(ComboBox1->currentText());
    const QDir folder(Foldername);

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
    progress.setRange(0, FItems->Count());
    progress.setValue(0);

    int last = -1;
    for (int i = 0; i < FItems->Count() && !progress.wasCanceled(); ++i) {
        FCurrentText = FItems->Text(i);
        UpdateBarcode();
        last = i;
        // A failed render has shown its error box and left the preview empty: no file, and
        // its number stays unused.
        if (!imgResult->IsEmpty()) {
            try {
                SaveImageToNewFile(RasteriseMetafile(imgResult->Picture()),
                                   folder.filePath(QString::number(i + 1) + ext));
            } catch (const EZintException& error) {
                ShowDefaultError(error);
                return;
            }
        }
        progress.setValue(i + 1);
        // Until the dialog shows, the window must not take clicks that change the list.
        QCoreApplication::processEvents(progress.isVisible() ? QEventLoop::AllEvents
                                                             : QEventLoop::ExcludeUserInputEvents);
    }
    if (last >= 0)
        ListView1->SelectRow(last);
}
