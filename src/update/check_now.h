#pragma once

#include <QString>

#include <atomic>

struct TUpdateResults;

// What the update check takes from the program and the system.
struct TCheckSetup
{
    QString AppName;
    QString AppVersion;
    QString ServiceHost; // [http:// or https://]host[:port] of the update service
    QString Today;       // the ISO date (yyyy-mm-dd): the day counter's key
};

// The setup of a real run: the service host and today's date.
TCheckSetup CurrentCheckSetup(const QString& appName, const QString& appVersion);

// One update check: opens the per-user store into `results` if it is not open yet, counts the
// start and the day's contacts under a lock that all the user's processes share, asks the
// service once (over https unless the host names http://) when announcements are on and
// fewer than five contacts were made today, and announces a strictly newer version. Sets
// results.CheckDone last. `cancelled` cuts a running post short.
void CheckNow(const TCheckSetup& setup, TUpdateResults& results,
              const std::atomic<bool>* cancelled = nullptr);
