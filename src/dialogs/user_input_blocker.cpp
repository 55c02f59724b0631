#include "dialogs/user_input_blocker.h"

#include <QCoreApplication>
#include <QEvent>

TUserInputBlocker::TUserInputBlocker()
{
    QCoreApplication::instance()->installEventFilter(this);
}

TUserInputBlocker::~TUserInputBlocker()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool TUserInputBlocker::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::InputMethod:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
