#pragma once

#include "core/cloud/CloudEndpoints.h"
#include "core/cloud/CloudError.h"

#include <QJsonObject>
#include <QString>

#include <optional>

class QNetworkAccessManager;

namespace quelta {

// A user as the identity service answers for one: what sign-in, sign-up, lookup and refresh give.
struct IdentityUser
{
    QString idToken;
    QString refreshToken;
    QString localId;
    QString email;
    std::optional<bool> registered;    // sign-in answers it; sign-up does not
    std::optional<bool> emailVerified; // lookup answers it
};

struct IdentityResult
{
    IdentityUser user;
    CloudError error;

    bool ok() const { return !error.failed(); }
};

// The identity service's REST interface (Identity Toolkit v1 and the token refresh), each call
// waited for with the endpoints' time-out.
class IdentityClient
{
public:
    IdentityClient(QNetworkAccessManager &network, const CloudEndpoints &endpoints);

    IdentityResult signInWithPassword(const QString &email, const QString &password);
    IdentityResult signUp(const QString &email, const QString &password);
    CloudError sendVerificationEmail(const QString &idToken); // sendOobCode VERIFY_EMAIL
    CloudError sendPasswordReset(const QString &email);       // sendOobCode PASSWORD_RESET
    IdentityResult lookup(const QString &idToken);            // the user, with emailVerified
    IdentityResult refresh(const QString &refreshToken);      // a new id token

    // The code of an error answer: its error.message up to " : " ("WEAK_PASSWORD : Password should
    // be at least 6 characters" is WEAK_PASSWORD).
    static CloudError errorOf(int status, const QByteArray &body);

private:
    struct Answer
    {
        QJsonObject body;
        CloudError error;
    };
    Answer post(const QUrl &url, const QByteArray &body, const QByteArray &contentType);
    Answer accounts(const QString &method, const QJsonObject &body);

    QNetworkAccessManager &network_;
    const CloudEndpoints &endpoints_;
};

} // namespace quelta
