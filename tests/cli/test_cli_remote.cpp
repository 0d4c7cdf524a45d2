#include "Broker.h"
#include "CliRun.h"
#include "SimulatedDevice.h"

#include "core/link/MqttClient.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace quelta;
using test::CliRun;
using test::runCli;

namespace {

// The same device twice: on a pseudo-terminal and through the broker.
struct TwoWays
{
    test::Broker broker;
    test::SimulatedDevice local;
    test::SimulatedDevice remote;

    bool start(const QString &config)
    {
        const QStringList options{QStringLiteral("--unpaced"), QStringLiteral("--config"), test::SimulatedDevice::config(config)};
        return broker.start() && local.start(options) && remote.startOnBroker(broker.port(), options);
    }

    QStringList remoteOptions() const
    {
        return {QStringLiteral("--mqtt"), QStringLiteral("127.0.0.1:%1").arg(broker.port()), QStringLiteral("--id"),
                remote.identifier()};
    }
};

} // namespace

class TestCliRemote : public QObject
{
    Q_OBJECT

private slots:
    // Through the broker the device reads, and takes a template, exactly as on its port.
    void readAndWriteMatchTheSerialLink()
    {
        TwoWays device;
        QVERIFY(device.start(QStringLiteral("aec5.json")));
        const CliRun local = runCli({QStringLiteral("--port"), device.local.portPath(), QStringLiteral("read")});
        const CliRun remote = runCli(device.remoteOptions() << QStringLiteral("read"));
        QVERIFY2(local.exitCode == 0, qPrintable(local.err));
        QVERIFY2(remote.exitCode == 0, qPrintable(remote.err));
        QVERIFY(remote.out.startsWith(QLatin1String("PLANTILLA COMPLETA")));
        QCOMPARE(remote.out, local.out);

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("changed.pla"));
        QFile changed(file);
        QVERIFY(changed.open(QIODevice::WriteOnly));
        changed.write(local.out.toLatin1().replace("Protecciones Ib", "Instalaciones Ib"));
        changed.close();
        const CliRun written = runCli(device.remoteOptions() << QStringLiteral("write") << file);
        QCOMPARE(written.exitCode, 0);
        QVERIFY2(written.out.contains(QLatin1String(", refused 0, unconfirmed 0")), qPrintable(written.out));
        const CliRun readBack = runCli(device.remoteOptions() << QStringLiteral("send") << QStringLiteral("0102"));
        QCOMPARE(readBack.exitCode, 0);
        QVERIFY2(readBack.out.contains(QStringLiteral("+0102:Instalaciones Ib")), qPrintable(readBack.out));
    }

    // The GPRS path puts the commands on the device's other topic; the device answers either.
    void theGprsPathIsUsedOnRequest()
    {
        test::Broker broker;
        QVERIFY(broker.start());
        test::SimulatedDevice device;
        QVERIFY(device.startOnBroker(broker.port(), {QStringLiteral("--unpaced")}));
        const QStringList options{QStringLiteral("--mqtt"), QStringLiteral("127.0.0.1:%1").arg(broker.port()),
                                  QStringLiteral("--id"), device.identifier(), QStringLiteral("--verbose")};
        const CliRun run = runCli(QStringList(options) << QStringLiteral("--gprs") << QStringLiteral("identify"));
        QCOMPARE(run.exitCode, 0);
        QVERIFY(broker.log().contains(QStringLiteral("'scfg/%1/.'").arg(device.identifier())));
        QVERIFY(!broker.log().contains(QStringLiteral("'scfa/%1/.'").arg(device.identifier())));
    }

    void unreachableBrokerOrDevice_data()
    {
        QTest::addColumn<bool>("brokerRuns");
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QString>("message");
        QTest::newRow("no broker") << false << QStringLiteral("3A0F2C1B84D95E07") << QStringLiteral("cannot reach the broker");
        QTest::newRow("no such device") << true << QStringLiteral("FFFF000000000000") << QStringLiteral("no device answered");
    }

    void unreachableBrokerOrDevice()
    {
        QFETCH(bool, brokerRuns);
        QFETCH(QString, identifier);
        QFETCH(QString, message);
        test::Broker broker;
        if (brokerRuns)
            QVERIFY(broker.start());
        const int port = brokerRuns ? broker.port() : 1;
        const CliRun run = runCli({QStringLiteral("--mqtt"), QStringLiteral("127.0.0.1:%1").arg(port), QStringLiteral("--id"),
                                   identifier, QStringLiteral("--timeout"), QStringLiteral("3"), QStringLiteral("identify")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    // A session that ends without DISCONNECT leaves the broker's will on the device's command topic.
    void aKilledSessionLeavesItsWill()
    {
        test::Broker broker;
        QVERIFY(broker.start());
        test::SimulatedDevice device;
        QVERIFY(device.startOnBroker(broker.port(), {QStringLiteral("--unpaced")}));
        MqttClient watcher;
        MqttSettings settings;
        settings.host = QStringLiteral("127.0.0.1");
        settings.port = broker.port();
        settings.clientId = QStringLiteral("watcher");
        watcher.configure(settings);
        watcher.connectToBroker();
        QTRY_VERIFY(watcher.isConnected());
        QSignalSpy subscribed(&watcher, &MqttClient::subscriptionAcknowledged);
        watcher.subscribe(QStringLiteral("scfg/%1/#").arg(device.identifier()));
        QVERIFY(subscribed.wait());
        QSignalSpy heard(&watcher, &MqttClient::publishReceived);

        QProcess cli;
        cli.start(QStringLiteral(QUELTA_CLI_BINARY),
                  {QStringLiteral("--mqtt"), QStringLiteral("127.0.0.1:%1").arg(broker.port()), QStringLiteral("--id"),
                   device.identifier(), QStringLiteral("--client-id"), QStringLiteral("installer-9"),
                   QStringLiteral("status"), QStringLiteral("-n"), QStringLiteral("1000")});
        QTRY_VERIFY_WITH_TIMEOUT(cli.canReadLine(), 15000);
        cli.kill();
        QVERIFY(cli.waitForFinished());
        QTRY_VERIFY_WITH_TIMEOUT(!heard.isEmpty(), 10000);
        QCOMPARE(heard.last().at(0).toString(), QStringLiteral("scfg/%1/").arg(device.identifier()));
        QCOMPARE(heard.last().at(1).toByteArray(), QByteArray("S'ha perdut la connexio amb el client: installer-9"));
    }
};

QTEST_GUILESS_MAIN(TestCliRemote)
#include "test_cli_remote.moc"
