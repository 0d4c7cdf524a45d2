#include "core/cloud/DeviceRecords.h"

#include "core/cloud/CloudJson.h"
#include "core/codecs/AnsiCodec.h"

#include <QCoreApplication>
#include <QJsonObject>

#include <cmath>

namespace quelta {
namespace {

int stateOf(const QJsonValue &value)
{
    if (value.isDouble()) {
        const double number = value.toDouble();
        const bool whole = std::isfinite(number) && std::abs(number) < 1e9 && std::trunc(number) == number;
        return whole ? static_cast<int>(number) : -1;
    }
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : -1;
}

DeviceRecord recordOf(const QString &identifier, const QJsonObject &object)
{
    DeviceRecord device;
    device.identifier = identifier;
    device.company = object.value(QLatin1String("Company")).toString();
    device.installer = object.value(QLatin1String("Installer")).toString();
    device.reference = object.value(QLatin1String("Reference")).toString();
    device.connection = object.value(QLatin1String("Connection")).toString();
    const QJsonObject configuration = object.value(QLatin1String("Configuration")).toObject();
    const QJsonValue ethernet = configuration.value(QLatin1String("ethernetInfo")).toObject().value(QLatin1String("ethernetStat"));
    const QJsonValue gprs = configuration.value(QLatin1String("gprsInfo")).toObject().value(QLatin1String("gprsStat"));
    device.ethernetStat = ethernet.isUndefined() ? -1 : stateOf(ethernet);
    device.gprsStat = gprs.isUndefined() ? -1 : stateOf(gprs);
    return device;
}

QChar folded(QChar character)
{
    if (character.unicode() < 0x80)
        return character;
    const QString single(character);
    if (ansi::encode(single) == "?")
        return QLatin1Char('?');
    const QString decomposed = single.normalized(QString::NormalizationForm_D);
    return decomposed.isEmpty() ? character : decomposed.front();
}

} // namespace

QString DeviceListing::skippedMessage() const
{
    if (skipped.isEmpty())
        return {};
    return QCoreApplication::translate("Cloud", "Registros de equipo no válidos, omitidos: ") + skipped.join(QStringLiteral(", "));
}

DeviceListing parseDevices(const QByteArray &json)
{
    DeviceListing listing;
    const std::optional<QJsonValue> value = parseJson(json);
    if (!value) {
        listing.error = QCoreApplication::translate("Cloud", "Respuesta no válida del servidor");
        return listing;
    }
    if (!value->isObject())
        return listing; // null: no device at all
    for (const auto &[identifier, record] : objectMembers(json).value_or(JsonMembers{})) {
        if (record.isObject())
            listing.devices.append(recordOf(identifier, record.toObject()));
        else
            listing.skipped.append(identifier);
    }
    return listing;
}

QString foldDiacritics(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar character : text)
        result.append(folded(character));
    return result;
}

bool matchesSearch(const DeviceRecord &device, const QString &company, const QString &installer,
                   const QString &reference)
{
    const auto same = [](const QString &stored, const QString &wanted) {
        return foldDiacritics(stored) == foldDiacritics(wanted);
    };
    return same(device.company, company) && (installer.isEmpty() || same(device.installer, installer))
        && (reference.isEmpty() || same(device.reference, reference));
}

} // namespace quelta
