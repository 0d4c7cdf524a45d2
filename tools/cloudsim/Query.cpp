#include "Query.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quelta::cloudsim {

namespace {

std::optional<qint32> integerKey(const QString &key)
{
    static const QRegularExpression canonical(QStringLiteral("^(0|-?[1-9][0-9]{0,9})$"));
    if (!canonical.match(key).hasMatch())
        return std::nullopt;
    const qint64 number = key.toLongLong();
    if (number < std::numeric_limits<qint32>::min() || number > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(number);
}

int rank(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        return 0;
    case QJsonValue::Bool:
        return value.toBool() ? 2 : 1;
    case QJsonValue::Double:
        return 3;
    case QJsonValue::String:
        return 4;
    case QJsonValue::Array:
    case QJsonValue::Object:
        return 5;
    }
    return 0;
}

template<typename T>
int threeWay(const T &a, const T &b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

std::optional<qsizetype> positiveInteger(const std::optional<QJsonValue> &value)
{
    const double number = value ? value->toDouble(-1) : -1;
    if (number < 1 || number != std::floor(number) || number > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qsizetype>(number);
}

} // namespace

int compareKeys(const QString &a, const QString &b)
{
    const std::optional<qint32> numberA = integerKey(a);
    const std::optional<qint32> numberB = integerKey(b);
    if (numberA && numberB)
        return threeWay(*numberA, *numberB);
    if (numberA || numberB)
        return numberA ? -1 : 1;
    return threeWay(QString::compare(a, b), 0);
}

int compareValues(const QJsonValue &a, const QJsonValue &b)
{
    const int byRank = threeWay(rank(a), rank(b));
    if (byRank != 0)
        return byRank;
    if (a.isDouble())
        return threeWay(a.toDouble(), b.toDouble());
    if (a.isString())
        return threeWay(QString::compare(a.toString(), b.toString()), 0);
    return 0;
}

std::optional<Query> Query::parse(const QUrlQuery &parameters, QString &error)
{
    const auto has = [&](const QString &name) { return parameters.hasQueryItem(name); };
    const auto read = [&](const QString &name) {
        return json::parse(parameters.queryItemValue(name, QUrl::FullyDecoded).toUtf8());
    };
    Query query;
    const QString orderBy = QStringLiteral("orderBy");
    if (has(orderBy) && !query.setOrder(read(orderBy), error))
        return std::nullopt;

    for (const auto &[name, limit] : {std::pair{QStringLiteral("limitToFirst"), &query.limitToFirst_},
                                      std::pair{QStringLiteral("limitToLast"), &query.limitToLast_}}) {
        if (has(name) && !(*limit = positiveInteger(read(name)))) {
            error = QStringLiteral("%1 must be a positive integer").arg(name);
            return std::nullopt;
        }
    }
    if (query.limitToFirst_ && query.limitToLast_) {
        error = QStringLiteral("limitToFirst and limitToLast cannot be used together");
        return std::nullopt;
    }

    const QString equalTo = QStringLiteral("equalTo");
    const QString startAt = QStringLiteral("startAt");
    const QString endAt = QStringLiteral("endAt");
    if (has(equalTo) && (has(startAt) || has(endAt))) {
        error = QStringLiteral("equalTo cannot be used with startAt or endAt");
        return std::nullopt;
    }
    for (const auto &[name, bounds] : {std::pair{equalTo, QList{&query.startAt_, &query.endAt_}},
                                       std::pair{startAt, QList{&query.startAt_}},
                                       std::pair{endAt, QList{&query.endAt_}}}) {
        if (!has(name))
            continue;
        const std::optional<QJsonValue> value = query.boundValue(name, read(name), error);
        if (!value)
            return std::nullopt;
        for (std::optional<QJsonValue> *bound : bounds)
            *bound = value;
    }

    const bool filtered = query.startAt_ || query.endAt_ || query.limitToFirst_ || query.limitToLast_;
    if (filtered && !query.isActive()) {
        error = QStringLiteral("orderBy must be defined when other query parameters are defined");
        return std::nullopt;
    }
    return query;
}

bool Query::setOrder(const std::optional<QJsonValue> &value, QString &error)
{
    const QString name = value ? value->toString() : QString();
    const std::optional<Path> path = JsonTree::parsePath(name);
    if (name == QLatin1String("$key") || name == QLatin1String("$priority")) {
        // Nothing keeps a priority here, so ordering by it leaves every child tied on null.
        order_ = Order::Key;
    } else if (name == QLatin1String("$value")) {
        order_ = Order::Value;
    } else if (path && !path->isEmpty()) {
        order_ = Order::Child;
        child_ = *path;
    } else {
        error = QStringLiteral("orderBy must be a valid JSON encoded path");
        return false;
    }
    return true;
}

std::optional<QJsonValue> Query::boundValue(const QString &name, const std::optional<QJsonValue> &value,
                                            QString &error) const
{
    if (!value || value->isObject() || value->isArray()) {
        error = QStringLiteral("Constraint index field must be a JSON primitive");
        return std::nullopt;
    }
    if (order_ == Order::Key && !value->isString()) {
        error = QStringLiteral("%1 must be a string when orderBy is \"$key\"").arg(name);
        return std::nullopt;
    }
    return value;
}

QList<json::Entry> Query::apply(const QJsonObject &node) const
{
    QList<json::Entry> children;
    for (auto it = node.begin(); it != node.end(); ++it) {
        const json::Entry child{it.key(), it.value()};
        if (withinBounds(child))
            children.append(child);
    }
    std::sort(children.begin(), children.end(),
              [this](const json::Entry &a, const json::Entry &b) { return compareChildren(a, b) < 0; });
    if (limitToFirst_ && children.size() > *limitToFirst_)
        children.resize(*limitToFirst_);
    if (limitToLast_ && children.size() > *limitToLast_)
        children.remove(0, children.size() - *limitToLast_);
    return children;
}

QJsonValue Query::sortValue(const json::Entry &child) const
{
    if (order_ == Order::Value)
        return child.second;
    if (order_ == Order::Child)
        return JsonTree(child.second).get(child_);
    return QJsonValue();
}

int Query::compareChildren(const json::Entry &a, const json::Entry &b) const
{
    const int byValue = compareValues(sortValue(a), sortValue(b));
    return byValue != 0 ? byValue : compareKeys(a.first, b.first);
}

bool Query::withinBounds(const json::Entry &child) const
{
    return (!startAt_ || compareToBound(child, *startAt_) >= 0)
        && (!endAt_ || compareToBound(child, *endAt_) <= 0);
}

int Query::compareToBound(const json::Entry &child, const QJsonValue &bound) const
{
    if (order_ == Order::Key)
        return compareKeys(child.first, bound.toString());
    return compareValues(sortValue(child), bound);
}

} // namespace quelta::cloudsim
