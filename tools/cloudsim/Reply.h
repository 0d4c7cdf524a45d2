#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace quelta::cloudsim {

// What a service answers to one request; the HTTP front end adds the framing.
struct Reply
{
    int status = 200;
    QByteArray body;
    QByteArray contentType = QByteArrayLiteral("application/json; charset=utf-8");
};

// {"error": message}, pretty-printed as the database writes its errors; the simulator's own
// endpoints answer errors the same way.
Reply errorReply(int status, const QString &message);

// The services' clock, milliseconds since the epoch; tests set their own.
using Clock = std::function<qint64()>;

} // namespace quelta::cloudsim
