#include "update/download_address.h"

#include "platform/maker_web_host.h"

QUrl MakerHomePage()
{
    return QUrl(QStringLiteral("https://") + QLatin1String(MakerWebHost) + QLatin1Char('/'));
}

namespace {
// A host that reads as one place and leads to another: letters from other scripts, or their
// ASCII ("xn--") form.
bool IsLookAlikeHost(const QUrl& url)
{
    const QString host = url.host(QUrl::FullyEncoded);
    if (url.host(QUrl::FullyDecoded) != host)
        return true;
    for (const QString& label : host.split(QLatin1Char('.')))
        if (label.startsWith(QLatin1String("xn--"), Qt::CaseInsensitive))
            return true;
    return false;
}
} // namespace

QUrl DownloadAddress(const QString& downloadUrl)
{
    const QUrl url(downloadUrl.trimmed(), QUrl::StrictMode);
    const bool web =
        url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
    // "https://maker.example@elsewhere.example/" names a user, not the maker's host.
    const bool plain = url.userInfo().isEmpty() && !IsLookAlikeHost(url);
    return url.isValid() && web && !url.host().isEmpty() && plain ? url : MakerHomePage();
}
