#include "core/cloud/ContactRecords.h"

#include <QJsonArray>

namespace quelta::contacts {
namespace {

QString textOf(const QJsonValue &value)
{
    return value.isObject() || value.isArray() ? QString() : plainText(value);
}

// "key: <json>" split where the rest reads as JSON; a key may itself hold ": ".
std::optional<std::pair<QString, QJsonValue>> childLine(const QString &line)
{
    static const QString separator = QStringLiteral(": ");
    for (qsizetype at = line.indexOf(separator); at > 0; at = line.indexOf(separator, at + 1)) {
        if (std::optional<QJsonValue> value = parseJson(line.mid(at + separator.size()).toUtf8()))
            return std::pair{line.left(at), *value};
    }
    return std::nullopt;
}

} // namespace

JsonMembers flattenedChildren(const QString &flattened)
{
    JsonMembers children;
    const QString trimmed = flattened.trimmed();
    if (trimmed.startsWith(QLatin1Char('['))) {
        const std::optional<QJsonValue> array = parseJson(trimmed.toUtf8());
        if (array && array->isArray()) {
            const QJsonArray items = array->toArray();
            for (qsizetype i = 0; i < items.size(); ++i) {
                if (!items.at(i).isNull())
                    children.append({QString::number(i), items.at(i)});
            }
        }
        return children;
    }
    for (const QString &line : flattened.split(QLatin1Char('\r'), Qt::SkipEmptyParts)) {
        if (auto child = childLine(line))
            children.append(*child);
    }
    return children;
}

QJsonValue member(const QJsonObject &object, QStringView name)
{
    const auto exact = object.constFind(name);
    if (exact != object.constEnd())
        return *exact;
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return QJsonValue(QJsonValue::Undefined);
}

bool flagOf(const QJsonValue &value)
{
    if (value.isBool())
        return value.toBool();
    if (value.isDouble())
        return value.toDouble() != 0.0;
    const QString flag = textOf(value).trimmed();
    bool isNumber = false;
    const double number = flag.toDouble(&isNumber);
    return isNumber ? number != 0.0 : flag.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

bool isStorableKey(const QString &key)
{
    if (key.trimmed().isEmpty())
        return false;
    for (const QChar c : key) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || QStringView(u"/\\$#[]").contains(c))
            return false;
    }
    return true;
}

std::optional<PhoneRecord> phoneRecord(const QString &key, const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject entry = value.toObject();
    return PhoneRecord{key, textOf(member(entry, u"UserName")), flagOf(member(entry, u"Enabled")),
                       textOf(member(entry, u"Button"))};
}

QJsonObject phoneMembers(const QString &name, bool enabled, const QString &button)
{
    return {{QStringLiteral("UserName"), name}, {QStringLiteral("Enabled"), enabled}, {QStringLiteral("Button"), button}};
}

int ButtonFlags::count() const
{
    return int(std::count(enabled.cbegin(), enabled.cend(), true));
}

QString buttonsText(const ButtonFlags &flags)
{
    QStringList numbers;
    for (int n = 1; n <= kDoorButtons; ++n) {
        if (flags.enabled.at(size_t(n - 1)))
            numbers << QString::number(n);
    }
    return numbers.join(QLatin1Char(','));
}

ButtonFlags buttonsOf(const QString &text)
{
    ButtonFlags flags;
    for (int n = 1; n <= kDoorButtons; ++n)
        flags.enabled.at(size_t(n - 1)) = text.contains(QChar(u'0' + n));
    return flags;
}

std::optional<UserRecord> userRecord(const QString &uid, const QJsonValue &record, const QString &device)
{
    if (!record.isObject() || record.toObject().isEmpty())
        return std::nullopt;
    const QJsonObject user = record.toObject();
    UserRecord found{uid, textOf(member(user, u"email")), textOf(member(user, u"nickname")), false, {}};
    const QJsonObject modules = member(user, u"Modulos").toObject();
    QJsonValue entry = member(modules, device);
    for (auto it = modules.constBegin(); entry.isUndefined() && !device.isEmpty() && it != modules.constEnd(); ++it) {
        if (it.key().contains(device, Qt::CaseInsensitive))
            entry = it.value();
    }
    if (entry.isObject()) {
        const QJsonObject module = entry.toObject();
        ButtonFlags flags;
        for (int n = 1; n <= kDoorButtons; ++n)
            flags.enabled.at(size_t(n - 1)) = flagOf(member(module, QStringLiteral("b%1Enabled").arg(n)));
        found.enabled = flagOf(member(module, u"enabled"));
        found.buttons = buttonsText(flags);
    }
    return found;
}

QJsonObject moduleMembers(const QString &buttons, bool enabled)
{
    const ButtonFlags flags = buttonsOf(buttons);
    QJsonObject members;
    for (int n = 1; n <= kDoorButtons; ++n)
        members.insert(QStringLiteral("b%1Enabled").arg(n), flags.enabled.at(size_t(n - 1)));
    members.insert(QStringLiteral("numButtonsEnabled"), flags.count());
    members.insert(QStringLiteral("enabled"), enabled);
    return members;
}

// The whole e-mail is compared: a part of another user's address is not that user.
std::optional<QString> userWithEmail(const QJsonValue &users, const QString &email)
{
    const QString wanted = email.trimmed();
    if (wanted.isEmpty() || !users.isObject())
        return std::nullopt;
    const QJsonObject all = users.toObject();
    for (auto it = all.constBegin(); it != all.constEnd(); ++it) {
        if (!it.value().isObject())
            continue;
        if (textOf(member(it.value().toObject(), u"email")).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return it.key();
    }
    return std::nullopt;
}

} // namespace quelta::contacts
