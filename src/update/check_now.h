#pragma once

#include <QString>

#include <atomic>

struct TUpdateResults;

// What the update check takes from the program and the system.
struct TCheckSetup
{
    QString AppName;
    QString AppVersion;
    QString ServiceHost;   // host[:port] of the update service
    QString Today;         // the date in the user's short date format: the day counter's key
    QString MachineIdFile; // the system's machine id, sent only as a keyed hash
};

// The setup of a real run: the service host, today's date and /etc/machine-id.
TCheckSetup CurrentCheckSetup(const QString& appName, const QString& appVersion);

// One update check: opens the per-user store into `results` if it is not open yet, counts the
// start and the day's contacts, asks the service (https, then http) when announcements are on
// and fewer than five contacts were made today, and decides whether to announce the answer.
// Sets results.CheckDone last. `cancelled` cuts a running post short.
void CheckNow(const TCheckSetup& setup, TUpdateResults& results,
              const std::atomic<bool>* cancelled = nullptr);
