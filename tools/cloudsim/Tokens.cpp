#include "Tokens.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace quelta::cloudsim::tokens {

namespace {

QByteArray encodePart(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toBase64(
        QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

std::optional<QJsonObject> decodePart(const QByteArray &part)
{
    const auto decoded = QByteArray::fromBase64Encoding(
        part, QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || part.isEmpty())
        return std::nullopt;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(*decoded, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

QJsonObject firebaseClaim(const Identity &identity)
{
    QJsonObject identities;
    if (!identity.email.isEmpty())
        identities.insert(QStringLiteral("email"), QJsonArray{identity.email});
    return {{QStringLiteral("identities"), identities},
            {QStringLiteral("sign_in_provider"),
             identity.email.isEmpty() ? QStringLiteral("anonymous") : QStringLiteral("password")}};
}

std::optional<QJsonObject> claims(const QByteArray &token)
{
    const QList<QByteArray> parts = token.split('.');
    if (parts.size() != 3)
        return std::nullopt;
    const std::optional<QJsonObject> header = decodePart(parts[0]);
    if (!header || !header->value(QStringLiteral("alg")).isString())
        return std::nullopt;
    return decodePart(parts[1]);
}

} // namespace

QByteArray makeIdToken(const Identity &identity, qint64 nowSeconds)
{
    const QJsonObject header{{QStringLiteral("alg"), QStringLiteral("none")},
                             {QStringLiteral("typ"), QStringLiteral("JWT")}};
    QJsonObject payload{
        {QStringLiteral("iss"), QStringLiteral("https://securetoken.google.com/") + identity.project},
        {QStringLiteral("aud"), identity.project},
        {QStringLiteral("auth_time"), identity.authTime},
        {QStringLiteral("user_id"), identity.localId},
        {QStringLiteral("sub"), identity.localId},
        {QStringLiteral("iat"), nowSeconds},
        {QStringLiteral("exp"), nowSeconds + LifetimeSeconds},
        {QStringLiteral("firebase"), firebaseClaim(identity)},
    };
    if (!identity.email.isEmpty()) {
        payload.insert(QStringLiteral("email"), identity.email);
        payload.insert(QStringLiteral("email_verified"), identity.emailVerified);
    }
    if (!identity.displayName.isEmpty())
        payload.insert(QStringLiteral("name"), identity.displayName);
    return encodePart(header) + '.' + encodePart(payload) + '.';
}

Verdict check(const QByteArray &token, qint64 nowSeconds, QJsonObject *claimsOut)
{
    const std::optional<QJsonObject> payload = claims(token);
    if (!payload || payload->value(QStringLiteral("sub")).toString().isEmpty())
        return Verdict::Malformed;
    if (claimsOut)
        *claimsOut = *payload;
    return payload->value(QStringLiteral("exp")).toDouble() > static_cast<double>(nowSeconds)
        ? Verdict::Valid : Verdict::Expired;
}

} // namespace quelta::cloudsim::tokens
