#include "core/base/PcData.h"

#include <QHostInfo>
#include <QSysInfo>

namespace quelta {
namespace {

constexpr qsizetype kMaxNameLength = 50;

QString firstIpv4Of(const QString &hostName)
{
    const QList<QHostAddress> addresses = QHostInfo::fromName(hostName).addresses();
    for (const QHostAddress &address : addresses) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            return address.toString();
    }
    return {};
}

QString userName()
{
    QString name = qEnvironmentVariable("USERNAME");
    if (name.isEmpty())
        name = qEnvironmentVariable("USER");
    return name;
}

} // namespace

TDadesPC ObtenirDadesPC()
{
    const QString host = QSysInfo::machineHostName();
    return {host.left(kMaxNameLength), firstIpv4Of(host), userName().left(kMaxNameLength)};
}

} // namespace quelta
