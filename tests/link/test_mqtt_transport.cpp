#include "core/base/DiagnosticTrace.h"
#include "core/link/LinkState.h"
#include "core/link/MqttTransport.h"

#include "Broker.h"

#include <QSignalSpy>
#include <QtTest>

using namespace quelta;

namespace {

MqttSettings broker(int port, const QString &clientId, const QString &user = {}, const QString &password = {})
{
    MqttSettings settings;
    settings.host = QStringLiteral("127.0.0.1");
    settings.port = port;
    settings.clientId = clientId;
    settings.userName = user;
    settings.password = password;
    return settings;
}

const QString kIdent = QStringLiteral("3A0F2C1B84D95E07");

// The device's end of the broker: it hears the "s" topics and answers on the "g" ones.
struct DeviceEnd
{
    MqttClient client;
    QList<std::pair<QString, QByteArray>> heard;

    explicit DeviceEnd(int port)
    {
        QObject::connect(&client, &MqttClient::publishReceived, &client,
                         [this](const QString &topic, const QByteArray &payload) { heard.append({topic, payload}); });
        client.configure(broker(port, QStringLiteral("device-end")));
        client.connectToBroker();
        QTRY_VERIFY(client.isConnected());
        QSignalSpy acknowledged(&client, &MqttClient::subscriptionAcknowledged);
        client.subscribe(QStringLiteral("+/") + kIdent + QStringLiteral("/#"));
        QTRY_COMPARE(acknowledged.count(), 1);
    }
};

struct Session
{
    test::Broker broker;
    LinkState link;
    DiagnosticTrace trace;
    MqttTransport transport{link, trace};
    QStringList console;

    bool start(bool adsl = true)
    {
        if (!broker.start())
            return false;
        link.identConnectar = kIdent;
        link.connexADSL = adsl;
        QObject::connect(&trace, &DiagnosticTrace::lineAdded, &trace,
                         [this](const QString &line) { console << line; });
        transport.setBroker(::broker(broker.port(), QStringLiteral("installer-7")));
        return true;
    }
    bool opened()
    {
        QSignalSpy probed(&transport, &MqttTransport::probeSent);
        transport.open();
        return probed.wait(5000) && transport.state() == Transport::State::Open;
    }
};

} // namespace

class TestMqttTransport : public QObject
{
    Q_OBJECT

private slots:
    // Four topics subscribed twice each; the acknowledgement of the last one starts the probe.
    void connectsSubscribesAndProbes()
    {
        Session s;
        QVERIFY(s.start());
        DeviceEnd device(s.broker.port());
        QVERIFY(s.opened());
        QTRY_COMPARE(device.heard.size(), 1);
        QCOMPARE(device.heard.first().first, QStringLiteral("scfa/%1/.").arg(kIdent));
        QCOMPARE(device.heard.first().second, QByteArray("qz+ver"));
        QCOMPARE(s.link.espero, QStringLiteral("+ver"));
        QCOMPARE(s.link.vegades_espero, 10);
        QCOMPARE(s.broker.log().count(QLatin1String("Received SUBSCRIBE from installer-7")), 8);
        QVERIFY(s.console.join(u'\n').contains(QStringLiteral("Connexió SERVER: CONNECTAT")));
    }

    void commandTopics_data()
    {
        QTest::addColumn<bool>("adsl");
        QTest::addColumn<bool>("status");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("Ethernet path") << true << false << "scfa";
        QTest::newRow("GPRS path") << false << false << "scfg";
        QTest::newRow("status side") << false << true << "ssts";
    }
    void commandTopics()
    {
        QFETCH(bool, adsl);
        QFETCH(bool, status);
        QFETCH(QString, prefix);
        Session s;
        QVERIFY(s.start(adsl));
        DeviceEnd device(s.broker.port());
        QVERIFY(s.opened());
        // Only the low byte of each character goes out.
        QVERIFY(s.transport.sendCommand(QStringLiteral("0102=Caf\u00e9\u0141"), status ? RemoteTopic::Sts : RemoteTopic::Cfg));
        QTRY_COMPARE(device.heard.size(), 2);
        QCOMPARE(device.heard.last().first, QStringLiteral("%1/%2/.").arg(prefix, kIdent));
        QCOMPARE(device.heard.last().second, QByteArray("qz+0102=Caf\xe9\x41"));
    }

