#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

// ID tokens as the Firebase Authentication emulator issues them: JSON Web Tokens with
// {"alg": "none"} and an empty signature. Nothing here checks a signature, so the database also
// takes tokens signed by a real service, as long as their claims pass.
namespace quelta::cloudsim::tokens {

constexpr qint64 LifetimeSeconds = 3600;

// The admin token of the emulators: always accepted by the database.
inline const QString OwnerToken = QStringLiteral("owner");

struct Identity
{
    QString project;
    QString localId;
    QString email;          // empty for an anonymous account
    bool emailVerified = false;
    QString displayName;
    qint64 authTime = 0;    // seconds since the epoch of the last sign-in
};

// An unsigned ID token for `identity`, issued at `nowSeconds` and valid for LifetimeSeconds.
QByteArray makeIdToken(const Identity &identity, qint64 nowSeconds);

enum class Verdict { Valid, Malformed, Expired };

// A well-formed token has three base64url parts, the last (the signature) possibly empty, the
// first two JSON objects, the header naming an "alg".
// Valid for a well-formed token with a subject ("sub") that expires ("exp") after `nowSeconds`;
// its claims go to `claimsOut` when given.
Verdict check(const QByteArray &token, qint64 nowSeconds, QJsonObject *claimsOut = nullptr);

} // namespace quelta::cloudsim::tokens
