#include "update/download_address.h"

#include "platform/maker_web_host.h"

QUrl MakerHomePage()
{
    return QUrl(QStringLiteral("https://") + QLatin1String(MakerWebHost) + QLatin1Char('/'));
}

QUrl DownloadAddress(const QString& downloadUrl)
{
    const QUrl url(downloadUrl.trimmed(), QUrl::StrictMode);
    const bool web =
        url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
    return url.isValid() && web && !url.host().isEmpty() ? url : MakerHomePage();
}
