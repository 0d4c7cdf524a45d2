#pragma once

#include "UpdateSession.h"

#include "core/codecs/XxteaFrameReader.h"

#include <QList>
#include <QObject>
#include <QTimer>

class QTcpSocket;

namespace quelta::updsim {

// One client connection: frames rebuilt from the stream, handed to the session, and its replies
// encrypted and written back (in slow pieces under the slow fault).
class Connection : public QObject
{
    Q_OBJECT

public:
    Connection(QTcpSocket *socket, int id, const Catalog &catalog, const Faults &faults, const QByteArray &key);

private:
    void log(const QString &event) const;
    void readFrames();
    void send(const UpdateSession::Reply &reply);
    void writeNextPiece();
    void closeWhenWritten();

    QTcpSocket *socket_;
    const int id_;
    const QByteArray key_;
    const int slowMs_;
    XxteaFrameReader reader_;
    UpdateSession session_;
    QList<QByteArray> pieces_; // slow fault: what is still to be written
    QTimer pieceTimer_;
    bool replied_ = false;
    bool closing_ = false;
};

} // namespace quelta::updsim
