#pragma once

#include "base/zint_exception.h"

#include <QEvent>
#include <QObject>

// An event handler that fails the way a file operation does, on a QEvent::User.
class TFailingReceiver final : public QObject
{
public:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw EZintException("Cannot open file \"x.txt\". No such file or directory");
        return QObject::event(event);
    }
};
