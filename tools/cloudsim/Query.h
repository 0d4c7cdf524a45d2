#pragma once

#include "Json.h"
#include "JsonTree.h"

#include <QJsonObject>
#include <QUrlQuery>

#include <optional>

namespace quelta::cloudsim {

// The database's order of keys: keys that read as 32-bit integers first, by value, then the others
// by their UTF-16 code units. Negative, zero or positive like QString::compare.
int compareKeys(const QString &a, const QString &b);

// The database's order of values: null, false, true, numbers ascending, strings by their UTF-16
// code units, then objects (all equal here: ties go to the keys).
int compareValues(const QJsonValue &a, const QJsonValue &b);

// The ordering and filtering parameters of a read: orderBy, startAt, endAt, equalTo,
// limitToFirst, limitToLast. Their values are JSON, as the database's REST interface takes them.
class Query
{
public:
    enum class Order { None, Key, Value, Child };

    // Nullopt with `error` set when a parameter is malformed or stands without orderBy.
    static std::optional<Query> parse(const QUrlQuery &parameters, QString &error);

    bool isActive() const { return order_ != Order::None; }
    // The children of `node` that pass the filters, in order, limits applied.
    QList<json::Entry> apply(const QJsonObject &node) const;

private:
    bool setOrder(const std::optional<QJsonValue> &value, QString &error);
    // A startAt, endAt or equalTo value, checked against the order.
    std::optional<QJsonValue> boundValue(const QString &name, const std::optional<QJsonValue> &value,
                                         QString &error) const;
    QJsonValue sortValue(const json::Entry &child) const;
    int compareChildren(const json::Entry &a, const json::Entry &b) const;
    bool withinBounds(const json::Entry &child) const;
    int compareToBound(const json::Entry &child, const QJsonValue &bound) const;

    Order order_ = Order::None;
    Path child_;
    std::optional<QJsonValue> startAt_;
    std::optional<QJsonValue> endAt_;
    std::optional<qsizetype> limitToFirst_;
    std::optional<qsizetype> limitToLast_;
};

} // namespace quelta::cloudsim
