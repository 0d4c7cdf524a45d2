#pragma once

#include <QStringList>
#include <QUrl>
#include <QUrlQuery>

#include <utility>

namespace quelta {

// Query parameters by name, their values unencoded.
using QueryItems = QList<std::pair<QString, QString>>;

// Addresses given on a command line or by a test; each one given wins over the environment.
struct CloudOverrides
{
    QString databaseUrl; // "http://127.0.0.1:9000/" or "...?ns=NAME"
    QString identityUrl; // an emulator's root ("http://127.0.0.1:9099/") or the service's own address
    QString apiKey;
};

// Where the identity service and the database are, the web API key, and how long a request may take.
// The production addresses are built in; FIREBASE_AUTH_EMULATOR_HOST and FIREBASE_DATABASE_EMULATOR_HOST
// ("host:port") move them to local emulators as the official SDKs do.
struct CloudEndpoints
{
    QUrl identity;    // ".../identitytoolkit.googleapis.com": accounts:X hangs below v1/
    QUrl secureToken; // ".../securetoken.googleapis.com": the token refresh hangs below v1/
    QUrl database;    // the database's root, ending in "/"
    QString ns;       // the database name, sent as ns= when the root does not carry it in its host
    QString apiKey;
    int timeoutMs = 15000;

    static CloudEndpoints production();
    // The production addresses, then the emulator variables of the environment, then the overrides.
    static CloudEndpoints configured(const CloudOverrides &overrides = {});

    // An emulator's root: the service hosts become the first path segment.
    void setIdentityEmulator(const QUrl &root);
    void setIdentityAddress(const QUrl &address);
    void setDatabaseAddress(const QUrl &address);

    QUrl identityUrl(const QString &method) const; // accounts:method?key=K
    QUrl tokenUrl() const;                         // token?key=K
    // PATH.json with the given query; the segments are percent-encoded here.
    QUrl databaseUrl(const QStringList &segments, const QueryItems &query) const;
    // The database's name ("quelta-cloud-default-rtdb"), as the console names the server.
    QString databaseName() const;
};

} // namespace quelta
