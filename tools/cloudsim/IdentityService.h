#pragma once

#include "Accounts.h"
#include "Reply.h"

#include <QObject>
#include <QUrlQuery>

namespace quelta::cloudsim {

struct IdentityRequest
{
    QByteArray method;
    QString path;           // "/identitytoolkit.googleapis.com/v1/accounts:signUp", ...
    QUrlQuery query;
    QByteArray apiKeyHeader;  // X-Goog-Api-Key, which may stand for ?key=
    QByteArray body;
};

// A request for a verification or password-reset mail. No mail goes out; the requests are kept
// (in memory) for tests and demos to read.
struct OobRequest
{
    QString requestType;
    QString email;
    QString oobCode;
    qint64 createdAt = 0;
};

// The part of the Firebase Authentication REST interface the tool uses, answering as the Auth
// emulator does: accounts:signUp, accounts:signInWithPassword, accounts:sendOobCode,
// accounts:lookup and securetoken's token refresh. Errors come as Google APIs give them:
// 400 {"error": {"code": 400, "message": "EMAIL_EXISTS", "errors": [...]}}.
class IdentityService : public QObject
{
    Q_OBJECT
public:
    // An empty `apiKey` takes any key.
    IdentityService(Accounts accounts, QString project, QString apiKey, Clock clock,
                    QObject *parent = nullptr);

    static bool serves(const QString &path);
    Reply handle(const IdentityRequest &request);

    // Not part of the real service: for tests and demos.
    Reply markEmailVerified(const QString &email);
    Reply oobRequests() const;

    const Accounts &accounts() const { return accounts_; }

signals:
    // After every change to an account.
    void changed();

private:
    Reply signUp(const QJsonObject &body);
    Reply signInWithPassword(const QJsonObject &body);
    Reply sendOobCode(const QJsonObject &body);
    Reply lookup(const QJsonObject &body);
    Reply refresh(const QJsonObject &body);

    // The account an ID token names, or the error to answer.
    Account *tokenAccount(const QJsonValue &idToken, Reply &error);
    QString idToken(const Account &account) const;
    QJsonObject tokenAnswer(const QString &kind, const Account &account) const;
    bool keyAccepted(const IdentityRequest &request) const;

    Accounts accounts_;
    QString project_;
    QString apiKey_;
    Clock clock_;
    QList<OobRequest> oobRequests_;
};

} // namespace quelta::cloudsim
