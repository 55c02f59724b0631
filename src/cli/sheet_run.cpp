#include "cli/sheet_run.h"

#include "base/zint_exception.h"
#include "cli/batch_options.h"
#include "cli/batch_runner.h"
#include "symbol/zint_symbol.h"

#include <QElapsedTimer>
#include <QTextStream>

TBatchExitCode RunLabelSheet(const TBatchSettings& settings, QTextStream& errors)
{
    const std::optional<TBatchInput> prepared = PrepareBatchRun(settings, errors);
    if (!prepared)
        return becUsageOrInput;
    const TBatchInput& input = *prepared;
    QElapsedTimer clock;
    clock.start();
    const std::unique_ptr<TZintSymbol> symbol = MakeBatchSymbol(settings);
    TExportJob job(settings.Symbology, settings.Render, settings.PreviewArea, {symbol.get()});
    int failed = 0;
    int shrunk = 0;
    int cut = 0;
    int belowMinimum = 0;
    TExportCallbacks callbacks;
    callbacks.EntryDone = [&](qsizetype index, const TEntryOutcome& outcome) {
        if (outcome.State == TEntryState::esFailed)
            ++failed;
        shrunk += outcome.Label.TextShrunk;
        cut += outcome.Label.TextCut;
        belowMinimum += outcome.Label.ModuleBelowMinimum;
        const QString text = EntryReportText(outcome);
        if (!text.isEmpty())
            errors << EntryReportLine(settings, input, index, text);
        return true;
    };
    TExportRun run;
    try {
        run = job.WriteLabelSheet(input.Entries,
                                  {settings.OutputFolder, *settings.Sheet, settings.SheetPlacement},
                                  callbacks);
    } catch (const EZintException& error) {
        // No sheet at all is as bad as a folder that takes no file.
        errors << "error: " << QString::fromUtf8(error.what()) << Qt::endl;
        return becUsageOrInput;
    }
    if (run.Total == 0) {
        errors << "written 0 labels: the input has no entries" << Qt::endl;
        return becAllWritten;
    }
    if (run.Written.isEmpty()) {
        errors << (run.Total == 1
                       ? QStringLiteral("error: The one entry failed; no sheet was written.")
                       : QStringLiteral(
                             "error: Every one of the %1 entries failed; no sheet was written.")
                             .arg(run.Total))
               << Qt::endl;
        return becSomeFailed;
    }
    if (run.NearPaperEdge > 0)
        errors << QStringLiteral("warning: %1 of the labels have something drawn within %2 mm of "
                                 "the paper's edge, where most printers cannot print")
                      .arg(run.NearPaperEdge)
                      .arg(UnprintableEdge)
               << Qt::endl;
    QString given;
    for (const auto& [count, what] : {std::pair(shrunk, "text shrunk"), std::pair(cut, "text cut"),
                                      std::pair(belowMinimum, "module below minimum")})
        if (count > 0)
            given += QStringLiteral(", %1 %2").arg(QLatin1String(what)).arg(count);
    errors << QStringLiteral("written %1 labels on %2 %3 to \"%4\", failed %5%6, %7 s")
                  .arg(run.Total - failed)
                  .arg(run.Pages)
                  .arg(run.Pages == 1 ? QStringLiteral("page") : QStringLiteral("pages"))
                  .arg(run.Written)
                  .arg(failed)
                  .arg(given)
                  .arg(clock.nsecsElapsed() / 1e9, 0, 'f', 2)
           << Qt::endl;
    return failed == 0 ? becAllWritten : becSomeFailed;
}
