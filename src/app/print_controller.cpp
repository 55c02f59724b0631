#include "app/print_controller.h"

#include "app/export_controller.h"
#include "app/folder_export_report.h"
#include "app/item_list_model.h"
#include "app/label_sheet_placement.h"
#include "app/label_sheet_preview.h"
#include "app/list_pane.h"
#include "app/preview_image.h"
#include "base/zint_exception.h"
#include "dialogs/busy_cursor.h"
#include "i18n/translation_engine.h"
#include "io/entry_export.h"
#include "io/export_job.h"
#include "io/label_sheet_painter.h"
#include "render/physical_units.h"
#include "render/render_settings.h"

#include <QAction>
#include <QPrinter>

TPrintController::TPrintController(TDialogService& dialogs, TExportSource& source,
                                   TExportController& exports, TListPane& list, QWidget* window)
    : QObject(window), FDialogs(dialogs), FSource(source), FExports(exports), FList(list),
      FWindow(window), Print1(new QAction(Translate(QStringLiteral("&Print...")), this)),
      PrintPreview1(new QAction(Translate(QStringLiteral("Print Pre&view...")), this))
{
    FLastLayout.OnePerPage = true;
    Print1->setObjectName(QStringLiteral("Print1"));
    Print1->setShortcut(QKeySequence::Print);
    PrintPreview1->setObjectName(QStringLiteral("PrintPreview1"));
    connect(Print1, &QAction::triggered, this, &TPrintController::Print1Click);
    connect(PrintPreview1, &QAction::triggered, this, &TPrintController::PrintPreview1Click);
}

QList<QAction*> TPrintController::Actions() const
{
    return {Print1, PrintPreview1};
}

TRenderSettings AtPrinterResolution(const TRenderSettings& settings, int dpi)
{
    TRenderSettings printed = settings;
    if (settings.ModuleSizeMode == TModuleSizeMode::msmPixels) {
        printed.ModuleSizeMode = TModuleSizeMode::msmMillimetres;
        printed.ModuleSize =
            float(double(ModuleWidthInPixels(settings)) * MillimetresPerInch / settings.Dpi);
    }
    printed.Dpi = dpi;
    return printed;
}

TLabelSheet PrintablePageSheet(const QPrinter& printer)
{
    const QPageLayout layout = printer.pageLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
    TLabelSheet sheet;
    sheet.Page = paper.size();
    sheet.Label = printable.size();
    sheet.Margins = {printable.left(), printable.top(), paper.right() - printable.right(),
                     paper.bottom() - printable.bottom()};
    return sheet;
}

bool TPrintController::ChooseLayout(QPrinter& printer)
{
    const std::optional<TDialogService::TLabelSheetChoice> layout =
        FDialogs.ChoosePrintLayout(FWindow, FLastLayout, FExports.ListPictures());
    // The layout's preview drew its labels with the window's symbol.
    FSource.UpdateBarcode();
    if (!layout)
        return false;
    FLastLayout = *layout;
    if (!layout->OnePerPage) {
        const TLabelSheet sheet = ReadLabelSheet(layout->Sheet).Sheet.value();
        printer.setPageSize(
            QPageSize(sheet.Page, QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
        printer.setPageOrientation(QPageLayout::Portrait);
        printer.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
    }
    return true;
}

void TPrintController::PrintList(QPrinter& printer)
{
    const TItemListModel& items = FList.Items();
    if (items.Count() == 0)
        return;
    // The sheet's labels are measured from the paper's corner, not from the printable area.
    const TLabelSheet sheet = FLastLayout.OnePerPage
                                  ? PrintablePageSheet(printer)
                                  : ReadLabelSheet(FLastLayout.Sheet).Sheet.value();
    printer.setFullPage(true);
    const int dpi = printer.resolution();
    TExportJob job(FSource.CurrentSymbology(),
                   AtPrinterResolution(FSource.CurrentRenderSettings(), dpi),
                   FSource.Preview().size(), {&FSource.Symbol()});
    std::vector<TReportedEntry> failures;
    TExportCallbacks callbacks;
    callbacks.EntryDone = [&](qsizetype index, const TEntryOutcome& outcome) {
        if (outcome.State == TEntryState::esFailed)
            failures.push_back({int(index) + 1, items.Text(int(index)), outcome.Error});
        return true;
    };
    try {
        const TBusyCursor busy;
        // One symbol a page is the window's picture; a sheet's labels are drawn as its form says.
        const TLabelPlacement placement =
            FLastLayout.OnePerPage
                ? TLabelPlacement()
                : LabelSheetPlacement(FLastLayout, FSource.CurrentRenderSettings().Font);
        TLabelSheetPainter labels(printer, sheet, dpi, placement);
        job.PaintLabels(FExports.ListEntries(), labels, callbacks);
        labels.End();
    } catch (const EZintException& error) {
        FSource.UpdateBarcode();
        FDialogs.ErrorBox(FWindow, Translate(QStringLiteral("Cannot print")),
                          QString::fromUtf8(error.what()));
        return;
    }
    FSource.UpdateBarcode();
    if (failures.empty())
        return;
    QStringList lines{Translate(QStringLiteral("%1 of %2 entries could not be printed; their "
                                               "labels are left empty:"))
                          .arg(failures.size())
                          .arg(items.Count())};
    for (const TReportedEntry& entry : failures)
        lines << ReportedEntryLine(entry);
    FDialogs.ErrorBox(FWindow, Translate(QStringLiteral("Printing finished with errors")),
                      lines.join(QLatin1Char('\n')));
}

void TPrintController::Print1Click()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!ChooseLayout(printer) || !FDialogs.SetUpPrinter(FWindow, printer))
        return;
    PrintList(printer);
}

void TPrintController::PrintPreview1Click()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!ChooseLayout(printer))
        return;
    FDialogs.ShowPrintPreview(FWindow, printer, [this](QPrinter& pages) { PrintList(pages); });
}
