#include "Accounts.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>

namespace quelta::cloudsim {

namespace {

QString randomText(int length)
{
    static const QString alphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i)
        text.append(alphabet.at(QRandomGenerator::system()->bounded(static_cast<int>(alphabet.size()))));
    return text;
}

QByteArray randomBytes(int count)
{
    QByteArray bytes(count, '\0');
    for (char &byte : bytes)
        byte = static_cast<char>(QRandomGenerator::system()->bounded(256));
    return bytes;
}

QByteArray hashed(const QByteArray &salt, const QString &password)
{
    return QCryptographicHash::hash(salt + password.toUtf8(), QCryptographicHash::Sha256);
}

QByteArray fromBase64(const QJsonValue &value)
{
    return QByteArray::fromBase64(value.toString().toLatin1());
}

qint64 milliseconds(const QJsonValue &value, qint64 fallback)
{
    return value.isDouble() ? value.toInteger() : fallback;
}

std::optional<Account> accountFromJson(const QJsonObject &record, qint64 nowMs, QString &error)
{
    Account account;
    account.localId = record.value(QStringLiteral("localId")).toString();
    account.email = normalizedEmail(record.value(QStringLiteral("email")).toString());
    account.displayName = record.value(QStringLiteral("displayName")).toString();
    account.emailVerified = record.value(QStringLiteral("emailVerified")).toBool();
    account.disabled = record.value(QStringLiteral("disabled")).toBool();
    account.createdAt = milliseconds(record.value(QStringLiteral("createdAt")), nowMs);
    account.lastLoginAt = milliseconds(record.value(QStringLiteral("lastLoginAt")), 0);
    account.refreshToken = record.value(QStringLiteral("refreshToken")).toString();
    if (!account.email.isEmpty() && !isPlausibleEmail(account.email)) {
        error = QStringLiteral("account %1: the e-mail address is not valid").arg(account.email);
        return std::nullopt;
    }
    if (record.contains(QStringLiteral("password"))) {
        account.setPassword(record.value(QStringLiteral("password")).toString(), nowMs);
    } else {
        account.salt = fromBase64(record.value(QStringLiteral("salt")));
        account.passwordHash = fromBase64(record.value(QStringLiteral("passwordHash")));
        account.passwordUpdatedAt = milliseconds(record.value(QStringLiteral("passwordUpdatedAt")), 0);
    }
    return account;
}

QJsonObject accountToJson(const Account &account)
{
    QJsonObject record{
        {QStringLiteral("localId"), account.localId},
        {QStringLiteral("emailVerified"), account.emailVerified},
        {QStringLiteral("disabled"), account.disabled},
        {QStringLiteral("createdAt"), account.createdAt},
        {QStringLiteral("lastLoginAt"), account.lastLoginAt},
        {QStringLiteral("refreshToken"), account.refreshToken},
    };
    if (!account.email.isEmpty())
        record.insert(QStringLiteral("email"), account.email);
    if (!account.displayName.isEmpty())
        record.insert(QStringLiteral("displayName"), account.displayName);
    if (!account.passwordHash.isEmpty()) {
        record.insert(QStringLiteral("salt"), QString::fromLatin1(account.salt.toBase64()));
        record.insert(QStringLiteral("passwordHash"), QString::fromLatin1(account.passwordHash.toBase64()));
        record.insert(QStringLiteral("passwordUpdatedAt"), account.passwordUpdatedAt);
    }
    return record;
}

} // namespace

void Account::setPassword(const QString &password, qint64 nowMs)
{
    salt = randomBytes(16);
    passwordHash = hashed(salt, password);
    passwordUpdatedAt = nowMs;
}

bool Account::hasPassword(const QString &password) const
{
    return !passwordHash.isEmpty() && hashed(salt, password) == passwordHash;
}

std::optional<Accounts> Accounts::fromJson(const QJsonArray &records, qint64 nowMs, QString &error)
{
    Accounts accounts;
    for (const QJsonValue &record : records) {
        std::optional<Account> account = accountFromJson(record.toObject(), nowMs, error);
        if (!account)
            return std::nullopt;
        if ((!account->email.isEmpty() && accounts.byEmail(account->email))
            || (!account->localId.isEmpty() && accounts.byId(account->localId))) {
            error = QStringLiteral("account %1 %2 is there twice").arg(account->localId, account->email);
            return std::nullopt;
        }
        accounts.add(std::move(*account));
    }
    return accounts;
}

QJsonArray Accounts::toJson() const
{
    QJsonArray records;
    for (const auto &[localId, account] : accounts_)
        records.append(accountToJson(account));
    return records;
}

Account *Accounts::byId(const QString &localId)
{
    const auto found = accounts_.find(localId);
    return found == accounts_.end() ? nullptr : &found->second;
}

Account *Accounts::byEmail(const QString &email)
{
    const QString wanted = normalizedEmail(email);
    const auto found = std::find_if(accounts_.begin(), accounts_.end(),
                                    [&](const auto &entry) { return entry.second.email == wanted; });
    return wanted.isEmpty() || found == accounts_.end() ? nullptr : &found->second;
}

Account *Accounts::byRefreshToken(const QString &token)
{
    const auto found = std::find_if(accounts_.begin(), accounts_.end(),
                                    [&](const auto &entry) { return entry.second.refreshToken == token; });
    return token.isEmpty() || found == accounts_.end() ? nullptr : &found->second;
}

Account &Accounts::add(Account account)
{
    while (account.localId.isEmpty() || accounts_.count(account.localId) > 0)
        account.localId = randomText(28);
    if (account.refreshToken.isEmpty())
        account.refreshToken = randomText(64);
    const QString localId = account.localId;
    return accounts_.insert_or_assign(localId, std::move(account)).first->second;
}

QString normalizedEmail(const QString &email)
{
    return email.trimmed().toLower();
}

bool isPlausibleEmail(const QString &email)
{
    static const QRegularExpression shape(QStringLiteral("^[^@\\s]+@[^@\\s]+$"));
    return shape.match(email).hasMatch();
}

} // namespace quelta::cloudsim
