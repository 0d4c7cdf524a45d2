#include "core/update/UpdateConnection.h"

#include "core/codecs/Xxtea.h"

namespace quelta::update {

UpdateConnection::UpdateConnection(QObject *parent)
    : QObject(parent)
    , reader_(QByteArray())
{
    connectTimer_.setSingleShot(true);
    connect(&connectTimer_, &QTimer::timeout, this, [this] {
        socket_.abort();
        lastError_ = {Failure::ConnectTimedOut, QStringLiteral("Connect timed out.")};
        emit failed(lastError_);
    });
    connect(&socket_, &QTcpSocket::connected, this, [this] {
        connectTimer_.stop();
        emit opened();
    });
    connect(&socket_, &QTcpSocket::readyRead, this, &UpdateConnection::readFrames);
    connect(&socket_, &QTcpSocket::errorOccurred, this, &UpdateConnection::socketError);
}

void UpdateConnection::open(const UpdateServer &server, int connectTimeoutMs)
{
    socket_.abort();
    key_ = server.key;
    reader_ = XxteaFrameReader(key_);
    lastError_ = {};
    connectTimer_.start(connectTimeoutMs);
    socket_.connectToHost(server.host, server.port);
}

bool UpdateConnection::send(const QByteArray &bytes)
{
    if (!isOpen()) {
        if (lastError_.text.isEmpty())
            lastError_ = {Failure::NotConnected, socket_.errorString()};
        return false;
    }
    const QByteArray frame = xxtea::encrypt(bytes, key_);
    if (socket_.write(frame) != frame.size()) {
        lastError_ = describe(socket_.error());
        return false;
    }
    socket_.flush();
    return true;
}

void UpdateConnection::close()
{
    connectTimer_.stop();
    reader_.clear();
    socket_.abort();
}

void UpdateConnection::readFrames()
{
    const XxteaFrameReader::Output output = reader_.feed(socket_.readAll());
    for (const QByteArray &frame : output.frames)
        emit frameReceived(frame);
}

// Before the connection is up an error is a failed connect; after, the connection is lost.
void UpdateConnection::socketError(QAbstractSocket::SocketError error)
{
    const bool connecting = connectTimer_.isActive();
    connectTimer_.stop();
    lastError_ = describe(error);
    if (connecting)
        emit failed(lastError_);
    else
        emit lost(lastError_);
}

ConnectionError UpdateConnection::describe(QAbstractSocket::SocketError error) const
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError: return {Failure::Refused, socket_.errorString()};
    case QAbstractSocket::SocketTimeoutError: return {Failure::TimedOut, socket_.errorString()};
    case QAbstractSocket::NetworkError: return {Failure::Unreachable, socket_.errorString()};
    default: return {Failure::Other, socket_.errorString()};
    }
}

} // namespace quelta::update
