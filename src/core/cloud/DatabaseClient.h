#pragma once

#include "core/cloud/CloudEndpoints.h"
#include "core/cloud/CloudError.h"

#include <QByteArray>
#include <QStringList>

#include <optional>

class QNetworkAccessManager;

namespace quelta {

// Where the database client takes the id token from, and who gets a new one when the database
// refuses it (the token lasts an hour; the program runs for days).
class TokenSource
{
public:
    virtual ~TokenSource() = default;
    virtual QString idToken() const = 0;
    // A new id token; false when none could be had.
    virtual bool renewToken() = 0;
};

struct DatabaseQuery
{
    QString orderBy;     // "$key", "Created"...: sent JSON-quoted
    int limitToLast = 0; // > 0: only the last that many children
};

struct DatabaseAnswer
{
    QByteArray body; // the JSON text of the answer
    CloudError error;

    bool ok() const { return !error.failed(); }
};

// The database's REST interface: PATH.json?auth=TOKEN. Every request is waited for, with the
// endpoints' time-out. One refused for its token (401) is repeated once with a renewed token.
class DatabaseClient
{
public:
    DatabaseClient(QNetworkAccessManager &network, const CloudEndpoints &endpoints, TokenSource &tokens);

    DatabaseAnswer get(const QStringList &path, const DatabaseQuery &query = {});
    DatabaseAnswer put(const QStringList &path, const QByteArray &json);
    DatabaseAnswer patch(const QStringList &path, const QByteArray &json);
    DatabaseAnswer post(const QStringList &path, const QByteArray &json);
    DatabaseAnswer remove(const QStringList &path);

    // The segments to address: a trailing empty one (a path written with a final "/") is dropped;
    // nothing when another is empty, which would address a different node.
    static std::optional<QStringList> addressable(const QStringList &path);

private:
    DatabaseAnswer send(const QByteArray &verb, const QStringList &path, const DatabaseQuery &query,
                        const QByteArray &body);
    DatabaseAnswer sendOnce(const QByteArray &verb, const QStringList &segments, const DatabaseQuery &query,
                            const QByteArray &body);

    QNetworkAccessManager &network_;
    const CloudEndpoints &endpoints_;
    TokenSource &tokens_;
};

} // namespace quelta
