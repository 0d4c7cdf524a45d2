#include "IdentityService.h"

#include "Json.h"
#include "Tokens.h"

#include <QHash>
#include <QUuid>

namespace quelta::cloudsim {

namespace {

const QString IdentityPrefix = QStringLiteral("/identitytoolkit.googleapis.com/v1/accounts:");
const QString TokenPath = QStringLiteral("/securetoken.googleapis.com/v1/token");
const QString ExpiresIn = QString::number(tokens::LifetimeSeconds);
// What the service gives for the hash of a password: base64 of "REDACTED".
const QString RedactedHash = QStringLiteral("UkVEQUNURUQ=");

// The error shape of Google's APIs.
Reply googleError(int code, const QString &message, const QString &reason = QStringLiteral("invalid"),
                  const QString &status = QString())
{
    QJsonObject error{
        {QStringLiteral("code"), code},
        {QStringLiteral("message"), message},
        {QStringLiteral("errors"), QJsonArray{QJsonObject{{QStringLiteral("message"), message},
                                                          {QStringLiteral("domain"), QStringLiteral("global")},
                                                          {QStringLiteral("reason"), reason}}}},
    };
    if (!status.isEmpty())
        error.insert(QStringLiteral("status"), status);
    return {code, json::write(QJsonObject{{QStringLiteral("error"), error}})};
}

Reply refused(const QString &code)
{
    return googleError(400, code);
}

Reply answer(const QJsonObject &object)
{
    return {200, json::write(object)};
}

QString text(const QJsonObject &body, const char *name)
{
    return body.value(QLatin1String(name)).toString();
}

// The token endpoint takes a form as well as JSON.
std::optional<QJsonObject> requestBody(const IdentityRequest &request)
{
    if (request.body.trimmed().isEmpty())
        return QJsonObject();
    if (const std::optional<QJsonValue> parsed = json::parse(request.body))
        return parsed->isObject() ? std::optional(parsed->toObject()) : std::nullopt;
    if (request.path != TokenPath)
        return std::nullopt;
    QJsonObject form;
    const QUrlQuery fields(QString::fromUtf8(request.body));
    for (const auto &[name, value] : fields.queryItems(QUrl::FullyDecoded))
        form.insert(name, value);
    return form;
}

QJsonObject userInfo(const Account &account)
{
    QJsonObject user{
        {QStringLiteral("localId"), account.localId},
        {QStringLiteral("emailVerified"), account.emailVerified},
        {QStringLiteral("disabled"), account.disabled},
        {QStringLiteral("createdAt"), QString::number(account.createdAt)},
        {QStringLiteral("lastLoginAt"), QString::number(account.lastLoginAt)},
        {QStringLiteral("validSince"), QString::number(account.createdAt / 1000)},
    };
    if (!account.displayName.isEmpty())
        user.insert(QStringLiteral("displayName"), account.displayName);
    if (!account.email.isEmpty()) {
        user.insert(QStringLiteral("email"), account.email);
        user.insert(QStringLiteral("passwordHash"), RedactedHash);
        user.insert(QStringLiteral("passwordUpdatedAt"), account.passwordUpdatedAt);
        user.insert(QStringLiteral("providerUserInfo"),
                    QJsonArray{QJsonObject{{QStringLiteral("providerId"), QStringLiteral("password")},
                                           {QStringLiteral("email"), account.email},
                                           {QStringLiteral("federatedId"), account.email},
                                           {QStringLiteral("rawId"), account.email}}});
    }
    return user;
}

} // namespace

IdentityService::IdentityService(Accounts accounts, QString project, QString apiKey, Clock clock,
                                 QObject *parent)
    : QObject(parent), accounts_(std::move(accounts)), project_(std::move(project)),
      apiKey_(std::move(apiKey)), clock_(std::move(clock))
{
}

bool IdentityService::serves(const QString &path)
{
    return path.startsWith(IdentityPrefix) || path == TokenPath;
}

Reply IdentityService::handle(const IdentityRequest &request)
{
    using Method = Reply (IdentityService::*)(const QJsonObject &);
    static const QHash<QString, Method> methods{
        {IdentityPrefix + QStringLiteral("signUp"), &IdentityService::signUp},
        {IdentityPrefix + QStringLiteral("signInWithPassword"), &IdentityService::signInWithPassword},
        {IdentityPrefix + QStringLiteral("sendOobCode"), &IdentityService::sendOobCode},
        {IdentityPrefix + QStringLiteral("lookup"), &IdentityService::lookup},
        {TokenPath, &IdentityService::refresh},
    };
    const Method method = methods.value(request.path);
    if (!method || request.method != "POST")
        return googleError(404, QStringLiteral("Not Found"), QStringLiteral("notFound"), QStringLiteral("NOT_FOUND"));
    if (!keyAccepted(request))
        return googleError(400, QStringLiteral("API key not valid. Please pass a valid API key."),
                           QStringLiteral("badRequest"), QStringLiteral("INVALID_ARGUMENT"));
    const std::optional<QJsonObject> body = requestBody(request);
    if (!body)
        return googleError(400, QStringLiteral("Invalid JSON payload received."), QStringLiteral("invalid"),
                           QStringLiteral("INVALID_ARGUMENT"));
    return (this->*method)(*body);
}

Reply IdentityService::signUp(const QJsonObject &body)
{
    const qint64 now = clock_();
    Account account;
    account.createdAt = now;
    account.lastLoginAt = now;
    account.displayName = text(body, "displayName");
    // Without e-mail and password the account is anonymous.
    if (body.contains(QStringLiteral("email")) || body.contains(QStringLiteral("password"))) {
        const QString email = normalizedEmail(text(body, "email"));
        const QString password = text(body, "password");
        if (email.isEmpty())
            return refused(QStringLiteral("MISSING_EMAIL"));
        if (!isPlausibleEmail(email))
            return refused(QStringLiteral("INVALID_EMAIL"));
        if (password.isEmpty())
            return refused(QStringLiteral("MISSING_PASSWORD"));
        if (password.size() < 6)
            return refused(QStringLiteral("WEAK_PASSWORD : Password should be at least 6 characters"));
        if (accounts_.byEmail(email))
            return refused(QStringLiteral("EMAIL_EXISTS"));
        account.email = email;
        account.setPassword(password, now);
    }
    const Account &added = accounts_.add(std::move(account));
    emit changed();
    return answer(tokenAnswer(QStringLiteral("identitytoolkit#SignupNewUserResponse"), added));
}

Reply IdentityService::signInWithPassword(const QJsonObject &body)
{
    const QString email = normalizedEmail(text(body, "email"));
    const QString password = text(body, "password");
    if (!isPlausibleEmail(email))
        return refused(QStringLiteral("INVALID_EMAIL"));
    if (password.isEmpty())
        return refused(QStringLiteral("MISSING_PASSWORD"));
    Account *account = accounts_.byEmail(email);
    if (!account)
        return refused(QStringLiteral("EMAIL_NOT_FOUND"));
    if (!account->hasPassword(password))
        return refused(QStringLiteral("INVALID_PASSWORD"));
    if (account->disabled)
        return refused(QStringLiteral("USER_DISABLED"));
    account->lastLoginAt = clock_();
    emit changed();
    QJsonObject signedIn = tokenAnswer(QStringLiteral("identitytoolkit#VerifyPasswordResponse"), *account);
    signedIn.insert(QStringLiteral("registered"), true);
    signedIn.insert(QStringLiteral("displayName"), account->displayName);
    return answer(signedIn);
}

Reply IdentityService::sendOobCode(const QJsonObject &body)
{
    const QString type = text(body, "requestType");
    QString email;
    if (type == QLatin1String("VERIFY_EMAIL")) {
        Reply error;
        const Account *account = tokenAccount(body.value(QStringLiteral("idToken")), error);
        if (!account)
            return error;
        email = account->email;
        if (email.isEmpty())
            return refused(QStringLiteral("MISSING_EMAIL"));
    } else if (type == QLatin1String("PASSWORD_RESET")) {
        email = normalizedEmail(text(body, "email"));
        if (email.isEmpty())
            return refused(QStringLiteral("MISSING_EMAIL"));
        if (!isPlausibleEmail(email))
            return refused(QStringLiteral("INVALID_EMAIL"));
        if (!accounts_.byEmail(email))
            return refused(QStringLiteral("EMAIL_NOT_FOUND"));
    } else {
        return refused(type.isEmpty() ? QStringLiteral("MISSING_REQ_TYPE") : QStringLiteral("INVALID_REQ_TYPE"));
    }
    oobRequests_.append({type, email, QUuid::createUuid().toString(QUuid::WithoutBraces), clock_()});
    return answer({{QStringLiteral("kind"), QStringLiteral("identitytoolkit#GetOobConfirmationCodeResponse")},
                   {QStringLiteral("email"), email}});
}

Reply IdentityService::lookup(const QJsonObject &body)
{
    Reply error;
    const Account *account = tokenAccount(body.value(QStringLiteral("idToken")), error);
    if (!account)
        return error;
    return answer({{QStringLiteral("kind"), QStringLiteral("identitytoolkit#GetAccountInfoResponse")},
                   {QStringLiteral("users"), QJsonArray{userInfo(*account)}}});
}

Reply IdentityService::refresh(const QJsonObject &body)
{
    const QString grantType = text(body, "grant_type");
    if (grantType != QLatin1String("refresh_token"))
        return refused(grantType.isEmpty() ? QStringLiteral("MISSING_GRANT_TYPE") : QStringLiteral("INVALID_GRANT_TYPE"));
    const QString refreshToken = text(body, "refresh_token");
    if (refreshToken.isEmpty())
        return refused(QStringLiteral("MISSING_REFRESH_TOKEN"));
    const Account *account = accounts_.byRefreshToken(refreshToken);
    if (!account)
        return refused(QStringLiteral("INVALID_REFRESH_TOKEN"));
    if (account->disabled)
        return refused(QStringLiteral("USER_DISABLED"));
    const QString token = idToken(*account);
    return answer({{QStringLiteral("access_token"), token},
                   {QStringLiteral("expires_in"), ExpiresIn},
                   {QStringLiteral("token_type"), QStringLiteral("Bearer")},
                   {QStringLiteral("refresh_token"), account->refreshToken},
                   {QStringLiteral("id_token"), token},
                   {QStringLiteral("user_id"), account->localId},
                   {QStringLiteral("project_id"), project_}});
}

Reply IdentityService::markEmailVerified(const QString &email)
{
    Account *account = accounts_.byEmail(email);
    if (!account)
        return errorReply(404, QStringLiteral("EMAIL_NOT_FOUND"));
    account->emailVerified = true;
    emit changed();
    return answer({{QStringLiteral("localId"), account->localId},
                   {QStringLiteral("email"), account->email},
                   {QStringLiteral("emailVerified"), true}});
}

Reply IdentityService::oobRequests() const
{
    QJsonArray requests;
    for (const OobRequest &request : oobRequests_) {
        requests.append(QJsonObject{{QStringLiteral("requestType"), request.requestType},
                                    {QStringLiteral("email"), request.email},
                                    {QStringLiteral("oobCode"), request.oobCode},
                                    {QStringLiteral("createdAt"), request.createdAt}});
    }
    return answer({{QStringLiteral("oobCodes"), requests}});
}

Account *IdentityService::tokenAccount(const QJsonValue &idToken, Reply &error)
{
    QJsonObject claims;
    if (tokens::check(idToken.toString().toUtf8(), clock_() / 1000, &claims) != tokens::Verdict::Valid) {
        error = refused(QStringLiteral("INVALID_ID_TOKEN"));
        return nullptr;
    }
    Account *account = accounts_.byId(claims.value(QStringLiteral("sub")).toString());
    if (!account || account->disabled) {
        error = refused(account ? QStringLiteral("USER_DISABLED") : QStringLiteral("USER_NOT_FOUND"));
        return nullptr;
    }
    return account;
}

QString IdentityService::idToken(const Account &account) const
{
    const tokens::Identity identity{project_, account.localId, account.email, account.emailVerified,
                                    account.displayName, account.lastLoginAt / 1000};
    return QString::fromLatin1(tokens::makeIdToken(identity, clock_() / 1000));
}

QJsonObject IdentityService::tokenAnswer(const QString &kind, const Account &account) const
{
    QJsonObject tokens{{QStringLiteral("kind"), kind},
                       {QStringLiteral("localId"), account.localId},
                       {QStringLiteral("idToken"), idToken(account)},
                       {QStringLiteral("refreshToken"), account.refreshToken},
                       {QStringLiteral("expiresIn"), ExpiresIn}};
    if (!account.email.isEmpty())
        tokens.insert(QStringLiteral("email"), account.email);
    return tokens;
}

bool IdentityService::keyAccepted(const IdentityRequest &request) const
{
    return apiKey_.isEmpty() || request.query.queryItemValue(QStringLiteral("key"), QUrl::FullyDecoded) == apiKey_
        || QString::fromUtf8(request.apiKeyHeader) == apiKey_;
}

} // namespace quelta::cloudsim
