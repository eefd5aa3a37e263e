#pragma once
// A plain HTTP server on 127.0.0.1 for the update tests: it records every connection (so a
// test can prove that nothing was sent) and answers each request with one fixed body.
#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <atomic>

class LocalHttpServer {
public:
    explicit LocalHttpServer(QByteArray answerBody = QByteArray()) : body_(std::move(answerBody)) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                ++connections_;
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Serve(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    bool Listening() const { return server_.isListening(); }
    QString Url() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }
    int Connections() const { return connections_; }
    QList<QByteArray> Requests() const { return requests_; }

private:
    void Serve(QTcpSocket* socket) {
        QByteArray& pending = buffers_[socket];
        pending += socket->readAll();
        const int headerEnd = pending.indexOf("\r\n\r\n");
        if (headerEnd < 0) return;
        int length = 0;
        for (const QByteArray& line : pending.left(headerEnd).split('\n'))
            if (line.toLower().startsWith("content-length:")) length = line.mid(15).trimmed().toInt();
        if (pending.size() < headerEnd + 4 + length) return;
        requests_.append(pending);
        buffers_.remove(socket);
        socket->write(
            "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nConnection: close\r\nContent-Length: " +
            QByteArray::number(body_.size()) + "\r\n\r\n" + body_);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QByteArray body_;
    std::atomic<int> connections_{0};
    QList<QByteArray> requests_;
    QHash<QTcpSocket*, QByteArray> buffers_;
};
