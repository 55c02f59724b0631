// "Save all as label sheet...": every entry of the list on one label of a PDF sheet.
#include "app/app_form.h"

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

#include <QComboBox>
#include <QGuiApplication>

void TAppForm::Saveallaslabelsheet1Click()
{
    const std::optional<TDialogService::TLabelSheetChoice> choice =
        FEnvironment.Dialogs->ChooseLabelSheet(this, FLastLabelSheet);
    if (!choice)
        return;
    FLastLabelSheet = *choice;
    const TLabelSheetReading sheet = ReadLabelSheet(choice->Sheet);
    if (!sheet.Sheet) {
        FEnvironment.Dialogs->ErrorBox(this, QGuiApplication::applicationDisplayName(),
                                       sheet.Error);
        return;
    }
    const std::optional<QString> folder = PickExportFolder();
    if (!folder)
        return;
    if (FListPane->Items().Count() == 0)
        return;

    const TRenderSettings settings = CurrentRenderSettings();
    const TZintSymbology symbology = TZintSymbology(comType->currentData().toInt());
    TFolderExportReport report{*folder, 0, FListPane->Items().Count(), false, {}};
    try {
        const TBusyCursor busy;
        TLabelSheetWriter writer(*sheet.Sheet, settings.Dpi,
                                 {settings.HAlign, settings.VAlign, choice->CutGuides});
        for (int i = 0; i < FListPane->Items().Count(); ++i) {
            try {
                writer.AddLabel(RenderEntryPicture(*FSymbol, symbology, FListPane->Items().Text(i),
                                                   settings, imgResult->size()));
                ++report.Written;
            } catch (const EZintException& error) {
                writer.SkipLabel();
                report.Failures.push_back(
                    {i + 1, FListPane->Items().Text(i), QString::fromUtf8(error.what())});
            }
        }
        PublishLabelSheet(writer.Finish(), *folder);
    } catch (const EZintException& error) {
        ShowDefaultError(error);
        return;
    }
    // The shared symbol was used for every entry: the preview shows the current text again.
    UpdateBarcode();
    if (FEnvironment.Dialogs->FolderExportSummary(this, report))
        FEnvironment.Dialogs->OpenFolder(*folder);
}
