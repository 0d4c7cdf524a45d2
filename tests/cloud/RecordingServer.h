#pragma once

#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>

// An HTTP peer on a free loopback port that keeps every request it gets. With an answer it replies
// to each one with it; without, it accepts and never answers, as a hung server does.
class RecordingServer : public QObject
{
public:
    struct Request
    {
        QByteArray head; // request line and headers
        QByteArray body;
    };

    explicit RecordingServer(QByteArray answer = {})
        : answer_(std::move(answer))
    {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = server_.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        });
    }

    QString url() const { return QStringLiteral("http://127.0.0.1:%1/").arg(server_.serverPort()); }
    QList<Request> requests;

private:
    void read(QTcpSocket *socket)
    {
        QByteArray &buffer = buffers_[socket];
        buffer += socket->readAll();
        const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return;
        const QByteArray head = buffer.left(headEnd);
        qsizetype length = 0;
        for (const QByteArray &line : head.split('\n')) {
            if (line.toLower().startsWith("content-length:"))
                length = line.mid(15).trimmed().toLongLong();
        }
        if (buffer.size() < headEnd + 4 + length)
            return;
        requests.append({head, buffer.mid(headEnd + 4, length)});
        buffer.remove(0, headEnd + 4 + length);
        if (!answer_.isEmpty())
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: "
                          + QByteArray::number(answer_.size()) + "\r\n\r\n" + answer_);
    }

    QByteArray answer_;
    QTcpServer server_;
    QHash<QTcpSocket *, QByteArray> buffers_;
};
