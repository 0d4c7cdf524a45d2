#pragma once

#include <QJsonValue>
#include <QString>

#include <optional>

// The database's data model. A stored value is null (nothing), a boolean, a number, a string or a
// non-empty object of stored values: arrays are kept as objects keyed "0", "1", ..., and nulls and
// empty objects are never kept.
namespace quelta::cloudsim::values {

// A key the database accepts: not empty, at most 768 bytes of UTF-8, none of . $ # [ ] / and no
// control characters.
bool isValidKey(const QString &key);

// `written` with its server values replaced: {".sv": "timestamp"} by `nowMs`, and
// {".sv": {"increment": n}} by the number stored at the same place plus n (n when none is).
// `current` is what the database holds where `written` goes.
std::optional<QJsonValue> resolveServerValues(const QJsonValue &written, const QJsonValue &current,
                                              qint64 nowMs, QString &error);

// The stored form of written data: nulls and emptied objects dropped, arrays turned into objects,
// ".priority" dropped and {".value": v} unwrapped. Fails on an invalid key.
std::optional<QJsonValue> toStored(const QJsonValue &written, QString &error);

// Stored data as a reader sees it: an object whose keys are all array indices, more than half of
// the indices up to the highest present, comes out as an array with nulls in the gaps.
QJsonValue render(const QJsonValue &stored);

} // namespace quelta::cloudsim::values
