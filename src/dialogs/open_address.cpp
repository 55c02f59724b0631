#include "dialogs/open_address.h"

#include "dialogs/user_notices.h"
#include "i18n/translation_engine.h"

#include <QDesktopServices>
#include <QWidget>

bool OpenAddress(const QUrl& address, TUserNotices& notices, QWidget* parent)
{
    if (QDesktopServices::openUrl(address))
        return true;
    notices.ShowMessage(parent, parent->windowTitle(), AddressNotOpenedText(address),
                        TUserNotices::TNoticeIcon::niError);
    return false;
}

QString AddressNotOpenedText(const QUrl& address)
{
    return Translate(QStringLiteral("No program on this system could open %1."))
        .arg(address.toDisplayString(QUrl::PreferLocalFile));
}
