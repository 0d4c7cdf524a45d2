#include "DatabaseService.h"

#include "Json.h"
#include "Query.h"
#include "Tokens.h"
#include "Values.h"

#include <QJsonObject>

namespace quelta::cloudsim {

struct DatabaseService::Call
{
    Path path;
    QUrlQuery query;
    QByteArray body;
    json::Style style = json::Style::Compact;
    bool silent = false;

    // print=silent answers a success with 204 and no body.
    Reply success(const QByteArray &answer) const { return silent ? Reply{204, {}} : Reply{200, answer}; }
};

namespace {

const QString InvalidData = QStringLiteral("Invalid data; couldn't parse JSON object, array, or value.");

// "/a/b%20c.json" → {a, "b c"}; nullopt with `error` set when it is not a database path.
std::optional<Path> pathFromUrl(const QString &encodedPath, Reply &error)
{
    static const QString suffix = QStringLiteral(".json");
    if (!encodedPath.endsWith(suffix)) {
        error = errorReply(404, QStringLiteral("Not found: database paths end in .json"));
        return std::nullopt;
    }
    Path path;
    for (const QString &segment : encodedPath.chopped(suffix.size()).split(u'/', Qt::SkipEmptyParts)) {
        const QString key = QUrl::fromPercentEncoding(segment.toUtf8());
        if (!values::isValidKey(key)) {
            error = errorReply(400, QStringLiteral("Invalid path: Invalid token in path"));
            return std::nullopt;
        }
        path.append(key);
    }
    return path;
}

bool isAncestor(const Path &ancestor, const Path &path)
{
    return ancestor.size() < path.size() && std::equal(ancestor.begin(), ancestor.end(), path.begin());
}

// What shallow=true reads: a scalar as it is, an object with each child as true or its scalar.
QJsonValue shallowView(const QJsonValue &node)
{
    if (!node.isObject())
        return node;
    QJsonObject view = node.toObject();
    for (auto it = view.begin(); it != view.end(); ++it) {
        if (it.value().isObject())
            it.value() = true;
    }
    return view;
}

} // namespace

DatabaseService::DatabaseService(JsonTree tree, Clock clock, QObject *parent)
    : QObject(parent), tree_(std::move(tree)), clock_(std::move(clock))
{
}

Reply DatabaseService::handle(const DatabaseRequest &request)
{
    Reply error;
    const std::optional<Path> path = pathFromUrl(request.encodedPath, error);
    if (!path)
        return error;
    if (std::optional<Reply> refused = refusal(request.query.queryItemValue(QStringLiteral("auth"), QUrl::FullyDecoded)))
        return *refused;

    const QString print = request.query.queryItemValue(QStringLiteral("print"));
    const Call call{*path, request.query, request.body,
                    print == QLatin1String("pretty") ? json::Style::Pretty : json::Style::Compact,
                    print == QLatin1String("silent")};
    if (request.method == "GET")
        return get(call);
    if (request.method == "PUT")
        return put(call);
    if (request.method == "PATCH")
        return patch(call);
    if (request.method == "POST")
        return post(call);
    if (request.method == "DELETE")
        return remove(call);
    return errorReply(405, QStringLiteral("Method not allowed"));
}

std::optional<Reply> DatabaseService::refusal(const QString &token) const
{
    if (token.isEmpty())
        return errorReply(401, QStringLiteral("Permission denied"));
    if (token == tokens::OwnerToken)
        return std::nullopt;
    switch (tokens::check(token.toUtf8(), clock_() / 1000)) {
    case tokens::Verdict::Valid:
        return std::nullopt;
    case tokens::Verdict::Expired:
        return errorReply(401, QStringLiteral("Auth token is expired"));
    case tokens::Verdict::Malformed:
        break;
    }
    return errorReply(401, QStringLiteral("Could not parse auth token."));
}

Reply DatabaseService::get(const Call &call) const
{
    QString error;
    const std::optional<Query> query = Query::parse(call.query, error);
    if (!query)
        return errorReply(400, error);
    const bool shallow = call.query.queryItemValue(QStringLiteral("shallow")) == QLatin1String("true");
    if (shallow && query->isActive())
        return errorReply(400, QStringLiteral("Mixing 'shallow' and querying parameters is not supported"));

    const QJsonValue node = tree_.get(call.path);
    QByteArray body;
    if (shallow) {
        body = json::write(shallowView(node), call.style);
    } else if (query->isActive() && node.isObject()) {
        QList<json::Entry> children = query->apply(node.toObject());
        for (json::Entry &child : children)
            child.second = values::render(child.second);
        // Nothing left is the empty node, which reads as null like any missing one.
        body = children.isEmpty() ? json::write(QJsonValue()) : json::writeEntries(children, call.style);
    } else {
        body = json::write(values::render(node), call.style);
    }
    return call.success(body);
}

Reply DatabaseService::put(const Call &call)
{
    const std::optional<QJsonValue> written = json::parse(call.body);
    if (!written)
        return errorReply(400, InvalidData);
    QString error;
    const std::optional<Change> change = prepare(call.path, *written, error);
    if (!change)
        return errorReply(400, error);
    apply({*change});
    return call.success(json::write(change->resolved, call.style));
}

Reply DatabaseService::patch(const Call &call)
{
    const std::optional<QJsonValue> written = json::parse(call.body);
    if (!written)
        return errorReply(400, InvalidData);
    if (!written->isObject())
        return errorReply(400, QStringLiteral("Invalid data; an update must be a JSON object."));

    // Every member is checked before any is applied: an update goes in whole or not at all.
    const QJsonObject members = written->toObject();
    QList<Change> changes;
    QJsonObject answer;
    QString error;
    for (auto it = members.begin(); it != members.end(); ++it) {
        const std::optional<Path> relative = JsonTree::parsePath(it.key());
        if (!relative || relative->isEmpty())
            return errorReply(400, QStringLiteral("Invalid data; \"%1\" is not a valid path.").arg(it.key()));
        const std::optional<Change> change = prepare(call.path + *relative, it.value(), error);
        if (!change)
            return errorReply(400, error);
        changes.append(*change);
        answer.insert(it.key(), change->resolved);
    }
    for (const Change &a : changes) {
        for (const Change &b : changes) {
            if (isAncestor(a.path, b.path))
                return errorReply(400, QStringLiteral("Invalid data; path /%1 is an ancestor of /%2 in the same update.")
                                        .arg(a.path.join(u'/'), b.path.join(u'/')));
        }
    }
    apply(changes);
    return call.success(json::write(answer, call.style));
}

Reply DatabaseService::post(const Call &call)
{
    const std::optional<QJsonValue> written = json::parse(call.body);
    if (!written)
        return errorReply(400, InvalidData);
    const QString key = pushKeys_.next(clock_());
    QString error;
    const std::optional<Change> change = prepare(call.path + Path{key}, *written, error);
    if (!change)
        return errorReply(400, error);
    apply({*change});
    return call.success(json::write(QJsonObject{{QStringLiteral("name"), key}}, call.style));
}

Reply DatabaseService::remove(const Call &call)
{
    apply({{call.path, QJsonValue(), QJsonValue()}});
    return call.success(json::write(QJsonValue()));
}

std::optional<DatabaseService::Change> DatabaseService::prepare(const Path &path, const QJsonValue &written,
                                                                QString &error) const
{
    const std::optional<QJsonValue> resolved =
        values::resolveServerValues(written, tree_.get(path), clock_(), error);
    if (!resolved)
        return std::nullopt;
    const std::optional<QJsonValue> stored = values::toStored(*resolved, error);
    if (!stored)
        return std::nullopt;
    return Change{path, *resolved, *stored};
}

void DatabaseService::apply(const QList<Change> &changes)
{
    for (const Change &change : changes)
        tree_.set(change.path, change.stored);
    emit changed();
}

} // namespace quelta::cloudsim
