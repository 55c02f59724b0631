#pragma once

#include <QString>

#include <vector>

// An entry of the list that the folder export could not render.
struct TFailedEntry
{
    int Number = 0; // the entry's running number, the name its image would have had
    QString Text;
    QString Error;
};

// What one folder export did: shown to the user when it ends.
struct TFolderExportReport
{
    QString Folder;
    int Written = 0;
    int Total = 0;        // entries in the list
    bool Stopped = false; // cancelled before the last entry
    std::vector<TFailedEntry> Failures;
};

// "3 images written to /x." with what stopped or failed.
QString FolderExportSummaryText(const TFolderExportReport& report);
// "2<tab>B!<tab>error: ..." for the list of failed entries.
QString FailedEntryLine(const TFailedEntry& entry);
