#include "update/checker.h"

#include "update/update_results.h"

TChecker::TChecker(TCheckSetup setup, TUpdateResults& results, QObject* parent)
    : QThread(parent), FSetup(std::move(setup)), FResults(results)
{}

TChecker::~TChecker()
{
    FCancelled.store(true, std::memory_order_release);
    wait();
}

void TChecker::run()
{
    Execute();
}

void TChecker::Execute()
{
    FResults.CheckDone.store(false, std::memory_order_relaxed);
    CheckNow(FSetup, FResults, &FCancelled);
}
