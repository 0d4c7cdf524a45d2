#include "Values.h"

#include <QJsonArray>
#include <QJsonObject>

namespace quelta::cloudsim::values {

namespace {

constexpr qsizetype MaxKeyBytes = 768;
const QString ServerValueKey = QStringLiteral(".sv");
const QString PriorityKey = QStringLiteral(".priority");
const QString ValueKey = QStringLiteral(".value");

QString invalidKey(const QString &key)
{
    return QStringLiteral("Invalid data; key \"%1\" is empty, too long or contains one of '/', '.', "
                          "'#', '$', '[', ']' or a control character.").arg(key);
}

std::optional<QJsonValue> serverValue(const QJsonValue &placeholder, const QJsonValue &current,
                                      qint64 nowMs, QString &error)
{
    if (placeholder.toString() == QLatin1String("timestamp"))
        return QJsonValue(nowMs);
    const QJsonValue delta = placeholder.toObject().value(QLatin1String("increment"));
    if (placeholder.toObject().size() == 1 && delta.isDouble())
        return QJsonValue(current.isDouble() ? current.toDouble() + delta.toDouble() : delta.toDouble());
    error = QStringLiteral("Invalid data; unsupported server value.");
    return std::nullopt;
}

// A non-negative integer written the canonical way ("0", "7", "12"; not "07" nor "-1").
std::optional<qsizetype> arrayIndex(const QString &key)
{
    if (key.isEmpty() || key.size() > 9 || (key.size() > 1 && key.front() == u'0'))
        return std::nullopt;
    for (const QChar c : key) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return key.toLongLong();
}

std::optional<QJsonArray> asArray(const QJsonObject &object)
{
    qsizetype highest = -1;
    for (auto it = object.begin(); it != object.end(); ++it) {
        const std::optional<qsizetype> index = arrayIndex(it.key());
        if (!index)
            return std::nullopt;
        highest = std::max(highest, *index);
    }
    if (object.isEmpty() || 2 * object.size() <= highest + 1)
        return std::nullopt;
    QJsonArray array;
    for (qsizetype i = 0; i <= highest; ++i)
        array.append(render(object.value(QString::number(i))));
    return array;
}

} // namespace

bool isValidKey(const QString &key)
{
    if (key.isEmpty() || key.toUtf8().size() > MaxKeyBytes)
        return false;
    for (const QChar c : key) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7f || u == u'.' || u == u'$' || u == u'#' || u == u'[' || u == u']'
            || u == u'/')
            return false;
    }
    return true;
}

std::optional<QJsonValue> resolveServerValues(const QJsonValue &written, const QJsonValue &current,
                                              qint64 nowMs, QString &error)
{
    if (written.isArray()) {
        QJsonArray array = written.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
            const auto child = resolveServerValues(array.at(i), current.toObject().value(QString::number(i)),
                                                   nowMs, error);
            if (!child)
                return std::nullopt;
            array[i] = *child;
        }
        return array;
    }
    if (!written.isObject())
        return written;
    QJsonObject object = written.toObject();
    if (object.size() == 1 && object.contains(ServerValueKey))
        return serverValue(object.value(ServerValueKey), current, nowMs, error);
    for (auto it = object.begin(); it != object.end(); ++it) {
        const auto child = resolveServerValues(it.value(), current.toObject().value(it.key()), nowMs, error);
        if (!child)
            return std::nullopt;
        it.value() = *child;
    }
    return object;
}

std::optional<QJsonValue> toStored(const QJsonValue &written, QString &error)
{
    if (!written.isObject() && !written.isArray())
        return written.isUndefined() ? QJsonValue() : written;
    QJsonObject members;
    if (written.isArray()) {
        const QJsonArray array = written.toArray();
        for (qsizetype i = 0; i < array.size(); ++i)
            members.insert(QString::number(i), array.at(i));
    } else {
        members = written.toObject();
        if (members.contains(ValueKey))
            return toStored(members.value(ValueKey), error);
        members.remove(PriorityKey);
    }
    QJsonObject stored;
    for (auto it = members.begin(); it != members.end(); ++it) {
        if (!isValidKey(it.key())) {
            error = invalidKey(it.key());
            return std::nullopt;
        }
        const auto child = toStored(it.value(), error);
        if (!child)
            return std::nullopt;
        if (!child->isNull())
            stored.insert(it.key(), *child);
    }
    return stored.isEmpty() ? QJsonValue() : QJsonValue(stored);
}

QJsonValue render(const QJsonValue &stored)
{
    if (!stored.isObject())
        return stored;
    const QJsonObject object = stored.toObject();
    if (std::optional<QJsonArray> array = asArray(object))
        return *array;
    QJsonObject rendered;
    for (auto it = object.begin(); it != object.end(); ++it)
        rendered.insert(it.key(), render(it.value()));
    return rendered;
}

} // namespace quelta::cloudsim::values
