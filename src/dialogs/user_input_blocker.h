#pragma once

#include <QObject>

// Swallows every key, mouse, wheel and touch event of the application while it lives, so that
// a window stays as it is, still painting, while it waits for something.
class TUserInputBlocker final : public QObject
{
    Q_OBJECT

public:
    TUserInputBlocker();
    ~TUserInputBlocker() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
