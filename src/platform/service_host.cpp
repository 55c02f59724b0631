#include "platform/service_host.h"

#include "platform/maker_web_host.h"

#include <QUrl>

namespace {
const QString Https = QStringLiteral("https://");
const QString Http = QStringLiteral("http://");

// "http://" or "https://" when `text` begins with one, else nothing.
QString NamedScheme(const QString& text)
{
    for (const QString& scheme : {Https, Http})
        if (text.startsWith(scheme, Qt::CaseInsensitive))
            return scheme;
    return {};
}

// Only a bare authority: a path, a user or a query would change where the posts go.
bool IsHostAndPort(const QString& text)
{
    const QString authority = text.mid(NamedScheme(text).size());
    const QUrl url(Https + authority, QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty() && url.userInfo().isEmpty() &&
           url.path().isEmpty() && !url.hasQuery() && !url.hasFragment() &&
           url.authority().compare(authority, Qt::CaseInsensitive) == 0;
}
} // namespace

QString MakerServiceHost()
{
    const QString configured = qEnvironmentVariable("LINTARO_SERVICE_HOST").trimmed();
    return IsHostAndPort(configured) ? configured : QString::fromLatin1(MakerWebHost);
}

QString ServiceAddress(const QString& serviceHost, const QString& path)
{
    const QString scheme = NamedScheme(serviceHost);
    if (scheme.isEmpty())
        return Https + serviceHost + path;
    return scheme + serviceHost.mid(scheme.size()) + path;
}
