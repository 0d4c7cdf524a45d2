#include "JsonTree.h"

#include "Values.h"

#include <QJsonObject>

namespace quelta::cloudsim {

QJsonValue JsonTree::get(const Path &path) const
{
    QJsonValue node = root_;
    for (const QString &key : path) {
        if (!node.isObject())
            return QJsonValue();
        node = node.toObject().value(key);
    }
    return node.isUndefined() ? QJsonValue() : node;
}

void JsonTree::set(const Path &path, const QJsonValue &stored)
{
    root_ = setBelow(root_, path, 0, stored);
}

QJsonValue JsonTree::setBelow(const QJsonValue &node, const Path &path, qsizetype depth,
                              const QJsonValue &stored)
{
    if (depth == path.size())
        return stored;
    if (!node.isObject() && stored.isNull())
        return node.isUndefined() ? QJsonValue() : node;
    QJsonObject object = node.toObject();
    const QString &key = path[depth];
    const QJsonValue child = setBelow(object.value(key), path, depth + 1, stored);
    if (child.isNull())
        object.remove(key);
    else
        object.insert(key, child);
    return object.isEmpty() ? QJsonValue() : QJsonValue(object);
}

std::optional<Path> JsonTree::parsePath(const QString &text)
{
    Path path = text.split(u'/', Qt::SkipEmptyParts);
    for (const QString &key : path) {
        if (!values::isValidKey(key))
            return std::nullopt;
    }
    return path;
}

} // namespace quelta::cloudsim
