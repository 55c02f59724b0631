#pragma once

class QString;
class QWidget;

// The message boxes and the beep of the auxiliary windows, behind one interface so that tests
// can observe them.
class TUserNotices
{
public:
    enum class TNoticeIcon
    {
        niInformation,
        niError,
    };

    virtual ~TUserNotices() = default;

    virtual void ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                             TNoticeIcon icon) = 0;
    virtual void Beep() = 0;
};
