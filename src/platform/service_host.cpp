#include "platform/service_host.h"

#include "platform/maker_web_host.h"

#include <QUrl>

namespace {
// Only a bare authority: a path, a user or a query would change where the posts go.
bool IsHostAndPort(const QString& text)
{
    const QUrl url(QStringLiteral("http://") + text, QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty() && url.userInfo().isEmpty() &&
           url.path().isEmpty() && !url.hasQuery() && !url.hasFragment() &&
           url.authority().compare(text, Qt::CaseInsensitive) == 0;
}
} // namespace

QString MakerServiceHost()
{
    const QString configured = qEnvironmentVariable("LINTARO_SERVICE_HOST").trimmed();
    return IsHostAndPort(configured) ? configured : QString::fromLatin1(MakerWebHost);
}
