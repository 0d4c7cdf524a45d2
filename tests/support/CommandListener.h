#pragma once

#include "core/link/MqttClient.h"

#include <QSignalSpy>
#include <QTest>

namespace quelta::test {

// Everything published on a device's command topics (its Ethernet and GPRS paths), in order, as
// the device hears it, through a client of its own on the test broker.
struct CommandListener
{
    MqttClient client;
    QList<QByteArray> heard;
    bool ready = false; // connected and subscribed to both paths

    CommandListener(int port, const QString &identifier)
    {
        QObject::connect(&client, &MqttClient::publishReceived, &client,
                         [this](const QString &, const QByteArray &payload) { heard << payload; });
        MqttSettings settings;
        settings.host = QStringLiteral("127.0.0.1");
        settings.port = port;
        settings.clientId = QStringLiteral("listener");
        client.configure(settings);
        client.connectToBroker();
        QSignalSpy subscribed(&client, &MqttClient::subscriptionAcknowledged);
        if (QTest::qWaitFor([this] { return client.isConnected(); }, 5000)) {
            client.subscribe(QStringLiteral("scfa/%1/#").arg(identifier));
            client.subscribe(QStringLiteral("scfg/%1/#").arg(identifier));
        }
        ready = QTest::qWaitFor([&subscribed] { return subscribed.count() >= 2; }, 5000);
    }
};

} // namespace quelta::test
