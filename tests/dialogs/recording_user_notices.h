#pragma once

#include "dialogs/user_notices.h"

#include <QString>

#include <vector>

// Records every message box and beep of a window instead of showing or sounding it.
class TRecordingUserNotices final : public TUserNotices
{
public:
    struct TMessage
    {
        QString Caption;
        QString Text;
        TNoticeIcon Icon;
    };

    std::vector<TMessage> Messages;
    int Beeps = 0;

    void ShowMessage(QWidget*, const QString& caption, const QString& text,
                     TNoticeIcon icon) override
    {
        Messages.push_back({caption, text, icon});
    }
    void Beep() override { ++Beeps; }
};
