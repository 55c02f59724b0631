#include "cli/sheet_run.h"

#include "base/zint_exception.h"
#include "cli/batch_options.h"
#include "cli/batch_runner.h"
#include "io/label_sheet_writer.h"
#include "render/zint_metafile.h"
#include "symbol/zint_symbology.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

#include <cmath>

TBatchExitCode RunLabelSheet(const TBatchSettings& settings, QTextStream& errors)
{
    const std::optional<TBatchInput> prepared = PrepareBatchRun(settings, errors);
    if (!prepared)
        return becUsageOrInput;
    const std::vector<TBatchEntry>& entries = prepared->Entries;
    QElapsedTimer clock;
    clock.start();
    const QString symbologyName =
        QString::fromUtf8(SymbologyCatalogue[std::size_t(settings.Symbology)].DisplayName);
    TBatchWorker worker(settings);
    TLabelSheetWriter writer(*settings.Sheet, settings.Render.Dpi,
                             {settings.Render.HAlign, settings.Render.VAlign, settings.CutGuides});
    int failed = 0;
    for (const TBatchEntry& entry : entries) {
        const QString where =
            QStringLiteral("line %1: %2: ").arg(entry.LineNumber).arg(symbologyName);
        try {
            const double scale = writer.AddLabel(worker.RenderPicture(entry.Text));
            if (scale < 1)
                errors
                    << where
                    << QStringLiteral("drawn at %1% to fit the label").arg(std::floor(scale * 100))
                    << '\n';
        } catch (const EZintException& error) {
            writer.SkipLabel();
            ++failed;
            errors << where << AsErrorText(error.what()) << '\n';
        }
    }
    if (entries.empty()) {
        errors << "written 0 labels: the input has no entries" << Qt::endl;
        return becAllWritten;
    }
    QString written;
    try {
        written = PublishLabelSheet(writer.Finish(), settings.OutputFolder);
    } catch (const EZintException& error) {
        errors << QString::fromUtf8(error.what()) << Qt::endl;
        return becSomeFailed;
    }
    errors << QStringLiteral("written %1 labels on %2 %3 to \"%4\", failed %5, %6 s")
                  .arg(qsizetype(entries.size()) - failed)
                  .arg(writer.Pages())
                  .arg(writer.Pages() == 1 ? QStringLiteral("page") : QStringLiteral("pages"))
                  .arg(written)
                  .arg(failed)
                  .arg(clock.nsecsElapsed() / 1e9, 0, 'f', 2)
           << Qt::endl;
    return failed == 0 ? becAllWritten : becSomeFailed;
}
