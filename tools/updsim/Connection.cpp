#include "Connection.h"

#include "core/codecs/Xxtea.h"

#include <QTcpSocket>

#include <cstdio>

namespace quelta::updsim {
namespace {

constexpr int SlowPieces = 4;

QList<QByteArray> inPieces(const QByteArray &frame)
{
    QList<QByteArray> pieces;
    const qsizetype size = (frame.size() + SlowPieces - 1) / SlowPieces;
    for (qsizetype at = 0; at < frame.size(); at += size)
        pieces.append(frame.mid(at, size));
    return pieces;
}

} // namespace

Connection::Connection(QTcpSocket *socket, int id, const Catalog &catalog, const Faults &faults, const QByteArray &key)
    : QObject(socket)
    , socket_(socket)
    , id_(id)
    , key_(key)
    , slowMs_(faults.slowMs)
    , reader_(key)
    , session_(catalog, faults, [this](const QString &event) { log(event); })
{
    pieceTimer_.setSingleShot(true);
    connect(&pieceTimer_, &QTimer::timeout, this, &Connection::writeNextPiece);
    connect(socket_, &QTcpSocket::readyRead, this, &Connection::readFrames);
    connect(socket_, &QTcpSocket::disconnected, this, [this] {
        log(QStringLiteral("connection closed"));
        pieceTimer_.stop();
        socket_->deleteLater();
    });
    log(QStringLiteral("connection from %1:%2").arg(socket_->peerAddress().toString()).arg(socket_->peerPort()));
}

void Connection::log(const QString &event) const
{
    std::fprintf(stderr, "quelta-updsim: #%d %s\n", id_, qPrintable(event));
    std::fflush(stderr);
}

void Connection::readFrames()
{
    const XxteaFrameReader::Output output = reader_.feed(socket_->readAll());
    if (output.droppedBytes > 0)
        log(QStringLiteral("dropped %1 bytes that never formed a frame").arg(output.droppedBytes));
    for (const QByteArray &frame : output.frames) {
        if (closing_)
            return;
        send(session_.handle(frame));
    }
}

void Connection::send(const UpdateSession::Reply &reply)
{
    for (const QByteArray &frame : reply.frames) {
        const QByteArray encrypted = xxtea::encrypt(frame, key_);
        if (slowMs_ > 0)
            pieces_ += inPieces(encrypted);
        else
            socket_->write(encrypted);
    }
    if (slowMs_ > 0 && !pieceTimer_.isActive() && !pieces_.isEmpty()) {
        // The first reply waits as long as a gap between pieces; later ones start at once.
        if (replied_)
            writeNextPiece();
        else
            pieceTimer_.start(slowMs_);
    }
    replied_ = replied_ || !reply.frames.isEmpty();
    if (reply.close) {
        closing_ = true;
        closeWhenWritten();
    }
}

void Connection::writeNextPiece()
{
    if (pieces_.isEmpty())
        return;
    socket_->write(pieces_.takeFirst());
    if (!pieces_.isEmpty())
        pieceTimer_.start(slowMs_);
    else if (closing_)
        closeWhenWritten();
}

void Connection::closeWhenWritten()
{
    if (!pieces_.isEmpty())
        return;
    log(QStringLiteral("closing the connection"));
    socket_->disconnectFromHost();
}

} // namespace quelta::updsim
