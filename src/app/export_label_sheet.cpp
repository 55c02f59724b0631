// "Save all as label sheet...": every entry of the list on one label of a PDF sheet.
#include "app/export_controller.h"

#include "app/folder_export_report.h"
#include "app/item_list_model.h"
#include "app/label_sheet_placement.h"
#include "app/label_sheet_preview.h"
#include "app/list_pane.h"
#include "app/preview_image.h"
#include "app/window_message.h"
#include "base/zint_exception.h"
#include "dialogs/busy_cursor.h"
#include "i18n/translation_engine.h"
#include "io/export_job.h"
#include "io/stored_settings.h"
#include "render/render_settings.h"

TLabelPictures TExportController::ListPictures() const
{
    const TRenderSettings settings = FSource.CurrentRenderSettings();
    return {FList.Items().Count(), settings.Dpi, settings.Font, FList.Items().ColumnHeader(),
            [this, settings](TLabelSheetPainter& labels, int count) {
                TExportJob job(FSource.CurrentSymbology(), settings, FSource.Preview().size(),
                               {&FSource.Symbol()});
                job.PaintLabels(ListEntries(count), labels);
            }};
}

void TExportController::Remember(TStoredSettings& stored) const
{
    stored.LabelSheet = FLastLabelSheet.Sheet;
    stored.LabelText = FLastLabelSheet.Text;
    stored.LabelKeepsModule = FLastLabelSheet.KeepModule;
}

void TExportController::Restore(const TStoredSettings& stored)
{
    FLastLabelSheet.Sheet = stored.LabelSheet;
    FLastLabelSheet.Text = stored.LabelText;
    FLastLabelSheet.KeepModule = stored.LabelKeepsModule;
}

void TExportController::Saveallaslabelsheet1Click()
{
    const std::optional<TDialogService::TLabelSheetChoice> choice =
        FDialogs.ChooseLabelSheet(window(), FLastLabelSheet, ListPictures());
    // The preview of the sheet drew its labels with the window's symbol.
    FSource.UpdateBarcode();
    if (!choice)
        return;
    FLastLabelSheet = *choice;
    const TLabelSheetReading sheet = ReadLabelSheet(choice->Sheet);
    if (!sheet.Sheet) {
        ShowError(Translate(QStringLiteral("Cannot use the label sheet")), sheet.Error);
        return;
    }
    const std::optional<QString> folder = PickExportFolder();
    if (!folder)
        return;
    if (FList.Items().Count() == 0)
        return;

    const TItemListModel& items = FList.Items();
    TExportJob job(FSource.CurrentSymbology(), FSource.CurrentRenderSettings(),
                   FSource.Preview().size(), {&FSource.Symbol()});
    TFolderExportReport report{*folder, 0, items.Count(), false, {}, {}, true, {}};
    TExportCallbacks callbacks;
    callbacks.EntryDone = [&](qsizetype index, const TEntryOutcome& outcome) {
        const TReportedEntry entry{int(index) + 1, items.Text(int(index)),
                                   outcome.Error.isEmpty() ? outcome.Note : outcome.Error};
        if (outcome.State == TEntryState::esFailed) {
            report.Failures.push_back(entry);
            return true;
        }
        ++report.Written;
        // A symbol larger than its label is drawn smaller; the summary says by how much.
        if (!outcome.Note.isEmpty())
            report.ScaledDown.push_back(entry);
        return true;
    };
    try {
        const TBusyCursor busy;
        const TLabelPlacement placement =
            LabelSheetPlacement(*choice, FSource.CurrentRenderSettings().Font);
        report.SheetFile =
            job.WriteLabelSheet(ListEntries(), {*folder, *sheet.Sheet, placement}, callbacks)
                .Written;
    } catch (const EZintException& error) {
        FSource.UpdateBarcode();
        ShowError(Translate(QStringLiteral("Cannot save the label sheet")),
                  MessageSentence(QString::fromUtf8(error.what())));
        return;
    }
    // The shared symbol was used for every entry: the preview shows the current text again.
    FSource.UpdateBarcode();
    if (FDialogs.FolderExportSummary(window(), report))
        FDialogs.OpenFolder(*folder);
}
