#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QTcpServer;
class QTcpSocket;

// A plain HTTP server on 127.0.0.1 for one test. It answers every request with the status and
// body set here, or never answers; a connection that opens with a TLS handshake is closed at
// once, as a server without https would fail it.
class TLoopbackHttpServer final : public QObject
{
    Q_OBJECT

public:
    struct TRequest
    {
        QByteArray Method;
        QByteArray Path;
        QByteArray ContentType;
        QStringList Fields; // name=value, decoded, in the order sent
    };

    TLoopbackHttpServer();
    ~TLoopbackHttpServer() override;

    // "127.0.0.1:<port>", for LINTARO_SERVICE_HOST.
    QString Host() const;

    int Status = 200;
    QByteArray Body = "OK";
    bool Answers = true;
    // Runs when a request has arrived, before it is answered.
    std::function<void()> OnRequest;

    std::vector<TRequest> Requests;
    int RefusedHandshakes = 0;

private:
    void Read(QTcpSocket* socket);

    QTcpServer* FServer;
};
