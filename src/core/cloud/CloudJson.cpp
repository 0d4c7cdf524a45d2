#include "core/cloud/CloudJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quelta {
namespace {

// The end of the JSON value that starts at from (a valid document assumed), skipping strings.
qsizetype valueEnd(const QByteArray &text, qsizetype from)
{
    int depth = 0;
    bool inString = false;
    for (qsizetype i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if (c == '}' || c == ']') {
            if (depth == 0)
                return i;
            --depth;
        } else if (c == ',' && depth == 0) {
            return i;
        }
    }
    return text.size();
}

qsizetype skipSpace(const QByteArray &text, qsizetype at)
{
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t' || text[at] == '\n' || text[at] == '\r'))
        ++at;
    return at;
}

// The index just past the closing quote of the string that starts at from.
qsizetype stringEnd(const QByteArray &text, qsizetype from)
{
    qsizetype at = from + 1;
    while (at < text.size() && text[at] != '"')
        at += text[at] == '\\' ? 2 : 1;
    return at + 1;
}

// Splits the "key": value pairs of a valid object's text, from just after its opening brace.
JsonMembers splitMembers(const QByteArray &text, qsizetype at)
{
    JsonMembers members;
    while (true) {
        at = skipSpace(text, at);
        if (at >= text.size() || text[at] != '"')
            return members;
        const qsizetype keyEnd = stringEnd(text, at);
        const qsizetype valueStart = text.indexOf(':', keyEnd) + 1;
        const qsizetype end = valueEnd(text, valueStart);
        const QString key = parseJson(text.mid(at, keyEnd - at)).value_or(QJsonValue()).toString();
        members.append({key, parseJson(text.mid(valueStart, end - valueStart)).value_or(QJsonValue())});
        at = end < text.size() && text[end] == ',' ? end + 1 : end;
    }
}

} // namespace

std::optional<QJsonValue> parseJson(const QByteArray &text)
{
    // Wrapped in an array, so that a scalar document parses too.
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson('[' + text + ']', &error);
    if (error.error != QJsonParseError::NoError || document.array().size() != 1)
        return std::nullopt;
    return document.array().first();
}

std::optional<JsonMembers> objectMembers(const QByteArray &text)
{
    const std::optional<QJsonValue> value = parseJson(text);
    if (!value || !value->isObject())
        return std::nullopt;
    return splitMembers(text, text.indexOf('{') + 1);
}

QString jsonText(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QByteArray orderedObject(const JsonMembers &members)
{
    QByteArray text = "{";
    for (const auto &[key, value] : members) {
        if (text.size() > 1)
            text += ',';
        text += jsonText(key).toUtf8() + ':' + jsonText(value).toUtf8();
    }
    return text + '}';
}

QString plainText(const QJsonValue &value)
{
    if (value.isString())
        return value.toString();
    if (value.isNull() || value.isUndefined())
        return {};
    return jsonText(value);
}

QString redacted(const QJsonObject &object)
{
    QJsonObject shown = object;
    for (auto it = shown.begin(); it != shown.end(); ++it) {
        const QString key = it.key().toLower();
        if (key.startsWith(QLatin1String("key")) || key.contains(QLatin1String("password"))
            || key.contains(QLatin1String("token")))
            it.value() = QStringLiteral("****");
    }
    return QString::fromUtf8(QJsonDocument(shown).toJson(QJsonDocument::Compact));
}

} // namespace quelta
