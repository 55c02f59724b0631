// The update check: the worker started by the first tick of TimerChecker, its results polled
// by the later ticks, the popup, the "Update Notifications" switch and the identifier's reset.
#include "app/app_form.h"

#include "dialogs/new_ver.h"
#include "dialogs/qt_user_notices.h"
#include "platform/user_store.h"
#include "update/checker.h"
#include "update/installation_id.h"
#include "update/update_notifications.h"
#include "update/update_results.h"

#include <QAction>
#include <QTimer>

void TAppForm::TimerCheckerTimer()
{
    if (!FChecker) {
        FUpdateResults = std::make_unique<TUpdateResults>();
        FChecker = std::make_unique<TChecker>(
            CurrentCheckSetup(FIdentity.AppName, FIdentity.AppVersion), *FUpdateResults);
        FChecker->start();
        return;
    }
    if (!FUpdateResults->CheckDone.load(std::memory_order_acquire))
        return;
    TimerChecker->stop();
    UpdateNotifications1->setEnabled(true);
    ResetIdentifier1->setEnabled(true);
    if (FUpdateResults->ShowUpdate == 0)
        UpdateNotifications1->setChecked(false);
    if (FUpdateResults->NewVersionAvailable)
        new TNewVer(FIdentity.AppProductName, FUpdateResults->LatestVersion,
                    FUpdateResults->DownloadURL, QtUserNotices(), this);
}

void TAppForm::UpdateNotifications1Click(bool checked)
{
    if (checked)
        EnableUpdateNotifications(*FUpdateResults);
    else
        DisableUpdateNotifications(*FUpdateResults);
}

void TAppForm::ResetIdentifier1Click()
{
    if (FUpdateResults->Store)
        ResetInstallationId(*FUpdateResults->Store);
}
