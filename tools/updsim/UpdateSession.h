#pragma once

#include "Catalog.h"
#include "Faults.h"

#include <QByteArray>
#include <QList>

#include <functional>

namespace quelta::updsim {

// One client's side of the exchange, in decrypted frames: a listing request, a request to start an
// update, then the device's block requests and final status relayed by the program.
class UpdateSession
{
public:
    using Log = std::function<void(const QString &)>;

    UpdateSession(const Catalog &catalog, const Faults &faults, Log log);

    struct Reply
    {
        QList<QByteArray> frames; // each to be encrypted and written as one frame
        bool close = false;       // close the connection once they are written
    };
    Reply handle(const QByteArray &frame);

private:
    Reply handleRequest(const QByteArray &frame);
    Reply handleDeviceLine(const QByteArray &line);
    Reply listing(const QByteArray &request);
    Reply start(const QByteArray &request);
    Reply block(int number);
    QByteArray acceptance(const Firmware &firmware) const;
    QList<QByteArray> badNotices() const;

    const Catalog &catalog_;
    const Faults faults_;
    Log log_;
    const Firmware *firmware_ = nullptr; // the version being installed
    int blockSize_ = 0;
    int blocksSent_ = 0;
};

} // namespace quelta::updsim
