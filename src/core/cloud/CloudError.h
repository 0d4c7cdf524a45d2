#pragma once

#include <QString>

namespace quelta {

enum class CloudErrorKind {
    None,
    Service,      // the service answered with an error: code holds its code
    NoConnection, // no answer at all: no network, name not resolved, connection refused or cut
    Timeout,      // connected or not, no answer within the time-out
    BadAnswer,    // an answer that is not what the service sends
    BadRequest,   // refused here before sending (an invalid path, nobody signed in)
};

struct CloudError
{
    CloudErrorKind kind = CloudErrorKind::None;
    int httpStatus = 0;
    QString code; // the identity service's code ("EMAIL_NOT_FOUND"), or the database's error text
    QString text; // for the installer: the service's whole message or what went wrong

    bool failed() const { return kind != CloudErrorKind::None; }
    // The server could not be reached: the PC is (as good as) off line.
    bool unreachable() const { return kind == CloudErrorKind::NoConnection || kind == CloudErrorKind::Timeout; }

    static CloudError service(int status, const QString &code, const QString &text);
    static CloudError of(CloudErrorKind kind, const QString &text);
};

} // namespace quelta
