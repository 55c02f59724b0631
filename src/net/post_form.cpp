#include "net/post_form.h"

#include <QByteArray>
#include <QUrl>

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace {
constexpr qsizetype MaxBodyBytes = 64 * 1024;

struct TReceived
{
    QByteArray Body;
    bool TooLarge = false;
};

size_t Receive(char* data, size_t size, size_t count, void* userData)
{
    auto* received = static_cast<TReceived*>(userData);
    const size_t bytes = size * count;
    // A bigger answer is not one of ours; stopping here keeps it out of memory.
    if (received->Body.size() + qsizetype(bytes) > MaxBodyBytes) {
        received->TooLarge = true;
        return 0;
    }
    received->Body.append(data, qsizetype(bytes));
    return bytes;
}

int CheckCancelled(void* userData, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    const auto* cancelled = static_cast<const std::atomic<bool>*>(userData);
    return cancelled && cancelled->load(std::memory_order_acquire) ? 1 : 0;
}

QByteArray EncodeForm(const QStringList& fields)
{
    QByteArray body;
    for (const QString& field : fields) {
        const qsizetype equals = field.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? field : field.left(equals);
        const QString value = equals < 0 ? QString() : field.mid(equals + 1);
        if (!body.isEmpty())
            body += '&';
        body += QUrl::toPercentEncoding(name) + '=' + QUrl::toPercentEncoding(value);
    }
    return body;
}

void InitialiseCurlOnce()
{
    // curl_global_init is not safe to race; the worker and the GUI thread may both post.
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

using TCurlHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;
using THeaderList = std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)>;

THeaderList RequestHeaders(bool secure)
{
    // Without this curl may wait for a "100 Continue" that simple form handlers never send.
    curl_slist* headers = curl_slist_append(nullptr, "Expect:");
    if (secure)
        headers = curl_slist_append(headers, "Connection: close");
    return THeaderList(headers, &curl_slist_free_all);
}

std::string FailureMessage(CURLcode code, const char* errorBuffer, const TReceived& received)
{
    if (received.TooLarge)
        return "The answer is larger than 64 KiB.";
    if (code == CURLE_ABORTED_BY_CALLBACK)
        return "The post was cancelled.";
    return errorBuffer[0] ? std::string(errorBuffer) : std::string(curl_easy_strerror(code));
}
} // namespace

QString PostForm(const QString& address, const QStringList& fields, const TPostTimeouts& timeouts,
                 const std::atomic<bool>* cancelled)
{
    InitialiseCurlOnce();
    TCurlHandle curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl)
        throw EPostFormError("curl could not start a transfer.");
    CURL* handle = curl.get();

    const QByteArray url = address.toUtf8();
    const QByteArray body = EncodeForm(fields);
    const THeaderList headers =
        RequestHeaders(address.toLower().startsWith(QLatin1String("https://")));
    const QByteArray caBundle = qgetenv("LINTARO_CA_BUNDLE");
    TReceived received;
    char errorBuffer[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(handle, CURLOPT_URL, url.constData());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE, long(body.size()));
    curl_easy_setopt(handle, CURLOPT_COPYPOSTFIELDS, body.constData());
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(handle, CURLOPT_USERAGENT, LINTARO_USER_AGENT);
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, long(timeouts.ConnectMs));
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, long(timeouts.ConnectMs) + timeouts.ResponseMs);
    // Trust stays verified; a mirror or a test may name its own certificate authority.
    if (!caBundle.isEmpty())
        curl_easy_setopt(handle, CURLOPT_CAINFO, caBundle.constData());
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &Receive);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &received);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &CheckCancelled);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, cancelled);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorBuffer);

    const CURLcode code = curl_easy_perform(handle);
    if (code != CURLE_OK)
        throw EPostFormError(FailureMessage(code, errorBuffer, received));

    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status > 299)
        throw EPostFormError("The server answered with HTTP status " + std::to_string(status) +
                             ".");
    return QString::fromUtf8(received.Body);
}
