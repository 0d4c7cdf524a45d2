#include "DeviceConfig.h"

#include "ParameterCodes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <optional>

namespace quelta::devsim {
namespace {

constexpr int kMaxBaseDepth = 8;
constexpr int kMaxRange = 4096;

struct JsonResult
{
    QJsonObject object;
    QString error;
};

// Members of `over` replace those of `base`; objects merge member by member and null removes.
QJsonObject merged(QJsonObject base, const QJsonObject &over)
{
    for (auto it = over.begin(); it != over.end(); ++it) {
        if (it.value().isNull())
            base.remove(it.key());
        else if (it.value().isObject() && base.value(it.key()).isObject())
            base.insert(it.key(), merged(base.value(it.key()).toObject(), it.value().toObject()));
        else
            base.insert(it.key(), it.value());
    }
    return base;
}

JsonResult readObject(const QByteArray &bytes, const QString &dir, int depth);

JsonResult readFile(const QString &path, int depth)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("cannot read %1").arg(path)};
    JsonResult result = readObject(file.readAll(), QFileInfo(path).absolutePath(), depth);
    if (!result.error.isEmpty())
        result.error = path + QStringLiteral(": ") + result.error;
    return result;
}

JsonResult readObject(const QByteArray &bytes, const QString &dir, int depth)
{
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {{}, parseError.errorString()};
    if (!document.isObject())
        return {{}, QStringLiteral("not a JSON object")};
    QJsonObject object = document.object();
    const QJsonValue base = object.take(QStringLiteral("base"));
    if (base.isUndefined())
        return {object, {}};
    if (!base.isString())
        return {{}, QStringLiteral("base must be a file name")};
    if (depth >= kMaxBaseDepth)
        return {{}, QStringLiteral("too many nested bases")};
    JsonResult parent = readFile(QDir(dir).filePath(base.toString()), depth + 1);
    if (!parent.error.isEmpty())
        return parent;
    return {merged(parent.object, object), {}};
}

QString unknownMember(const QJsonObject &object, const QSet<QString> &known, const QString &where)
{
    for (const QString &key : object.keys()) {
        if (!known.contains(key))
            return QStringLiteral("unknown member %1%2").arg(where, key);
    }
    return {};
}

struct Range
{
    int first;
    int count;
};

// A code ("0102") or a range ("3001+16": 16 consecutive codes from 3001).
std::optional<Range> parseKey(QStringView key)
{
    const qsizetype plus = key.indexOf(u'+');
    const QStringView first = plus < 0 ? key : key.left(plus);
    bool countOk = plus < 0;
    const int count = plus < 0 ? 1 : key.mid(plus + 1).toInt(&countOk);
    if (!codes::isCode(first) || !countOk || count < 1 || count > kMaxRange)
        return std::nullopt;
    const int firstCode = first.toInt(nullptr, 16);
    if (firstCode + count - 1 > 0xFFFF)
        return std::nullopt;
    return Range{firstCode, count};
}

// "{n}" in the value of a range stands for the entry number. Single codes override entries of a
// range, so ranges go first.
QString expandParameters(const QJsonObject &object, ParameterMap &map)
{
    for (const bool ranges : {true, false}) {
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString key = it.key();
            const std::optional<Range> range = parseKey(key);
            if (!range)
                return QStringLiteral("%1 is not a parameter code or range").arg(key);
            if (!it.value().isString())
                return QStringLiteral("the value of %1 must be a text").arg(key);
            if (key.contains(u'+') != ranges)
                continue;
            for (int n = 1; n <= range->count; ++n) {
                QString value = it.value().toString();
                map.insert(codes::codeText(range->first + n - 1),
                           value.replace(QStringLiteral("{n}"), QString::number(n)));
            }
        }
    }
    return {};
}

QString readIdentity(const QJsonObject &object, Identity &identity)
{
    const QList<std::pair<QString, QString *>> members = {
        {QStringLiteral("firmware"), &identity.firmware},
        {QStringLiteral("identifier"), &identity.identifier},
        {QStringLiteral("hardware"), &identity.hardware},
        {QStringLiteral("parts"), &identity.parts},
        {QStringLiteral("imei"), &identity.imei},
        {QStringLiteral("simNumber"), &identity.simNumber},
        {QStringLiteral("operator"), &identity.gsmOperator},
        {QStringLiteral("modem"), &identity.modem},
        {QStringLiteral("modemVersion"), &identity.modemVersion},
        {QStringLiteral("position"), &identity.position},
    };
    QSet<QString> known;
    for (const auto &[key, target] : members) {
        known.insert(key);
        const QJsonValue value = object.value(key);
        if (!value.isUndefined() && !value.isString())
            return QStringLiteral("identity.%1 must be a text").arg(key);
        *target = value.toString();
    }
    if (QString error = unknownMember(object, known, QStringLiteral("identity.")); !error.isEmpty())
        return error;
    if (identity.firmware.isEmpty() || identity.identifier.isEmpty())
        return QStringLiteral("identity needs a firmware and an identifier");
    if (identity.parts.size() != 4)
        return QStringLiteral("identity.parts must have four characters");
    return {};
}

ConfigResult build(const QJsonObject &object)
{
    ConfigResult result;
    DeviceConfig &config = result.config;
    static const QSet<QString> known = {
        QStringLiteral("identity"), QStringLiteral("panel"), QStringLiteral("accessCode"),
        QStringLiteral("framePeriodMs"), QStringLiteral("parameters"), QStringLiteral("factory")};
    result.error = unknownMember(object, known, {});
    if (result.error.isEmpty())
        result.error = readIdentity(object.value(QStringLiteral("identity")).toObject(), config.identity);
    if (result.error.isEmpty())
        result.error = expandParameters(object.value(QStringLiteral("parameters")).toObject(), config.parameters);
    if (result.error.isEmpty())
        result.error = expandParameters(object.value(QStringLiteral("factory")).toObject(), config.factory);
    if (!result.error.isEmpty())
        return result;

    config.framePeriodMs = object.value(QStringLiteral("framePeriodMs")).toInt(config.framePeriodMs);
    if (config.framePeriodMs < 50)
        result.error = QStringLiteral("framePeriodMs must be at least 50");
    // The identifier and the connected panel belong to the hardware: a factory restore keeps them.
    const QString panel = object.value(QStringLiteral("panel")).toString();
    for (ParameterMap *map : {&config.parameters, &config.factory}) {
        map->insert(codes::kIdentifier, config.identity.identifier);
        map->insert(codes::kPanelType, panel);
    }
    if (object.contains(QStringLiteral("accessCode")))
        config.parameters.insert(codes::kAccessCode, object.value(QStringLiteral("accessCode")).toString());
    return result;
}

ConfigResult fromJson(const JsonResult &json)
{
    if (!json.error.isEmpty())
        return {{}, json.error};
    return build(json.object);
}

} // namespace

ConfigResult loadConfig(const QString &path)
{
    return fromJson(readFile(path, 0));
}

ConfigResult parseConfig(const QByteArray &json, const QString &baseDir)
{
    return fromJson(readObject(json, baseDir, 0));
}

ConfigResult builtInConfig()
{
    return loadConfig(QStringLiteral(":/devsim/configs/standard.json"));
}

} // namespace quelta::devsim
