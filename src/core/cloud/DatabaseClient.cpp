#include "core/cloud/DatabaseClient.h"

#include "core/cloud/CloudJson.h"
#include "core/cloud/CloudTexts.h"
#include "core/cloud/HttpExchange.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

namespace quelta {
namespace {

QueryItems queryItems(const QString &token, const DatabaseQuery &query)
{
    QueryItems items;
    if (!query.orderBy.isEmpty())
        items.append({QStringLiteral("orderBy"), jsonText(query.orderBy)});
    if (query.limitToLast > 0)
        items.append({QStringLiteral("limitToLast"), QString::number(query.limitToLast)});
    items.append({QStringLiteral("auth"), token});
    return items;
}

// The database writes its errors as {"error": "text"}.
CloudError errorOf(int status, const QByteArray &body)
{
    const QString message = QJsonDocument::fromJson(body).object().value(QLatin1String("error")).toString();
    if (message.isEmpty())
        return {CloudErrorKind::BadAnswer, status, {}, QStringLiteral("HTTP %1").arg(status)};
    return CloudError::service(status, message, message);
}

} // namespace

DatabaseClient::DatabaseClient(QNetworkAccessManager &network, const CloudEndpoints &endpoints, TokenSource &tokens)
    : network_(network)
    , endpoints_(endpoints)
    , tokens_(tokens)
{
}

std::optional<QStringList> DatabaseClient::addressable(const QStringList &path)
{
    QStringList segments = path;
    if (!segments.isEmpty() && segments.last().isEmpty())
        segments.removeLast();
    for (const QString &segment : segments) {
        if (segment.isEmpty())
            return std::nullopt;
    }
    return segments;
}

DatabaseAnswer DatabaseClient::get(const QStringList &path, const DatabaseQuery &query)
{
    return send("GET", path, query, {});
}

DatabaseAnswer DatabaseClient::put(const QStringList &path, const QByteArray &json)
{
    return send("PUT", path, {}, json);
}

DatabaseAnswer DatabaseClient::patch(const QStringList &path, const QByteArray &json)
{
    return send("PATCH", path, {}, json);
}

DatabaseAnswer DatabaseClient::post(const QStringList &path, const QByteArray &json)
{
    return send("POST", path, {}, json);
}

DatabaseAnswer DatabaseClient::remove(const QStringList &path)
{
    return send("DELETE", path, {}, {});
}

DatabaseAnswer DatabaseClient::send(const QByteArray &verb, const QStringList &path, const DatabaseQuery &query,
                                    const QByteArray &body)
{
    const std::optional<QStringList> segments = addressable(path);
    if (!segments)
        return {{}, CloudError::of(CloudErrorKind::BadRequest, CloudTexts::tr("Ruta no válida: ") + path.join(QLatin1Char('/')))};
    if (tokens_.idToken().isEmpty())
        return {{}, CloudError::of(CloudErrorKind::BadRequest, CloudTexts::tr("Sin sesión iniciada"))};
    DatabaseAnswer answer = sendOnce(verb, *segments, query, body);
    // An expired or otherwise refused token: once more with a new one.
    if (answer.error.httpStatus == 401 && tokens_.renewToken())
        answer = sendOnce(verb, *segments, query, body);
    return answer;
}

DatabaseAnswer DatabaseClient::sendOnce(const QByteArray &verb, const QStringList &segments, const DatabaseQuery &query,
                                        const QByteArray &body)
{
    const QNetworkRequest request(endpoints_.databaseUrl(segments, queryItems(tokens_.idToken(), query)));
    const HttpAnswer answer = exchange(network_, request, verb, body, endpoints_.timeoutMs);
    if (answer.error.failed())
        return {{}, answer.error};
    if (answer.status < 200 || answer.status > 299)
        return {{}, errorOf(answer.status, answer.body)};
    return {answer.body, {}};
}

} // namespace quelta
