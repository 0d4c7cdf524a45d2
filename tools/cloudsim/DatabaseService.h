#pragma once

#include "JsonTree.h"
#include "PushKeys.h"
#include "Reply.h"

#include <QObject>
#include <QUrlQuery>

namespace quelta::cloudsim {

struct DatabaseRequest
{
    QByteArray method;      // GET, PUT, POST, PATCH or DELETE, after any method override
    QString encodedPath;    // as in the request line: "/devices/d1.json", "/.json"
    QUrlQuery query;
    QByteArray body;
};

// The Realtime Database REST interface over one JSON tree: GET (with orderBy, startAt, endAt,
// equalTo, limitToFirst, limitToLast, shallow), PUT, PATCH (multi-path), POST (push keys) and
// DELETE; print=pretty and print=silent; server values. Every request needs an auth parameter
// that is the owner token or an unexpired ID token; there are no security rules beyond that.
class DatabaseService : public QObject
{
    Q_OBJECT
public:
    explicit DatabaseService(JsonTree tree, Clock clock, QObject *parent = nullptr);

    Reply handle(const DatabaseRequest &request);
    const JsonTree &tree() const { return tree_; }

signals:
    // After every write that was applied.
    void changed();

private:
    // One request once its path has been accepted.
    struct Call;
    // A value ready to go into the tree: where, as written (server values resolved, which is what
    // a write answers) and as stored.
    struct Change
    {
        Path path;
        QJsonValue resolved;
        QJsonValue stored;
    };

    std::optional<Reply> refusal(const QString &token) const;
    Reply get(const Call &call) const;
    Reply put(const Call &call);
    Reply patch(const Call &call);
    Reply post(const Call &call);
    Reply remove(const Call &call);
    std::optional<Change> prepare(const Path &path, const QJsonValue &written, QString &error) const;
    void apply(const QList<Change> &changes);

    JsonTree tree_;
    Clock clock_;
    PushKeyGenerator pushKeys_;
};

} // namespace quelta::cloudsim
