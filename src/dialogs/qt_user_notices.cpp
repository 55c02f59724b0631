#include "dialogs/qt_user_notices.h"

#include <QApplication>
#include <QMessageBox>

void TQtUserNotices::ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                                 TNoticeIcon icon)
{
    // The windows break their messages' lines with a lone CR, which a Qt label would not show.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon == TNoticeIcon::niError ? QMessageBox::Critical : QMessageBox::Information,
                    caption, lines, QMessageBox::Ok, parent);
    box.exec();
}

void TQtUserNotices::Beep()
{
    QApplication::beep();
}

TUserNotices& QtUserNotices()
{
    static TQtUserNotices notices;
    return notices;
}
