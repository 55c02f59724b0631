#include "dialogs/qt_user_notices.h"

#include <QApplication>
#include <QMessageBox>

void TQtUserNotices::ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                                 TNoticeIcon icon)
{
    QMessageBox box(icon == TNoticeIcon::niError ? QMessageBox::Critical : QMessageBox::Information,
                    caption, text, QMessageBox::Ok, parent);
    box.exec();
}

void TQtUserNotices::Beep()
{
    QApplication::beep();
}
