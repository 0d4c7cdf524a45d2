#include "PanelScript.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cctype>

namespace quelta::devsim {
namespace {

// Hexadecimal bytes, blanks allowed between them; nullopt for anything else.
std::optional<QByteArray> hexBytes(const QJsonValue &value)
{
    if (!value.isString())
        return std::nullopt;
    const QByteArray digits = value.toString().toLatin1().replace(' ', QByteArray());
    const bool hex = std::all_of(digits.cbegin(), digits.cend(), [](char c) { return std::isxdigit(uchar(c)); });
    if (!hex || digits.size() % 2 != 0)
        return std::nullopt;
    return QByteArray::fromHex(digits);
}

} // namespace

std::optional<PanelScript> PanelScript::fromJson(const QByteArray &json, QString &error)
{
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parse);
    if (!document.isObject()) {
        error = QStringLiteral("not a JSON object: %1").arg(parse.errorString());
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    PanelScript script;
    const QJsonArray exchanges = root.value(QStringLiteral("exchanges")).toArray();
    for (qsizetype i = 0; i < exchanges.size(); ++i) {
        const QJsonObject exchange = exchanges.at(i).toObject();
        const std::optional<QByteArray> request = hexBytes(exchange.value(QStringLiteral("request")));
        const std::optional<QByteArray> answer = hexBytes(exchange.value(QStringLiteral("answer")));
        if (!request || request->isEmpty() || !answer) {
            error = QStringLiteral("exchange %1: needs a request of one byte or more and an answer, in hexadecimal").arg(i + 1);
            return std::nullopt;
        }
        script.exchanges_.append({*request, *answer});
    }
    if (script.exchanges_.isEmpty()) {
        error = QStringLiteral("the script has no exchanges");
        return std::nullopt;
    }
    const QJsonValue unknown = root.value(QStringLiteral("unknown"));
    if (!unknown.isUndefined()) {
        const std::optional<QByteArray> bytes = hexBytes(unknown);
        if (!bytes) {
            error = QStringLiteral("\"unknown\" needs bytes in hexadecimal");
            return std::nullopt;
        }
        script.unknown_ = *bytes;
    }
    return script;
}

std::optional<PanelScript> PanelScript::load(const QString &path, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    std::optional<PanelScript> script = fromJson(file.readAll(), error);
    if (!script)
        error = QStringLiteral("%1: %2").arg(path, error);
    return script;
}

bool PanelScript::startsRequest(char byte) const
{
    return std::any_of(exchanges_.cbegin(), exchanges_.cend(),
                       [byte](const Exchange &exchange) { return exchange.request.front() == byte; });
}

// The first request of the script that the stream starts with wins.
QByteArray PanelScript::answer(QByteArrayView bytes)
{
    pending_ += bytes;
    QByteArray said;
    while (!pending_.isEmpty()) {
        const Exchange *whole = nullptr;
        bool partial = false;
        for (const Exchange &exchange : exchanges_) {
            if (pending_.startsWith(exchange.request)) {
                whole = &exchange;
                break;
            }
            partial = partial || exchange.request.startsWith(pending_);
        }
        if (whole) {
            said += whole->answer;
            pending_.remove(0, whole->request.size());
            continue;
        }
        if (partial)
            break;
        said += unknown_;
        qsizetype skip = 1;
        while (skip < pending_.size() && !startsRequest(pending_.at(skip)))
            ++skip;
        pending_.remove(0, skip);
    }
    return said;
}

} // namespace quelta::devsim
