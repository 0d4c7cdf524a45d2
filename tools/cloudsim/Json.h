#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace quelta::cloudsim::json {

using Entry = std::pair<QString, QJsonValue>;

enum class Style { Compact, Pretty };

// Any JSON text, a bare number, string, boolean or null included; nullopt if it is not exactly
// one JSON value.
std::optional<QJsonValue> parse(const QByteArray &text);

QByteArray write(const QJsonValue &value, Style style = Style::Compact);

// An object whose members come out in the given order: QJsonObject keeps its keys sorted, and a
// query answer lists the children in the query's order.
QByteArray writeEntries(const QList<Entry> &entries, Style style = Style::Compact);

} // namespace quelta::cloudsim::json
