#include "net/post_form.h"

#include <QByteArray>
#include <QUrl>

#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <mutex>

namespace {
constexpr qsizetype MaxBodyBytes = 64 * 1024;
// How often a waiting post looks at the cancel flag and the clock.
constexpr int PollMs = 50;

using TClock = std::chrono::steady_clock;

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
using TMultiHandle = std::unique_ptr<CURLM, decltype(&curl_multi_cleanup)>;
using THeaderList = std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)>;

// Keeps the transfer in the multi handle for as long as both live.
class TAttachedTransfer final
{
public:
    TAttachedTransfer(CURLM* multi, CURL* transfer) : FMulti(multi), FTransfer(transfer)
    {
        curl_multi_add_handle(FMulti, FTransfer);
    }
    ~TAttachedTransfer() { curl_multi_remove_handle(FMulti, FTransfer); }
    TAttachedTransfer(const TAttachedTransfer&) = delete;
    TAttachedTransfer& operator=(const TAttachedTransfer&) = delete;

private:
    CURLM* FMulti;
    CURL* FTransfer;
};

THeaderList RequestHeaders(bool secure)
{
    // Without this curl may wait for a "100 Continue" that simple form handlers never send.
    curl_slist* headers = curl_slist_append(nullptr, "Expect:");
    if (secure)
        headers = curl_slist_append(headers, "Connection: close");
    return THeaderList(headers, &curl_slist_free_all);
}

void TrustTestAuthority([[maybe_unused]] CURL* handle)
{
#ifdef LINTARO_TEST_TRUST
    // Builds with tests only: their loopback server's authority. Verification stays on.
    const QByteArray caBundle = qgetenv("LINTARO_CA_BUNDLE");
    if (!caBundle.isEmpty())
        curl_easy_setopt(handle, CURLOPT_CAINFO, caBundle.constData());
#endif
}

std::string FailureMessage(CURLcode code, const char* errorBuffer, const TReceived& received)
{
    if (received.TooLarge)
        return "The answer is larger than 64 KiB.";
    return errorBuffer[0] ? std::string(errorBuffer) : std::string(curl_easy_strerror(code));
}

// Drives the one transfer to its end. The loop, not curl's own timers, keeps the deadline
// and sees the cancel: curl does not look at either while the system resolver blocks.
CURLcode Transfer(CURLM* multi, TClock::time_point deadline, int totalMs,
                  const std::atomic<bool>* cancelled)
{
    for (;;) {
        if (cancelled && cancelled->load(std::memory_order_acquire))
            throw EPostFormError("The post was cancelled.");
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - TClock::now());
        if (left.count() <= 0)
            throw EPostFormError("The post timed out after " + std::to_string(totalMs) + " ms.");
        int running = 0;
        const CURLMcode driven = curl_multi_perform(multi, &running);
        if (driven != CURLM_OK)
            throw EPostFormError(curl_multi_strerror(driven));
        int queued = 0;
        while (const CURLMsg* message = curl_multi_info_read(multi, &queued))
            if (message->msg == CURLMSG_DONE)
                return message->data.result;
        const int waitMs = int(std::min<qint64>(PollMs, left.count()));
        curl_multi_poll(multi, nullptr, 0, waitMs, nullptr);
    }
}
} // namespace

QString PostForm(const QString& address, const QStringList& fields, const TPostTimeouts& timeouts,
                 const std::atomic<bool>* cancelled)
{
    const int totalMs = timeouts.ConnectMs + timeouts.ResponseMs;
    const TClock::time_point deadline = TClock::now() + std::chrono::milliseconds(totalMs);
    InitialiseCurlOnce();
    TCurlHandle curl(curl_easy_init(), &curl_easy_cleanup);
    TMultiHandle multi(curl_multi_init(), &curl_multi_cleanup);
    if (!curl || !multi)
        throw EPostFormError("curl could not start a transfer.");
    CURL* handle = curl.get();

    const QByteArray url = address.toUtf8();
    const QByteArray body = EncodeForm(fields);
    const THeaderList headers =
        RequestHeaders(address.toLower().startsWith(QLatin1String("https://")));
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
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, long(totalMs));
    // Leaving does not wait for a resolver thread that never hears back.
    curl_easy_setopt(handle, CURLOPT_QUICK_EXIT, 1L);
    TrustTestAuthority(handle);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &Receive);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &received);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorBuffer);

    CURLcode code = CURLE_OK;
    {
        const TAttachedTransfer attached(multi.get(), handle);
        code = Transfer(multi.get(), deadline, totalMs, cancelled);
    }
    if (code != CURLE_OK)
        throw EPostFormError(FailureMessage(code, errorBuffer, received));

    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status > 299)
        throw EPostFormError("The server answered with HTTP status " + std::to_string(status) +
                             ".");
    return QString::fromUtf8(received.Body);
}
