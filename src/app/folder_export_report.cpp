#include "app/folder_export_report.h"

#include "i18n/translation_engine.h"

#include <QDir>

namespace {
QString SheetSummaryText(const TFolderExportReport& report)
{
    if (report.SheetFile.isEmpty())
        return Translate(QStringLiteral("No label sheet was written: no entry could be drawn."));
    const QString file = QDir::toNativeSeparators(report.SheetFile);
    return report.Written == 1 ? Translate(QStringLiteral("1 label written to %1.")).arg(file)
                               : Translate(QStringLiteral("%1 labels written to %2."))
                                     .arg(report.Written)
                                     .arg(file);
}
} // namespace

QString FolderExportSummaryText(const TFolderExportReport& report)
{
    QString text =
        report.IsSheet ? SheetSummaryText(report)
        : report.Written == 1
            ? QStringLiteral("1 image written to %1.").arg(QDir::toNativeSeparators(report.Folder))
            : QStringLiteral("%1 images written to %2.")
                  .arg(report.Written)
                  .arg(QDir::toNativeSeparators(report.Folder));
    if (report.Stopped)
        text +=
            QStringLiteral("\nStopped before the end of the list (%1 entries).").arg(report.Total);
    if (!report.Failures.empty())
        text += report.Failures.size() == 1
                    ? QStringLiteral("\n1 entry failed:")
                    : QStringLiteral("\n%1 entries failed:").arg(report.Failures.size());
    if (!report.ScaledDown.empty())
        text +=
            report.ScaledDown.size() == 1
                ? QStringLiteral("\n1 label drawn smaller to fit:")
                : QStringLiteral("\n%1 labels drawn smaller to fit:").arg(report.ScaledDown.size());
    return text;
}

QString ReportedEntryLine(const TReportedEntry& entry)
{
    return QStringLiteral("%1\t%2\t%3").arg(entry.Number).arg(entry.Text, entry.Message);
}
