#include "Broker.h"
#include "CommandListener.h"
#include "ShellHarness.h"
#include "SimulatedDevice.h"

#include <QSignalSpy>

#include <algorithm>
#include <QtTest>

using namespace quelta;

namespace {

// Supervision runs ten times faster than in the window, so that a silent device is given up soon.
constexpr int kTimeDivisor = 10;

MqttSettings broker(int port, const QString &user = {}, const QString &password = {})
{
    MqttSettings settings;
    settings.host = QStringLiteral("127.0.0.1");
    settings.port = port;
    settings.userName = user;
    settings.password = password;
    settings.clientId = QStringLiteral("installer-7");
    return settings;
}

// A shell on no serial port, its remote session going through the test broker.
struct RemoteShell
{
    test::ShellHarness harness;
    Shell &shell;
    QStringList trace;

    explicit RemoteShell(const MqttSettings &settings)
        : shell(harness.create(QString(), kTimeDivisor))
    {
        shell.loadDictionaries();
        shell.startLink();
        shell.device().setBrokerForThisRun(settings);
        QObject::connect(&shell.context().trace(), &DiagnosticTrace::lineAdded, &shell,
                         [this](const QString &line) { trace << line; });
    }

    DeviceSession &session() { return shell.device(); }
    LinkState &link() { return shell.device().link(); }
    // A console line with this text (each line carries its time first).
    bool traced(const QString &text) const
    {
        return std::any_of(trace.cbegin(), trace.cend(), [&text](const QString &line) { return line.contains(text); });
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
        test::SimulatedDevice device;
        QVERIFY(device.startOnBroker(server.port(), {QStringLiteral("--unpaced"), QStringLiteral("--config"),
                                                     test::SimulatedDevice::config(QStringLiteral("aesa.json"))}));
        test::CommandListener listener(server.port(), device.identifier());
        RemoteShell remote(broker(server.port()));
        QSignalSpy opened(&remote.session(), &DeviceSession::remoteSessionOpened);

        remote.session().BBConnectarRemotClick(device.identifier());
        QCOMPARE(remote.link().connex_remota, QStringLiteral("MQTT"));
        QTRY_VERIFY_WITH_TIMEOUT(test::connected(remote.shell), 15000);
        QCOMPARE(opened.count(), 1);
        QVERIFY(!remote.link().comunicacioLocal);
        QCOMPARE(remote.link().central, QStringLiteral("AE/SA"));
        QTRY_VERIFY(listener.heard.contains("qz+INf"));
        const QString about = QStringLiteral("MIIAcercaDe");
        QVERIFY(remote.shell.commands().isEnabled(about));

        QSignalSpy local(&remote.session(), &DeviceSession::localLinkSelected);
        remote.session().BBConnectarRemotClick(device.identifier());
        QTRY_VERIFY(remote.link().isLocal());
        QTRY_VERIFY(listener.heard.contains("qz+inf"));
        QCOMPARE(listener.heard.mid(listener.heard.size() - 2), (QList<QByteArray>{"qz+cdp=*", "qz+inf"}));
        QVERIFY(!remote.link().circuittrobat);
        QCOMPARE(local.count(), 1);
        QCOMPARE(remote.shell.context().statusBar().panel(0), StatusBar::kSinConexio);
        QVERIFY(!remote.shell.commands().isEnabled(about));
    }

    // A broker that goes away resets the screen; once it is back the session comes back by itself.
    // With a template waiting for the device, the remote link stays chosen meanwhile.
    void aLostBrokerResetsAndReconnects_data()
    {
        QTest::addColumn<bool>("templateImported");
        QTest::newRow("no template") << false;
        QTest::newRow("template imported") << true;
    }

