#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QtGlobal>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class TServerCore;

// One HTTP request as the server received it; header names in lower case.
struct TRecordedRequest
{
    QByteArray Method;
    QByteArray Path;
    QMap<QByteArray, QByteArray> Headers;
    QByteArray Body;

    // The fields of a form post, "name=value" decoded, in the order sent.
    QStringList FormFields() const;
};

// What the server answers to every request.
struct TCannedReply
{
    static TCannedReply Answer(QByteArray body, int status = 200);
    static TCannedReply Redirect(const QString& location);
    // Reads the request and never answers.
    static TCannedReply Silence();
    // Reads the request and drops the connection without a word.
    static TCannedReply ResetAfterRequest();

    int Status = 200;
    QByteArray Body;
    QByteArray ExtraHeaders; // complete "Name: value\r\n" lines
    bool Silent = false;
    bool Reset = false;
};

// An HTTP or HTTPS server on 127.0.0.1 with a port of its own, running on its own thread so
// that a test can post to it from a blocking call. Anything that is not an HTTP request (a
// TLS greeting on the plain server) has its connection closed at once and counted, as a
// server without https would refuse it.
class TLoopbackServer final
{
public:
    enum class TSecurity
    {
        Plain,
        Tls,
        TlsSelfSigned, // a certificate for 127.0.0.1 that no authority signed
        TlsWrongName   // signed by the test authority, for another host name
    };

    explicit TLoopbackServer(TCannedReply reply = TCannedReply::Answer("OK"),
                             TSecurity security = TSecurity::Plain);
    ~TLoopbackServer();
    TLoopbackServer(const TLoopbackServer&) = delete;
    TLoopbackServer& operator=(const TLoopbackServer&) = delete;

    // "127.0.0.1:port"
    QString HostAndPort() const;
    // The service host that reaches this server: "http://127.0.0.1:port" for the plain one,
    // which must be named, "127.0.0.1:port" (https) for the others.
    QString ServiceHost() const;
    QString Address(const QString& scheme, const QString& path) const;
    std::vector<TRecordedRequest> Requests() const;
    // Waits, at most a few seconds, until `count` requests have arrived.
    bool WaitForRequests(size_t count) const;
    int RefusedConnections() const;
    // Every connection made to the server, answered or not; on a TLS server, every handshake
    // begun, whether it ended well or not.
    int Connections() const;
    // Forgets the requests and connections so far.
    void Forget();

    // Applies to the requests that arrive from now on.
    void SetReply(TCannedReply reply);
    // Runs on the thread that made the server (which must be running an event loop then)
    // when a request has arrived, before it is answered.
    void SetOnRequest(std::function<void()> onRequest);

    // The certificate authority that signed the TLS server's certificate (127.0.0.1).
    static QString CertificateAuthorityFile();
    // A loopback port on which nothing listens.
    static quint16 ClosedPort();

    // Called on the server's thread.
    void Record(TRecordedRequest request);
    void RecordRefusal();
    void RecordConnection();
    TCannedReply Reply() const;

private:
    QThread FThread;
    TServerCore* FCore = nullptr;
    quint16 FPort = 0;
    const TSecurity FSecurity;
    mutable std::mutex FMutex;
    mutable std::condition_variable FArrived;
    std::vector<TRecordedRequest> FRequests;
    int FRefused = 0;
    int FConnections = 0;
    TCannedReply FReply;
    QObject FOwnerThreadContext;
    std::function<void()> FOnRequest;
};

// The test authority is trusted only while a test hands it over.
class TTrustedTestAuthority final
{
public:
    TTrustedTestAuthority()
    {
        qputenv("LINTARO_CA_BUNDLE", TLoopbackServer::CertificateAuthorityFile().toLocal8Bit());
    }
    ~TTrustedTestAuthority() { qunsetenv("LINTARO_CA_BUNDLE"); }
    TTrustedTestAuthority(const TTrustedTestAuthority&) = delete;
    TTrustedTestAuthority& operator=(const TTrustedTestAuthority&) = delete;
};
