#pragma once

#include "dialogs/user_notices.h"

// Qt's message box and the system beep.
class TQtUserNotices final : public TUserNotices
{
public:
    void ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                     TNoticeIcon icon) override;
    void Beep() override;
};

// The one the program's windows share.
TUserNotices& QtUserNotices();
