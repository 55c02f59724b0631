#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <stdexcept>

// How long a form post may take: the connection, then the answer after it. Their sum bounds
// the whole post, name lookup included.
struct TPostTimeouts
{
    int ConnectMs = 10000;
    int ResponseMs = 10000;
};

// A post that did not bring back a successful answer; the message is curl's or our own,
// in UTF-8.
class EPostFormError final : public std::runtime_error
{
public:
    explicit EPostFormError(const std::string& message) : std::runtime_error(message) {}
};

// Posts `fields` ("name=value" lines, sent in this order, url-encoded as UTF-8) as an
// application/x-www-form-urlencoded form to `address` (http:// or https://), once, and returns
// the answer's body. Raises EPostFormError on any failure: no connection, the deadline passed,
// a status other than 2xx (redirects are not followed), a body over 64 KiB, or `cancelled`
// turning true while the post runs. Returns soon after a cancel or the deadline even while
// the system's resolver still waits for an answer.
QString PostForm(const QString& address, const QStringList& fields,
                 const TPostTimeouts& timeouts = {}, const std::atomic<bool>* cancelled = nullptr);
