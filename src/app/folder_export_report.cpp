#include "app/folder_export_report.h"

#include "app/window_message.h"
#include "i18n/translation_engine.h"

#include <QDir>

QString FolderExportSummaryText(const TFolderExportReport& report)
{
    QString text =
        report.Written == 1
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

QString FolderExportSummaryTitle(const TFolderExportReport& report)
{
    const auto errors = qsizetype(report.Failures.size());
    if (report.Stopped)
        return errors == 0 ? Translate(QStringLiteral("Export stopped"))
               : errors == 1
                   ? Translate(QStringLiteral("Export stopped with 1 error"))
                   : Translate(QStringLiteral("Export stopped with %1 errors")).arg(errors);
    return errors == 0   ? Translate(QStringLiteral("Export finished"))
           : errors == 1 ? Translate(QStringLiteral("Export finished with 1 error"))
                         : Translate(QStringLiteral("Export finished with %1 errors")).arg(errors);
}

QString ReportedEntryLine(const TReportedEntry& entry)
{
    return QStringLiteral("%1\t%2\t%3")
        .arg(entry.Number)
        .arg(entry.Text, MessageSentence(entry.Message));
}
