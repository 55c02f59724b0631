#pragma once

#include <QGuiApplication>

// The given cursor for as long as the object lives, however the work it guards ends.
class TBusyCursor final
{
public:
    explicit TBusyCursor(Qt::CursorShape shape = Qt::BusyCursor)
    {
        QGuiApplication::setOverrideCursor(shape);
    }
    ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};
