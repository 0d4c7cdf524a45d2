#pragma once

#include "DatabaseService.h"
#include "IdentityService.h"

#include <QAbstractHttpServer>

namespace quelta::cloudsim {

// Both services on one port. Identity paths go to the identity service, /cloudsim/ to the
// simulator's own endpoints, everything else to the database. Connections stay open between
// requests (HTTP/1.1 keep-alive), every answer has a Content-Length, and CORS is open so a page
// may call in.
class HttpFrontend : public QAbstractHttpServer
{
public:
    HttpFrontend(DatabaseService &database, IdentityService &identity, QObject *parent = nullptr);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    Reply route(const QHttpServerRequest &request);
    Reply simulatorEndpoint(const QByteArray &method, const QString &path, const QUrlQuery &query);

    DatabaseService &database_;
    IdentityService &identity_;
};

} // namespace quelta::cloudsim
