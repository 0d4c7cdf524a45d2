#include "Broker.h"
#include "ShellHarness.h"

#include <QSignalSpy>
#include <QtTest>

using namespace quelta;

namespace {

const QString kIdent = QStringLiteral("3A0F2C1B84D95E07");

MqttSettings broker(int port, const QString &clientId)
{
    MqttSettings settings;
    settings.host = QStringLiteral("127.0.0.1");
    settings.port = port;
    settings.clientId = clientId;
    return settings;
}

// A device that answers on the broker as the real one does: its version, then its stream.
struct RemoteDevice
{
    MqttClient client;
    QList<QByteArray> heard;

    explicit RemoteDevice(int port)
    {
        QObject::connect(&client, &MqttClient::publishReceived, &client, [this](const QString &, const QByteArray &payload) {
            heard << payload;
            if (payload == "qz+ver")
                client.publish(QStringLiteral("gcfg/%1/.").arg(kIdent),
                               QStringLiteral("+ver:Quelta_v8.7.12,%1,AE/SA\r").arg(kIdent).toLatin1());
            else if (payload == "qz+INf")
                client.publish(QStringLiteral("gcfg/%1/.").arg(kIdent), "+Inf:Ena\r");
        });
        client.configure(broker(port, QStringLiteral("device")));
        client.connectToBroker();
    }
};

} // namespace

class TestRemoteSession : public QObject
{
    Q_OBJECT

private slots:
    // The whole round: connect through the broker, the device identified and linked, then closed
    // politely, and the program back on the local side without the device.
    void aRemoteDeviceIsLinkedAndLeftPolitely()
    {
        test::Broker server;
        QVERIFY(server.start());
        RemoteDevice device(server.port());
        QTRY_VERIFY(device.client.isConnected());
        QSignalSpy subscribed(&device.client, &MqttClient::subscriptionAcknowledged);
        device.client.subscribe(QStringLiteral("+/%1/#").arg(kIdent));
        QTRY_COMPARE(subscribed.count(), 1);

        test::ShellHarness harness;
        Shell &shell = harness.create(QString(), 10);
        shell.startLink();
        DeviceSession &session = shell.device();
        session.setBrokerForThisRun(broker(server.port(), QStringLiteral("installer-7")));
        session.link().identConnectar = kIdent;
        session.BConnectarMQTTClick();
        QCOMPARE(session.link().connex_remota, QStringLiteral("MQTT"));
        QTRY_VERIFY_WITH_TIMEOUT(test::connected(shell), 15000);
        QCOMPARE(session.link().central, QStringLiteral("AE/SA"));
        QVERIFY(device.heard.contains("qz+ver"));

        session.DesconnectarMQTT();
        QTRY_VERIFY(device.heard.contains("qz+inf"));
        QVERIFY(device.heard.contains("qz+cdp=*"));
        QTRY_VERIFY(session.link().isLocal());
        QVERIFY(!session.link().circuittrobat);
    }

    void aRefusedSessionLeavesTheLocalLink()
    {
        test::ShellHarness harness;
        Shell &shell = harness.create();
        DeviceSession &session = shell.device();
        // Nothing listens on this port.
        session.setBrokerForThisRun(broker(1, QStringLiteral("installer-7")));
        session.link().identConnectar = kIdent;
        session.BConnectarMQTTClick();
        QTRY_VERIFY(session.link().isLocal());
        QCOMPARE(session.mqtt().state(), Transport::State::Closed);
    }
};

QTEST_GUILESS_MAIN(TestRemoteSession)
#include "test_remote_session.moc"
