#include "core/base/InternetCheck.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QTimer>

namespace quelta {
namespace {

bool systemReportsOffline()
{
    if (!QNetworkInformation::instance() && !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return false; // no backend on this system: let the probe decide
    return QNetworkInformation::instance()->reachability() == QNetworkInformation::Reachability::Disconnected;
}

} // namespace

ProbeInternetCheck::ProbeInternetCheck(QUrl probe, int timeoutMs)
    : probe_(std::move(probe))
    , timeoutMs_(timeoutMs)
{
}

QUrl ProbeInternetCheck::configuredProbe()
{
    const QString configured = qEnvironmentVariable("QUELTA_INTERNET_PROBE");
    return QUrl(configured.isEmpty() ? QStringLiteral("http://www.msftconnecttest.com/connecttest.txt") : configured);
}

bool ProbeInternetCheck::isOnline()
{
    if (systemReportsOffline())
        return false;
    QNetworkAccessManager network;
    QNetworkRequest request(probe_);
    request.setTransferTimeout(timeoutMs_);
    QNetworkReply *reply = network.head(request);
    QEventLoop wait;
    QObject::connect(reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    const bool online = reply->error() == QNetworkReply::NoError;
    reply->deleteLater();
    return online;
}

} // namespace quelta
