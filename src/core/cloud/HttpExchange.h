#pragma once

#include "core/cloud/CloudError.h"

#include <QByteArray>
#include <QNetworkRequest>

class QNetworkAccessManager;

namespace quelta {

struct HttpAnswer
{
    int status = 0;    // the HTTP status; 0 when there was no answer (error tells why)
    QByteArray body;
    CloudError error;  // NoConnection or Timeout only: an HTTP error status is the caller's to read
};

// One request that the caller waits for, as the cloud calls of the program do. The wait runs a
// local event loop without user input: the window still paints and the device and broker traffic
// still flows, but no click starts another action meanwhile. A request that is not answered within
// timeoutMs is aborted.
HttpAnswer exchange(QNetworkAccessManager &network, QNetworkRequest request, const QByteArray &verb,
                    const QByteArray &body, int timeoutMs);

} // namespace quelta
