#include "core/cloud/IdentityClient.h"

#include "core/cloud/HttpExchange.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace quelta {
namespace {

std::optional<bool> flag(const QJsonObject &object, QLatin1String name)
{
    const QJsonValue value = object.value(name);
    return value.isBool() ? std::optional<bool>(value.toBool()) : std::nullopt;
}

IdentityUser userOf(const QJsonObject &body)
{
    IdentityUser user;
    user.idToken = body.value(QLatin1String("idToken")).toString();
    user.refreshToken = body.value(QLatin1String("refreshToken")).toString();
    user.localId = body.value(QLatin1String("localId")).toString();
    user.email = body.value(QLatin1String("email")).toString();
    user.registered = flag(body, QLatin1String("registered"));
    user.emailVerified = flag(body, QLatin1String("emailVerified"));
    return user;
}

QJsonObject credentials(const QString &email, const QString &password)
{
    return {{QStringLiteral("email"), email}, {QStringLiteral("password"), password},
            {QStringLiteral("returnSecureToken"), true}};
}

} // namespace

IdentityClient::IdentityClient(QNetworkAccessManager &network, const CloudEndpoints &endpoints)
    : network_(network)
    , endpoints_(endpoints)
{
}

CloudError IdentityClient::errorOf(int status, const QByteArray &body)
{
    const QJsonValue error = QJsonDocument::fromJson(body).object().value(QLatin1String("error"));
    const QString message = error.toObject().value(QLatin1String("message")).toString();
    if (message.isEmpty())
        return {CloudErrorKind::BadAnswer, status, {}, QStringLiteral("HTTP %1").arg(status)};
    return CloudError::service(status, message.section(QStringLiteral(" : "), 0, 0).trimmed(), message);
}

IdentityClient::Answer IdentityClient::post(const QUrl &url, const QByteArray &body, const QByteArray &contentType)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    const HttpAnswer answer = exchange(network_, request, "POST", body, endpoints_.timeoutMs);
    if (answer.error.failed())
        return {{}, answer.error};
    if (answer.status != 200)
        return {{}, errorOf(answer.status, answer.body)};
    const QJsonDocument document = QJsonDocument::fromJson(answer.body);
    if (!document.isObject())
        return {{}, {CloudErrorKind::BadAnswer, answer.status, {}, QStringLiteral("HTTP %1").arg(answer.status)}};
    return {document.object(), {}};
}

IdentityClient::Answer IdentityClient::accounts(const QString &method, const QJsonObject &body)
{
    return post(endpoints_.identityUrl(method), QJsonDocument(body).toJson(QJsonDocument::Compact),
                QByteArrayLiteral("application/json"));
}

IdentityResult IdentityClient::signInWithPassword(const QString &email, const QString &password)
{
    const Answer answer = accounts(QStringLiteral("signInWithPassword"), credentials(email, password));
    return {userOf(answer.body), answer.error};
}

IdentityResult IdentityClient::signUp(const QString &email, const QString &password)
{
    const Answer answer = accounts(QStringLiteral("signUp"), credentials(email, password));
    return {userOf(answer.body), answer.error};
}

CloudError IdentityClient::sendVerificationEmail(const QString &idToken)
{
    return accounts(QStringLiteral("sendOobCode"), {{QStringLiteral("requestType"), QStringLiteral("VERIFY_EMAIL")},
                                                    {QStringLiteral("idToken"), idToken}})
        .error;
}

CloudError IdentityClient::sendPasswordReset(const QString &email)
{
    return accounts(QStringLiteral("sendOobCode"), {{QStringLiteral("requestType"), QStringLiteral("PASSWORD_RESET")},
                                                    {QStringLiteral("email"), email}})
        .error;
}

IdentityResult IdentityClient::lookup(const QString &idToken)
{
    const Answer answer = accounts(QStringLiteral("lookup"), {{QStringLiteral("idToken"), idToken}});
    if (!answer.error.failed() && answer.body.value(QLatin1String("users")).toArray().isEmpty())
        return {{}, CloudError::service(400, QStringLiteral("USER_NOT_FOUND"), QStringLiteral("USER_NOT_FOUND"))};
    IdentityUser user = userOf(answer.body.value(QLatin1String("users")).toArray().at(0).toObject());
    user.idToken = idToken;
    return {user, answer.error};
}

IdentityResult IdentityClient::refresh(const QString &refreshToken)
{
    const QByteArray form = "grant_type=refresh_token&refresh_token=" + QUrl::toPercentEncoding(refreshToken);
    const Answer answer = post(endpoints_.tokenUrl(), form, QByteArrayLiteral("application/x-www-form-urlencoded"));
    IdentityUser user;
    user.idToken = answer.body.value(QLatin1String("id_token")).toString();
    user.refreshToken = answer.body.value(QLatin1String("refresh_token")).toString();
    user.localId = answer.body.value(QLatin1String("user_id")).toString();
    return {user, answer.error};
}

} // namespace quelta
