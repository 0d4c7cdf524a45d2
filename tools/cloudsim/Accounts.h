#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <map>
#include <optional>

namespace quelta::cloudsim {

// One user of the identity service. The password is kept as a SHA-256 of a random salt followed by
// its UTF-8, never as text.
struct Account
{
    QString localId;
    QString email;              // lower case; empty for an anonymous account
    QString displayName;
    QByteArray salt;
    QByteArray passwordHash;
    bool emailVerified = false;
    bool disabled = false;
    qint64 createdAt = 0;       // milliseconds since the epoch
    qint64 lastLoginAt = 0;
    qint64 passwordUpdatedAt = 0;
    QString refreshToken;       // one a user, kept until the account goes

    void setPassword(const QString &password, qint64 nowMs);
    bool hasPassword(const QString &password) const;
};

// The accounts, by local id. As JSON (seed and store files) they are an array of objects with the
// members of Account, salt and hash in base64; a seed may give "password" in clear instead, which
// is hashed on loading.
class Accounts
{
public:
    static std::optional<Accounts> fromJson(const QJsonArray &records, qint64 nowMs, QString &error);
    QJsonArray toJson() const;

    Account *byId(const QString &localId);
    Account *byEmail(const QString &email);
    Account *byRefreshToken(const QString &token);
    // Gives the account a local id and a refresh token when it has none.
    Account &add(Account account);

private:
    std::map<QString, Account> accounts_;
};

// Lower case and trimmed, as the identity service keeps e-mail addresses.
QString normalizedEmail(const QString &email);
bool isPlausibleEmail(const QString &email);

} // namespace quelta::cloudsim
