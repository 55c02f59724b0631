// The Help menu's online help and its two windows: feedback and about. Each is made anew, shown
// modally and frees itself when closed.
#include "app/app_form.h"

#include "dialogs/about_box.h"
#include "dialogs/feedback_form.h"
#include "dialogs/open_address.h"
#include "dialogs/qt_user_notices.h"

#include <QFileInfo>

TProgramFacts TAppForm::ProgramFacts() const
{
    return {FIdentity.AppName, FIdentity.AppProductName, FIdentity.AppVersion,
            FIdentity.AppProductVersion, QFileInfo(FEnvironment.ProgramPath).absolutePath()};
}

void TAppForm::Help2Click()
{
    OpenAddress(QUrl(OnlineHelpAddress(FIdentity.AppProductName)), QtUserNotices(), this);
}

void TAppForm::SendFeedback1Click()
{
    (new TFeedbackForm(ProgramFacts(), QtUserNotices(), this))->exec();
}

void TAppForm::About1Click()
{
    (new TAboutBox(ProgramFacts(), QtUserNotices(), this))->exec();
}
