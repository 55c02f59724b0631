#include "menu_closer.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

void CloseNextMenu()
{
    QTimer::singleShot(0, [] {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    });
}
