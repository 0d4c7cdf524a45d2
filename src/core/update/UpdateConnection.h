#pragma once

#include "core/codecs/XxteaFrameReader.h"
#include "core/update/UpdateServer.h"

#include <QObject>
#include <QTcpSocket>
#include <QTimer>

namespace quelta::update {

// Why a connection to the update server failed, as the messages tell it apart.
enum class Failure { Refused, TimedOut, ConnectTimedOut, Unreachable, NotConnected, Other };

struct ConnectionError
{
    Failure kind = Failure::Other;
    QString text;
};

// One TCP connection to the update server on the event-loop thread. Texts go out encrypted as one
// frame each; what arrives is rebuilt into frames (however the network split or joined them),
// decrypted and handed over in order.
class UpdateConnection : public QObject
{
    Q_OBJECT
public:
    explicit UpdateConnection(QObject *parent = nullptr);

    // Connects within the time-out; opened() or failed() follows.
    void open(const UpdateServer &server, int connectTimeoutMs);
    bool isOpen() const { return socket_.state() == QAbstractSocket::ConnectedState; }
    // Encrypts the bytes as one frame and writes it. False, with the reason in lastError(), when
    // the connection is not up or the write fails.
    bool send(const QByteArray &bytes);
    // Drops what is buffered and disconnects; errors are ignored.
    void close();
    const ConnectionError &lastError() const { return lastError_; }

signals:
    void opened();
    void failed(const quelta::update::ConnectionError &error);
    void frameReceived(const QByteArray &decrypted);
    // The server closed the connection or it broke after it was up.
    void lost(const quelta::update::ConnectionError &error);

private:
    void readFrames();
    void socketError(QAbstractSocket::SocketError error);
    ConnectionError describe(QAbstractSocket::SocketError error) const;

    QTcpSocket socket_;
    QTimer connectTimer_;
    XxteaFrameReader reader_;
    QByteArray key_;
    ConnectionError lastError_;
};

} // namespace quelta::update
