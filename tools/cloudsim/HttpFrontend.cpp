#include "HttpFrontend.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>

namespace quelta::cloudsim {

namespace {

using Method = QHttpServerRequest::Method;

QByteArray methodName(Method method)
{
    switch (method) {
    case Method::Get: return QByteArrayLiteral("GET");
    case Method::Put: return QByteArrayLiteral("PUT");
    case Method::Delete: return QByteArrayLiteral("DELETE");
    case Method::Post: return QByteArrayLiteral("POST");
    case Method::Head: return QByteArrayLiteral("HEAD");
    case Method::Options: return QByteArrayLiteral("OPTIONS");
    case Method::Patch: return QByteArrayLiteral("PATCH");
    default: return QByteArray();
    }
}

// A POST may carry the method it stands for, for clients that cannot send PATCH or DELETE.
QByteArray effectiveMethod(const QHttpServerRequest &request)
{
    const QByteArray method = methodName(request.method());
    const QByteArray override = request.value(QByteArrayLiteral("X-HTTP-Method-Override")).trimmed().toUpper();
    return method == "POST" && !override.isEmpty() ? override : method;
}

void send(QHttpServerResponder &responder, const Reply &reply, bool preflight)
{
    responder.writeStatusLine(static_cast<QHttpServerResponder::StatusCode>(reply.status));
    responder.writeHeader(QByteArrayLiteral("Access-Control-Allow-Origin"), QByteArrayLiteral("*"));
    if (preflight) {
        responder.writeHeader(QByteArrayLiteral("Access-Control-Allow-Methods"),
                              QByteArrayLiteral("GET, PUT, POST, PATCH, DELETE, OPTIONS"));
        responder.writeHeader(QByteArrayLiteral("Access-Control-Allow-Headers"),
                              QByteArrayLiteral("Content-Type, Authorization, X-HTTP-Method-Override, X-Goog-Api-Key"));
    }
    responder.writeHeader(QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-cache"));
    if (reply.status != 204) {
        responder.writeHeader(QByteArrayLiteral("Content-Type"), reply.contentType);
        responder.writeHeader(QByteArrayLiteral("Content-Length"), QByteArray::number(reply.body.size()));
    }
    responder.writeBody(reply.body);
}

} // namespace

HttpFrontend::HttpFrontend(DatabaseService &database, IdentityService &identity, QObject *parent)
    : QAbstractHttpServer(parent), database_(database), identity_(identity)
{
}

bool HttpFrontend::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    QHttpServerResponder responder = makeResponder(request, socket);
    const bool preflight = request.method() == Method::Options;
    send(responder, preflight ? Reply{204, {}} : route(request), preflight);
    return true;
}

void HttpFrontend::missingHandler(const QHttpServerRequest &request, QTcpSocket *socket)
{
    QHttpServerResponder responder = makeResponder(request, socket);
    send(responder, errorReply(404, QStringLiteral("Not found")), false);
}

Reply HttpFrontend::route(const QHttpServerRequest &request)
{
    const QByteArray method = effectiveMethod(request);
    const QString path = request.url().path(QUrl::FullyEncoded);
    const QUrlQuery query(request.url());
    if (IdentityService::serves(path))
        return identity_.handle({method, path, query, request.value(QByteArrayLiteral("X-Goog-Api-Key")), request.body()});
    if (path.startsWith(QLatin1String("/cloudsim/")))
        return simulatorEndpoint(method, path, query);
    return database_.handle({method, path, query, request.body()});
}

Reply HttpFrontend::simulatorEndpoint(const QByteArray &method, const QString &path, const QUrlQuery &query)
{
    if (path == QLatin1String("/cloudsim/verify") && method == "POST")
        return identity_.markEmailVerified(query.queryItemValue(QStringLiteral("email"), QUrl::FullyDecoded));
    if (path == QLatin1String("/cloudsim/oobCodes") && method == "GET")
        return identity_.oobRequests();
    return errorReply(404, QStringLiteral("Not found"));
}

} // namespace quelta::cloudsim
