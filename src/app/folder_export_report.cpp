#include "app/folder_export_report.h"

#include "app/window_message.h"
#include "i18n/translation_engine.h"

#include <QDir>
#include <QGuiApplication>

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
    // A path keeps its own left-to-right order inside a right-to-left sentence.
    const QString path = QDir::toNativeSeparators(report.Folder);
    const QString folder =
        QGuiApplication::isRightToLeft() ? QChar(0x2068) + path + QChar(0x2069) : path;
    QString text =
        report.IsSheet ? SheetSummaryText(report)
        : report.Written == 1
            ? Translate(QStringLiteral("1 image written to %1.")).arg(folder)
            : Translate(QStringLiteral("%1 images written to %2.")).arg(report.Written).arg(folder);
    QStringList lines{text};
    if (report.Stopped)
        lines << Translate(QStringLiteral("Stopped before the end of the list (%1 entries)."))
                     .arg(report.Total);
    if (!report.Failures.empty())
        lines
            << (report.Failures.size() == 1
                    ? Translate(QStringLiteral("1 entry failed:"))
                    : Translate(QStringLiteral("%1 entries failed:")).arg(report.Failures.size()));
    if (!report.ScaledDown.empty())
        lines << (report.ScaledDown.size() == 1
                      ? Translate(QStringLiteral("1 label drawn smaller to fit:"))
                      : Translate(QStringLiteral("%1 labels drawn smaller to fit:"))
                            .arg(report.ScaledDown.size()));
    return lines.join(u'\n');
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
