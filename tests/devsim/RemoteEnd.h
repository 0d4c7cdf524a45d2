#pragma once

#include "core/link/MqttClient.h"

#include "Broker.h"
#include "SimulatedDevice.h"

#include <QSignalSpy>
#include <QTest>

namespace quelta::test {

constexpr int kRemoteWaitMs = 5000;

// A broker, the tool's end of it hearing every topic, and a device on it.
struct Remote
{
    Broker broker;
    SimulatedDevice device;
    MqttClient tool;
    QList<std::pair<QString, QByteArray>> heard;

    bool start(const QStringList &deviceOptions)
    {
        return broker.start() && listen() && device.startOnBroker(broker.port(), deviceOptions);
    }

    bool listen()
    {
        QObject::connect(&tool, &MqttClient::publishReceived, &tool,
                         [this](const QString &topic, const QByteArray &payload) { heard.append({topic, payload}); });
        MqttSettings settings;
        settings.host = QStringLiteral("127.0.0.1");
        settings.port = broker.port();
        settings.clientId = QStringLiteral("tool-end");
        settings.reconnectSeconds = 1;
        tool.configure(settings);
        tool.connectToBroker();
        if (!QTest::qWaitFor([this] { return tool.isConnected(); }, kRemoteWaitMs))
            return false;
        QSignalSpy acknowledged(&tool, &MqttClient::subscriptionAcknowledged);
        tool.subscribe(QStringLiteral("#"));
        return acknowledged.wait(kRemoteWaitMs);
    }

    // A topic or pattern with "%1" for the identifier: "gcfg/%1/." -> "gcfg/<identifier>/."
    QString withId(QString pattern) const { return pattern.replace(QLatin1String("%1"), device.identifier()); }

    QList<QByteArray> payloads(const QString &topic) const
    {
        QList<QByteArray> found;
        for (const auto &[heardTopic, payload] : heard) {
            if (heardTopic == topic)
                found << payload;
        }
        return found;
    }

    // Everything heard on the topic, one byte a character.
    QString text(const QString &topic) const { return QString::fromLatin1(payloads(topic).join()); }
};

} // namespace quelta::test
