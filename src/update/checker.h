#pragma once

#include "update/check_now.h"

#include <QThread>

#include <atomic>

// The update check's worker thread: runs CheckNow once. Its owner destroys it; a check that
// is still running then has its post cut short and is waited for, so closing the program
// neither hangs on the network nor leaves the thread writing into freed results.
class TChecker final : public QThread
{
public:
    // `results` must outlive the checker.
    TChecker(TCheckSetup setup, TUpdateResults& results, QObject* parent = nullptr);
    ~TChecker() override;

protected:
    void run() override;

private:
    void Execute();

    const TCheckSetup FSetup;
    TUpdateResults& FResults;
    std::atomic<bool> FCancelled{false};
};