    void panelBytesNeverReachTheDispatcher()
    {
        Session s;
        QVERIFY(s.start());
        DeviceEnd device(s.broker.port());
        QVERIFY(s.opened());
        QSignalSpy messages(&s.transport, &Transport::messageReceived);
        QSignalSpy panelBytes(&s.transport, &Transport::panelBytesReceived);
        device.client.publish(QStringLiteral("gcea/%1/.").arg(kIdent), QByteArray("\x02\x10\x03", 3));
        device.client.publish(QStringLiteral("gceg/%1/.").arg(kIdent), QByteArray("\x06"));
        device.client.publish(QStringLiteral("gcfg/%1/.").arg(kIdent), QByteArray("+ver:Quelta_v8.7.12,X,AE/SA\r"));
        QTRY_COMPARE(messages.count(), 1);
        QTRY_COMPARE(panelBytes.count(), 2);
        QCOMPARE(messages.first().first().toString(), QStringLiteral("+ver:Quelta_v8.7.12,X,AE/SA\r"));
        QCOMPARE(panelBytes.first().first().toByteArray(), QByteArray("\x02\x10\x03", 3));
        QCOMPARE(s.link.tempsllegir, 100);
    }

    // The device is locked and silenced before DISCONNECT, so the broker publishes no will.
    void closingLocksTheDeviceAndLeavesNoWill()
    {
        Session s;
        QVERIFY(s.start());
        DeviceEnd device(s.broker.port());
        QVERIFY(s.opened());
        s.transport.close();
        QTRY_COMPARE(device.heard.size(), 3);
        QCOMPARE(device.heard.at(1).second, QByteArray("qz+cdp=*"));
        QCOMPARE(device.heard.at(2).second, QByteArray("qz+inf"));
        QTest::qWait(300);
        QCOMPARE(device.heard.size(), 3);
        QCOMPARE(s.transport.state(), Transport::State::Lost);
    }

    void aLostBrokerIsReconnected()
    {
        Session s;
        QVERIFY(s.start());
        QVERIFY(s.opened());
        s.broker.stop();
        QTRY_COMPARE_WITH_TIMEOUT(s.transport.state(), Transport::State::Opening, 5000);
        QVERIFY(s.console.join(u'\n').contains(QStringLiteral("Connexió SERVER: DESCONNECTAT")));
        QVERIFY(s.broker.start());
        QTRY_COMPARE_WITH_TIMEOUT(s.transport.state(), Transport::State::Open, 15000);
    }

    void wrongCredentialsAreRefused()
    {
        Session s;
        QVERIFY(s.broker.start(QStringLiteral("quelta"), QStringLiteral("abcd1234")));
        s.link.identConnectar = kIdent;
        QObject::connect(&s.trace, &DiagnosticTrace::lineAdded, &s.trace, [&s](const QString &line) { s.console << line; });
        s.transport.setBroker(broker(s.broker.port(), QStringLiteral("installer-7"), QStringLiteral("quelta"),
                                     QStringLiteral("wrong999")));
        s.transport.open();
        // mosquitto answers a wrong password with "not authorised" (5); "bad user name or password"
        // (4) reads "Credencials invàlides".
        QTRY_VERIFY(s.console.join(u'\n').contains(QStringLiteral("Connexió SERVER: Client no autoritzat")));
        QVERIFY(!s.console.join(u'\n').contains(QStringLiteral("no s'ha pogut connectar")));
        QCOMPARE(s.transport.state(), Transport::State::Closed);
    }
};

QTEST_GUILESS_MAIN(TestMqttTransport)
#include "test_mqtt_transport.moc"
