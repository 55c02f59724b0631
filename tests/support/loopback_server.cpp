#include "support/loopback_server.h"

#include <QFile>
#include <QHash>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <chrono>

namespace {
QString FormValue(QByteArray encoded)
{
    return QUrl::fromPercentEncoding(encoded.replace('+', ' '));
}
} // namespace

QStringList TRecordedRequest::FormFields() const
{
    QStringList fields;
    for (const QByteArray& pair : Body.split('&')) {
        const qsizetype equals = pair.indexOf('=');
        fields << FormValue(pair.left(equals)) + QLatin1Char('=') + FormValue(pair.mid(equals + 1));
    }
    return fields;
}

TCannedReply TCannedReply::Answer(QByteArray body, int status)
{
    TCannedReply reply;
    reply.Status = status;
    reply.Body = std::move(body);
    return reply;
}

TCannedReply TCannedReply::Redirect(const QString& location)
{
    TCannedReply reply;
    reply.Status = 302;
    reply.ExtraHeaders = "Location: " + location.toUtf8() + "\r\n";
    return reply;
}

TCannedReply TCannedReply::Silence()
{
    TCannedReply reply;
    reply.Silent = true;
    return reply;
}

TCannedReply TCannedReply::ResetAfterRequest()
{
    TCannedReply reply;
    reply.Reset = true;
    return reply;
}

// Lives on the server's thread, where its sockets are.
class TServerCore final : public QObject
{
public:
    TServerCore(TLoopbackServer& owner, TLoopbackServer::TSecurity security)
        : FOwner(owner), FSecurity(security)
    {}

    quint16 Listen()
    {
        if (FSecurity != TLoopbackServer::TSecurity::Plain) {
            auto* server = new QSslServer(this);
            server->setSslConfiguration(ServerConfiguration(CertificateName(FSecurity)));
            connect(server, &QSslServer::startedEncryptionHandshake, this,
                    [this] { FOwner.RecordConnection(); });
            FServer = server;
        } else {
            FServer = new QTcpServer(this);
        }
        connect(FServer, &QTcpServer::pendingConnectionAvailable, this, &TServerCore::Accept);
        return FServer->listen(QHostAddress::LocalHost, 0) ? FServer->serverPort() : 0;
    }

private:
    static QString CertificateName(TLoopbackServer::TSecurity security)
    {
        switch (security) {
        case TLoopbackServer::TSecurity::TlsSelfSigned:
            return QStringLiteral("self-signed");
        case TLoopbackServer::TSecurity::TlsWrongName:
            return QStringLiteral("wrong-name");
        default:
            return QStringLiteral("server");
        }
    }

    static QSslConfiguration ServerConfiguration(const QString& name)
    {
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        const QString folder = QStringLiteral(LINTARO_TEST_CA_FOLDER "/");
        QFile certificate(folder + name + QStringLiteral(".pem"));
        QFile key(folder + name + QStringLiteral(".key"));
        if (certificate.open(QIODevice::ReadOnly) && key.open(QIODevice::ReadOnly)) {
            configuration.setLocalCertificate(QSslCertificate(&certificate, QSsl::Pem));
            configuration.setPrivateKey(QSslKey(&key, QSsl::Ec, QSsl::Pem));
        }
        configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
        return configuration;
    }

