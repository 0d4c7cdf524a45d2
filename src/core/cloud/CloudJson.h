#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace quelta {

// A JSON object's members in the order written: the database answers an ordered query with its
// children in that order, and the event log is posted with its keys in a fixed order. QJsonObject
// keeps neither.
using JsonMembers = QList<std::pair<QString, QJsonValue>>;

// Any JSON text (a scalar too); nothing when it is not JSON.
std::optional<QJsonValue> parseJson(const QByteArray &text);
// The members of a JSON object text in their order; nothing when the text is not a JSON object.
std::optional<JsonMembers> objectMembers(const QByteArray &text);

// A value in compact JSON notation: a string keeps its quotes, null is "null".
QString jsonText(const QJsonValue &value);
// An object written with its members in the given order.
QByteArray orderedObject(const JsonMembers &members);

// The value as plain text: a string without its quotes, null empty, anything else its JSON.
QString plainText(const QJsonValue &value);

// The object as the console may show it: the values of access keys, passwords and tokens masked.
QString redacted(const QJsonObject &object);

} // namespace quelta
