#include "loopback_http_server.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <gtest/gtest.h>

namespace {
constexpr char TlsHandshakeRecord = 0x16;
const QByteArray HeaderEnd = "\r\n\r\n";

QByteArray HeaderValue(const QList<QByteArray>& lines, const QByteArray& name)
{
    for (const QByteArray& line : lines) {
        const int colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == name)
            return line.mid(colon + 1).trimmed();
    }
    return {};
}

QString FormValue(const QByteArray& encoded)
{
    QByteArray spaced = encoded;
    spaced.replace('+', ' ');
    return QUrl::fromPercentEncoding(spaced);
}

QStringList DecodeForm(const QByteArray& body)
{
    QStringList fields;
    for (const QByteArray& pair : body.split('&')) {
        const int equals = pair.indexOf('=');
        fields << FormValue(pair.left(equals)) + QLatin1Char('=') + FormValue(pair.mid(equals + 1));
    }
    return fields;
}
} // namespace

TLoopbackHttpServer::TLoopbackHttpServer() : FServer(new QTcpServer(this))
{
    EXPECT_TRUE(FServer->listen(QHostAddress::LocalHost));
    connect(FServer, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = FServer->nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Read(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

TLoopbackHttpServer::~TLoopbackHttpServer() = default;

QString TLoopbackHttpServer::Host() const
{
    return QStringLiteral("127.0.0.1:%1").arg(FServer->serverPort());
}

void TLoopbackHttpServer::Read(QTcpSocket* socket)
{
    QByteArray received = socket->property("received").toByteArray() + socket->readAll();
    socket->setProperty("received", received);
    if (received.startsWith(TlsHandshakeRecord)) {
        ++RefusedHandshakes;
        socket->abort();
        return;
    }
    const int headerEnd = received.indexOf(HeaderEnd);
    if (headerEnd < 0)
        return;
    const QList<QByteArray> lines = received.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    const int length = HeaderValue(lines, "content-length").toInt();
    if (HeaderValue(lines, "expect").toLower() == "100-continue" &&
        !socket->property("continued").toBool()) {
        socket->setProperty("continued", true);
        socket->write("HTTP/1.1 100 Continue\r\n\r\n");
    }
    const QByteArray body = received.mid(headerEnd + HeaderEnd.size());
    if (body.size() < length || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);

    Requests.push_back({requestLine.value(0), requestLine.value(1),
                        HeaderValue(lines, "content-type"), DecodeForm(body.left(length))});
    if (OnRequest)
        OnRequest();
    if (!Answers)
        return;
    socket->write("HTTP/1.1 " + QByteArray::number(Status) + " Status\r\nContent-Length: " +
                  QByteArray::number(Body.size()) + "\r\nConnection: close\r\n\r\n" + Body);
    socket->disconnectFromHost();
}
