// "Save all as label sheet...": every entry of the list on one label of a PDF sheet.
#include "app/export_controller.h"

#include "app/folder_export_report.h"
#include "app/item_list_model.h"
#include "app/list_pane.h"
#include "app/preview_image.h"
#include "app/window_message.h"
#include "base/zint_exception.h"
#include "dialogs/busy_cursor.h"
#include "i18n/translation_engine.h"
#include "io/export_job.h"
#include "render/render_settings.h"

void TExportController::Saveallaslabelsheet1Click()
{
    const std::optional<TDialogService::TLabelSheetChoice> choice =
        FDialogs.ChooseLabelSheet(window(), FLastLabelSheet);
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
    TFolderExportReport report{*folder, 0, items.Count(), false, {}, {}};
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
        job.WriteLabelSheet(ListEntries(), {*folder, *sheet.Sheet, choice->CutGuides}, callbacks);
    } catch (const EZintException& error) {
        ShowError(Translate(QStringLiteral("Cannot save the label sheet")),
                  MessageSentence(QString::fromUtf8(error.what())));
        return;
    }
    // The shared symbol was used for every entry: the preview shows the current text again.
    FSource.UpdateBarcode();
    if (FDialogs.FolderExportSummary(window(), report))
        FDialogs.OpenFolder(*folder);
}
