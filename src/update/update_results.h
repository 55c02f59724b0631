#pragma once

#include <QString>

#include <atomic>
#include <memory>

class TUserStore;

// What the update check hands to the GUI thread. The worker writes everything and sets
// CheckDone last (release); the GUI thread reads the texts only after it has seen CheckDone
// (acquire), so they need no lock.
struct TUpdateResults final
{
    TUpdateResults();
    ~TUpdateResults();
    TUpdateResults(const TUpdateResults&) = delete;
    TUpdateResults& operator=(const TUpdateResults&) = delete;

    std::atomic<bool> CheckDone{false};
    std::atomic<bool> NewVersionAvailable{false};
    std::atomic<int> ShowUpdate{1};
    std::atomic<bool> CheckFailed{false};
    QString LatestVersion;
    QString DownloadURL;
    // The failures of the run, entries separated by two CRs; nothing shows it.
    QString CheckErrors;
    // Opened by the worker and kept; afterwards written only by the GUI thread.
    std::unique_ptr<TUserStore> Store;
};