    void Accept()
    {
        while (QTcpSocket* socket = FServer->nextPendingConnection()) {
            if (FSecurity == TLoopbackServer::TSecurity::Plain)
                FOwner.RecordConnection();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Read(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                FConnections.remove(socket);
                socket->deleteLater();
            });
            Read(socket);
        }
    }

    void Read(QTcpSocket* socket)
    {
        TConnection& connection = FConnections[socket];
        connection.Received += socket->readAll();
        const QByteArray& buffer = connection.Received;
        if (!buffer.isEmpty() && !(buffer[0] >= 'A' && buffer[0] <= 'Z')) {
            FConnections.remove(socket);
            FOwner.RecordRefusal();
            socket->abort();
            return;
        }
        const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0 || connection.Answered)
            return;
        TRecordedRequest request;
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
        request.Method = requestLine.value(0);
        request.Path = requestLine.value(1);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon > 0)
                request.Headers.insert(lines[i].left(colon).trimmed().toLower(),
                                       lines[i].mid(colon + 1).trimmed());
        }
        if (request.Headers.value("expect").toLower() == "100-continue" && !connection.Continued) {
            connection.Continued = true;
            socket->write("HTTP/1.1 100 Continue\r\n\r\n");
        }
        const qsizetype length = request.Headers.value("content-length", "0").toLongLong();
        if (buffer.size() < headerEnd + 4 + length)
            return;
        request.Body = buffer.mid(headerEnd + 4, length);
        connection.Answered = true;
        FOwner.Record(std::move(request));
        const TCannedReply reply = FOwner.Reply();
        if (reply.Silent)
            return;
        if (reply.Reset) {
            FConnections.remove(socket);
            socket->abort();
            return;
        }
        socket->write("HTTP/1.1 " + QByteArray::number(reply.Status) + " Canned\r\n" +
                      "Content-Type: text/html; charset=UTF-8\r\nContent-Length: " +
                      QByteArray::number(reply.Body.size()) + "\r\nConnection: close\r\n" +
                      reply.ExtraHeaders + "\r\n" + reply.Body);
        socket->disconnectFromHost();
    }

    struct TConnection
    {
        QByteArray Received;
        bool Continued = false;
        bool Answered = false;
    };

    TLoopbackServer& FOwner;
    const TLoopbackServer::TSecurity FSecurity;
    QTcpServer* FServer = nullptr;
    QHash<QTcpSocket*, TConnection> FConnections;
};

TLoopbackServer::TLoopbackServer(TCannedReply reply, TSecurity security)
    : FCore(new TServerCore(*this, security)), FSecurity(security), FReply(std::move(reply))
{
    FCore->moveToThread(&FThread);
    FThread.start();
    QMetaObject::invokeMethod(
        FCore, [this] { FPort = FCore->Listen(); }, Qt::BlockingQueuedConnection);
}

TLoopbackServer::~TLoopbackServer()
{
    QMetaObject::invokeMethod(
        FCore, [this] { delete FCore; }, Qt::BlockingQueuedConnection);
    FThread.quit();
    FThread.wait();
}

QString TLoopbackServer::HostAndPort() const
{
    return QStringLiteral("127.0.0.1:%1").arg(FPort);
}

QString TLoopbackServer::ServiceHost() const
{
    return FSecurity == TSecurity::Plain ? QStringLiteral("http://") + HostAndPort()
                                         : HostAndPort();
}

QString TLoopbackServer::Address(const QString& scheme, const QString& path) const
{
    return scheme + QStringLiteral("://") + HostAndPort() + path;
}

void TLoopbackServer::Record(TRecordedRequest request)
{
    std::function<void()> onRequest;
    {
        const std::lock_guard lock(FMutex);
        FRequests.push_back(std::move(request));
        onRequest = FOnRequest;
    }
    FArrived.notify_all();
    if (onRequest)
        QMetaObject::invokeMethod(&FOwnerThreadContext, onRequest, Qt::BlockingQueuedConnection);
}

void TLoopbackServer::RecordRefusal()
{
    const std::lock_guard lock(FMutex);
    ++FRefused;
}

TCannedReply TLoopbackServer::Reply() const
{
    const std::lock_guard lock(FMutex);
    return FReply;
}

void TLoopbackServer::SetReply(TCannedReply reply)
{
    const std::lock_guard lock(FMutex);
    FReply = std::move(reply);
}

void TLoopbackServer::SetOnRequest(std::function<void()> onRequest)
{
    const std::lock_guard lock(FMutex);
    FOnRequest = std::move(onRequest);
}

void TLoopbackServer::RecordConnection()
{
    const std::lock_guard lock(FMutex);
    ++FConnections;
}

int TLoopbackServer::Connections() const
{
    const std::lock_guard lock(FMutex);
    return FConnections;
}

int TLoopbackServer::RefusedConnections() const
{
    const std::lock_guard lock(FMutex);
    return FRefused;
}

void TLoopbackServer::Forget()
{
    const std::lock_guard lock(FMutex);
    FRequests.clear();
    FRefused = 0;
    FConnections = 0;
}

std::vector<TRecordedRequest> TLoopbackServer::Requests() const
{
    const std::lock_guard lock(FMutex);
    return FRequests;
}

bool TLoopbackServer::WaitForRequests(size_t count) const
{
    std::unique_lock lock(FMutex);
    return FArrived.wait_for(lock, std::chrono::seconds(20),
                             [&] { return FRequests.size() >= count; });
}

QString TLoopbackServer::CertificateAuthorityFile()
{
    return QStringLiteral(LINTARO_TEST_CA_FOLDER "/ca.pem");
}

quint16 TLoopbackServer::ClosedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}
