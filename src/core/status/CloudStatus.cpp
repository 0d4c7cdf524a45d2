#include "core/status/CloudStatus.h"

#include "core/cloud/CloudAccess.h"
#include "core/cloud/CloudJson.h"
#include "core/link/LinkState.h"

namespace quelta {

QString CloudStatus::devicePath() const
{
    return QStringLiteral("Equipments/") + link_.identConnectar;
}

// The signed-in user's entry for this device.
QString CloudStatus::modulePath() const
{
    return QStringLiteral("Users/") + userKey() + QStringLiteral("/Modulos/") + link_.identConnectar;
}

int CloudStatus::AgafaNumBotons()
{
    if (!cloud_.CheckAndCreateRealTimeDBClass())
        return 0;
    return plainText(cloud_.GetSynchValue(modulePath() + QStringLiteral("/numButtonsEnabled"))).trimmed().toInt();
}

QString CloudStatus::AgafaBotonsMarcats()
{
    if (!cloud_.CheckAndCreateRealTimeDBClass())
        return buttonFlags({});
    return buttonFlags(cloud_.GetSynchValue(modulePath()).toObject());
}

bool CloudStatus::AgafaPotObrirPortes()
{
    if (!cloud_.CheckAndCreateRealTimeDBClass())
        return false;
    const QJsonValue permitted = cloud_.GetSynchValue(devicePath() + QStringLiteral("/Users/") + userKey());
    return permitted.isBool() ? permitted.toBool() : plainText(permitted).compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

// The button's own state, else the device's.
QString CloudStatus::AgafaEstatPortes(int door)
{
    if (!cloud_.CheckAndCreateRealTimeDBClass())
        return {};
    const QString state = plainText(cloud_.GetSynchValue(devicePath() + QStringLiteral("/ButtonStatus/") + QString::number(door)));
    if (!state.isEmpty())
        return state;
    return plainText(cloud_.GetSynchValue(devicePath() + QStringLiteral("/OpenStatus")));
}

QString CloudStatus::ErrorFirebase() const
{
    return cloud_.state().ErrorFirebase;
}

QString CloudStatus::userKey() const
{
    return cloud_.state().CodiReg;
}

void CloudStatus::ActualitzaEventsRTDB(const QString &identifier, const QString &message, const QString &code)
{
    if (cloud_.CheckAndCreateRealTimeDBClass())
        cloud_.ActualitzaEventsRTDB(identifier, message, code);
}

} // namespace quelta
