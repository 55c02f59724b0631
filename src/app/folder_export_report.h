#pragma once

#include <QString>

#include <vector>

// An entry of the list the export has something to say about.
struct TReportedEntry
{
    int Number = 0; // the entry's running number, the name its image would have had
    QString Text;
    QString Message; // why it failed, or what became of it ("drawn at P% to fit the label")
};

// What one folder export did: shown to the user when it ends.
struct TFolderExportReport
{
    QString Folder;
    int Written = 0;
    int Total = 0;        // entries in the list
    bool Stopped = false; // cancelled before the last entry
    std::vector<TReportedEntry> Failures;
    std::vector<TReportedEntry> ScaledDown; // labels drawn smaller to fit a label sheet
    bool IsSheet = false;
    QString SheetFile; // the label sheet written; empty when none was
};

// "3 images written to /x." with what stopped or failed.
QString FolderExportSummaryText(const TFolderExportReport& report);
// The summary's title: "Export finished with 3 errors", "Export stopped", ...
QString FolderExportSummaryTitle(const TFolderExportReport& report);
// "2<tab>B!<tab>Invalid character ..." for the list of failed and scaled-down entries.
QString ReportedEntryLine(const TReportedEntry& entry);
