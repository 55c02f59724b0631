// "Save all as label sheet...": every entry of the list on one label of a PDF sheet.
#include "app/export_controller.h"

#include "app/folder_export_report.h"
#include "app/item_list_model.h"
#include "app/list_pane.h"
#include "app/preview_image.h"
#include "base/zint_exception.h"
#include "dialogs/busy_cursor.h"
#include "io/entry_export.h"
#include "io/label_sheet_writer.h"
#include "render/render_settings.h"
#include "render/zint_metafile.h"

void TExportController::Saveallaslabelsheet1Click()
{
    const std::optional<TDialogService::TLabelSheetChoice> choice =
        FDialogs.ChooseLabelSheet(window(), FLastLabelSheet);
    if (!choice)
        return;
    FLastLabelSheet = *choice;
    const TLabelSheetReading sheet = ReadLabelSheet(choice->Sheet);
    if (!sheet.Sheet) {
        ShowError(sheet.Error);
        return;
    }
    const std::optional<QString> folder = PickExportFolder();
    if (!folder)
        return;
    if (FList.Items().Count() == 0)
        return;

    const TRenderSettings settings = FSource.CurrentRenderSettings();
    const TZintSymbology symbology = FSource.CurrentSymbology();
    TFolderExportReport report{*folder, 0, FList.Items().Count(), false, {}};
    try {
        const TBusyCursor busy;
        TLabelSheetWriter writer(*sheet.Sheet, settings.Dpi,
                                 {settings.HAlign, settings.VAlign, choice->CutGuides});
        for (int i = 0; i < FList.Items().Count(); ++i) {
            try {
                writer.AddLabel(RenderEntryPicture(FSource.Symbol(), symbology,
                                                   FList.Items().Text(i), settings,
                                                   FSource.Preview().size()));
                ++report.Written;
            } catch (const EZintException& error) {
                writer.SkipLabel();
                report.Failures.push_back(
                    {i + 1, FList.Items().Text(i), QString::fromUtf8(error.what())});
            }
        }
        PublishLabelSheet(writer.Finish(), *folder);
    } catch (const EZintException& error) {
        ShowError(QString::fromUtf8(error.what()));
        return;
    }
    // The shared symbol was used for every entry: the preview shows the current text again.
    FSource.UpdateBarcode();
    if (FDialogs.FolderExportSummary(window(), report))
        FDialogs.OpenFolder(*folder);
}
