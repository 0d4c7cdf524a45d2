#include "core/status/SnapshotRecord.h"

#include "core/link/EntryNumber.h"

#include <QTimeZone>

#include <algorithm>

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

namespace quelta {
namespace {

// Deeper than any record the devices write; a deeper one is cut there rather than followed.
constexpr int kMaxDepth = 32;

QString withoutQuotes(QString text)
{
    return text.remove(QLatin1Char('"')).remove(QLatin1Char('\''));
}

} // namespace

SnapshotRecord SnapshotRecord::fromJson(const QJsonValue &record)
{
    SnapshotRecord snapshot;
    snapshot.collect(record, {}, 0);
    return snapshot;
}

void SnapshotRecord::collect(const QJsonValue &value, const QString &key, int depth)
{
    if (depth > kMaxDepth)
        return;
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            collect(it.value(), it.key(), depth + 1);
    } else if (value.isArray()) {
        for (const QJsonValue &item : value.toArray())
            collect(item, key, depth + 1);
    } else if (!key.isEmpty() && !value.isNull() && !value.isUndefined() && !leaves_.contains(key)) {
        const QString text = value.isString() ? value.toString() : value.toVariant().toString();
        leaves_.insert(key, withoutQuotes(text));
    }
}

QString SnapshotRecord::identifier() const
{
    return value(QStringLiteral("Identifier")).section(QLatin1Char(':'), 0, 0);
}

QString SnapshotRecord::imei() const
{
    return value(QStringLiteral("Identifier")).section(QLatin1Char(':'), 1, 1);
}

QString SnapshotRecord::central() const
{
    return value(QStringLiteral("comCentral")).remove(QLatin1Char('\\'));
}

int SnapshotRecord::level(const QString &key) const
{
    return Hextoint(value(key).trimmed());
}

int SnapshotRecord::coveragePercent() const
{
    bool number = false;
    const int signal = value(QStringLiteral("gsmStat")).trimmed().toInt(&number);
    return number ? std::clamp(signal, 0, 99) * 100 / 32 : 0;
}

QDateTime SnapshotRecord::updated() const
{
    QDateTime moment = QDateTime::fromString(value(QStringLiteral("Updated")).trimmed().replace(QLatin1Char('T'), QLatin1Char(' ')),
                                             QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
    if (!moment.isValid())
        moment = QDateTime::fromString(value(QStringLiteral("Updated")).trimmed().left(19).replace(QLatin1Char('T'), QLatin1Char(' ')),
                                       QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    moment.setTimeZone(QTimeZone::utc());
    return moment;
}

QString SnapshotRecord::joined(std::initializer_list<const char *> keys) const
{
    QStringList values;
    for (const char *key : keys)
        values << value(QLatin1String(key));
    return values.join(QLatin1Char('|'));
}

QString SnapshotRecord::panelState(PanelFamily family) const
{
    switch (family) {
    case PanelFamily::AeSa:
        return joined({"numAlarm", "numFault", "numDisconn", "numTest"}) + QLatin1Char(':')
            + joined({"zonesAlarm", "zonesFault", "zonesDisconn", "zonesTest"});
    case PanelFamily::AeC5: return joined({"pollingENQ", "sirenbuzzer", "centralStat", "zonesStat"});
    case PanelFamily::Bc600:
    case PanelFamily::Bc216: return value(QStringLiteral("buzzerAndcounts"));
    case PanelFamily::Cofem:
    case PanelFamily::CofemA: return joined({"centralStat", "zonesStat"});
    case PanelFamily::Urano:
    case PanelFamily::Supra:
    case PanelFamily::Komttech: return joined({"password", "zonesStat"});
    case PanelFamily::Syncro:
    case PanelFamily::Bosch:
    case PanelFamily::Ad300:
    case PanelFamily::Id3000: return value(QStringLiteral("buzzerAndNums"));
    case PanelFamily::None:
    case PanelFamily::Doors:
    case PanelFamily::Detnov: break;
    }
    return {};
}

} // namespace quelta
