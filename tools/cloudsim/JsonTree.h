#pragma once

#include <QJsonValue>
#include <QStringList>

#include <optional>

namespace quelta::cloudsim {

// A location in the database: its keys from the root down; empty for the root.
using Path = QStringList;

// The database's tree of stored values (see Values.h). Writing null, or a value that stores as
// nothing, removes a node, and parents that are left empty go with it.
class JsonTree
{
public:
    explicit JsonTree(QJsonValue root = QJsonValue()) : root_(std::move(root)) {}

    const QJsonValue &root() const { return root_; }
    // The node at `path`: null when there is none.
    QJsonValue get(const Path &path) const;
    // Replaces the node at `path` with `stored`. A scalar on the way down is replaced by an
    // object, except when `stored` is null: removing below a scalar leaves it as it is.
    void set(const Path &path, const QJsonValue &stored);

    // "a/b//c" → {a, b, c}; empty segments are skipped, so "" and "/" are the root. Nullopt when a
    // segment is not a valid key.
    static std::optional<Path> parsePath(const QString &text);

private:
    static QJsonValue setBelow(const QJsonValue &node, const Path &path, qsizetype depth,
                               const QJsonValue &stored);

    QJsonValue root_;
};

} // namespace quelta::cloudsim
