#include "dialogs/maker_pages.h"

#include "platform/maker_web_host.h"

#include <QString>

namespace {
QString MakerPage(const char* path)
{
    return QStringLiteral("https://") + QLatin1String(MakerWebHost) + QLatin1String(path);
}
} // namespace

QString MakerAcknowledgementsPage()
{
    return MakerPage("/acknowledgements/");
}

QString MakerUninstallPage()
{
    return MakerPage("/uninstall/");
}

QString MakerWebAddress()
{
    return QLatin1String(MakerWebHost);
}