    void aLostBrokerResetsAndReconnects()
    {
        QFETCH(bool, templateImported);
        test::Broker server;
        QVERIFY(server.start());
        test::SimulatedDevice device;
        QVERIFY(device.startOnBroker(server.port(), {QStringLiteral("--unpaced")}));
        // Supervision runs ten times faster here, so the probes of a program that came back before
        // the device (which retries every 5 s) would run out in a few seconds: the program retries
        // later than the device, as its fifty seconds of probes allow in the window.
        MqttSettings settings = broker(server.port());
        settings.reconnectSeconds = 10;
        RemoteShell remote(settings);
        remote.session().BBConnectarRemotClick(device.identifier());
        QTRY_VERIFY_WITH_TIMEOUT(test::connected(remote.shell), 15000);

        remote.link().plantillaImportada = templateImported;
        QSignalSpy lost(&remote.session(), &DeviceSession::remoteSessionLost);
        QSignalSpy local(&remote.session(), &DeviceSession::localLinkSelected);
        QSignalSpy opened(&remote.session(), &DeviceSession::remoteSessionOpened);
        server.stop();
        QTRY_COMPARE(lost.count(), 1);
        QVERIFY(remote.link().isLocal());
        QVERIFY(!remote.link().circuit && !remote.link().circuittrobat);
        QVERIFY(remote.link().central.isEmpty());
        QCOMPARE(remote.shell.context().statusBar().panel(0), StatusBar::kSinConexio);
        QVERIFY(remote.traced(QStringLiteral("Connexió SERVER: DESCONNECTAT")));
        QCOMPARE(local.count(), templateImported ? 0 : 1);
        QCOMPARE(remote.link().comunicacioLocal, !templateImported);

        QVERIFY(server.start());
        QTRY_COMPARE_WITH_TIMEOUT(opened.count(), 1, 25000);
        // Identified anew; under a sanitizer on a loaded machine this takes its time.
        QTRY_VERIFY_WITH_TIMEOUT(test::connected(remote.shell), 15000);
        QCOMPARE(remote.link().connex_remota, QStringLiteral("MQTT"));
    }

    // No answer to the probe: the supervision counter gives the device up and closes the session.
    void aSilentDeviceIsGivenUp()
    {
        test::Broker server;
        QVERIFY(server.start());
        test::SimulatedDevice device;
        QVERIFY(device.startOnBroker(server.port(), {QStringLiteral("--fault"), QStringLiteral("silent")}));
        RemoteShell remote(broker(server.port()));
        QSignalSpy lost(&remote.session(), &DeviceSession::remoteSessionLost);
        remote.session().BBConnectarRemotClick(device.identifier());
        QTRY_COMPARE(remote.session().mqtt().state(), Transport::State::Open);
        QTRY_COMPARE_WITH_TIMEOUT(lost.count(), 1, 20000);
        QVERIFY(remote.link().isLocal());
        QVERIFY(!remote.link().circuittrobat);
        QVERIFY(!remote.session().mqtt().client().isConnected());
    }

    // Refusals are console lines only, and the program stays on the local side. A wrong password
    // is answered "not authorised" by mosquitto.
    void aRefusedSessionLeavesTheLocalLink_data()
    {
        QTest::addColumn<bool>("brokerRuns");
        QTest::addColumn<QString>("line");
        QTest::newRow("no broker") << false << QStringLiteral("Connexió SERVER: El client no s'ha pogut connectar");
        QTest::newRow("wrong password") << true << QStringLiteral("Connexió SERVER: Client no autoritzat");
    }

    void aRefusedSessionLeavesTheLocalLink()
    {
        QFETCH(bool, brokerRuns);
        QFETCH(QString, line);
        test::Broker server;
        if (brokerRuns)
            QVERIFY(server.start(QStringLiteral("installer"), QStringLiteral("right")));
        // Without a broker, nothing listens on port 1.
        RemoteShell remote(broker(brokerRuns ? server.port() : 1, QStringLiteral("installer"), QStringLiteral("wrong")));
        QSignalSpy opened(&remote.session(), &DeviceSession::remoteSessionOpened);
        remote.session().BBConnectarRemotClick(QStringLiteral("3A0F2C1B84D95E07"));
        QTRY_VERIFY(remote.traced(line));
        QTRY_VERIFY(remote.link().isLocal());
        QCOMPARE(remote.session().mqtt().state(), Transport::State::Closed);
        QCOMPARE(opened.count(), 0);
    }

    // The device list's way in is closed while a device answers on the USB port.
    void theDeviceListIsRefusedWhileADeviceIsOnThePort()
    {
        RemoteShell remote(broker(1));
        remote.link().circuit = true;
        QVERIFY(!remote.session().connectRemote(QStringLiteral("3A0F2C1B84D95E07")));
        QCOMPARE(remote.harness.prompter.asked.size(), 1);
        QVERIFY(remote.link().isLocal());
        QCOMPARE(remote.session().mqtt().state(), Transport::State::Closed);
    }
};

QTEST_GUILESS_MAIN(TestRemoteSession)
#include "test_remote_session.moc"
