// quelta-cli bidi: the telecontrol relay run from the command line, through a real mosquitto to
// quelta-devsim with a scripted panel, until it is told to stop.

#include "Broker.h"
#include "SimulatedDevice.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QtTest>

#include <csignal>

using namespace quelta;

namespace {

constexpr int kWaitMs = 20000;

struct Relay
{
    test::Broker broker;
    test::SimulatedDevice device;
    QProcess cli;
    QString err;
    int port = 0;

    bool start(const QString &config)
    {
        if (!broker.start()
            || !device.startOnBroker(broker.port(), {QStringLiteral("--unpaced"), QStringLiteral("--config"),
                                                     test::SimulatedDevice::config(config), QStringLiteral("--panel-script"),
                                                     QStringLiteral(QUELTA_PANEL_SCRIPT)}))
            return false;
        cli.start(QStringLiteral(QUELTA_CLI_BINARY),
                  {QStringLiteral("--mqtt"), QStringLiteral("127.0.0.1:%1").arg(broker.port()), QStringLiteral("--id"),
                   device.identifier(), QStringLiteral("bidi"), QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0")});
        const QRegularExpression listening(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"));
        static_cast<void>(QTest::qWaitFor([&] {
            err += QString::fromUtf8(cli.readAllStandardError());
            const QRegularExpressionMatch match = listening.match(err);
            port = match.hasMatch() ? match.captured(1).toInt() : 0;
            return port != 0 || cli.state() == QProcess::NotRunning;
        }, kWaitMs));
        return port != 0;
    }

    int stop(int signal)
    {
        ::kill(pid_t(cli.processId()), signal);
        if (!cli.waitForFinished(kWaitMs))
            return -1;
        return cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
    }
};

QByteArray exchange(QTcpSocket &client, const QByteArray &request, qsizetype expected)
{
    client.write(request);
    QByteArray received;
    const bool complete = QTest::qWaitFor([&] {
        received += client.readAll();
        return received.size() >= expected;
    }, kWaitMs);
    return complete ? received : received + QByteArray("<incomplete>");
}

} // namespace

class TestCliBidi : public QObject
{
    Q_OBJECT

private slots:
    // The traffic both ways, one line a chunk with its direction; SIGINT or SIGTERM end the run
    // cleanly, the client let go.
    void relaysUntilInterrupted_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGTERM") << int(SIGTERM);
    }
    void relaysUntilInterrupted()
    {
        QFETCH(int, signal);
        Relay relay;
        QVERIFY2(relay.start(QStringLiteral("aesa.json")), qPrintable(relay.err));
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, quint16(relay.port));
        QVERIFY(client.waitForConnected(5000));
        const QByteArray answer = QByteArray::fromHex("06024147452D53494D03");
        QCOMPARE(exchange(client, QByteArray::fromHex("023F03"), answer.size()), answer);

        QCOMPARE(relay.stop(signal), 0);
        QVERIFY(client.state() == QAbstractSocket::UnconnectedState || client.waitForDisconnected(kWaitMs));
        const QStringList lines = QString::fromUtf8(relay.cli.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        const QRegularExpression stamped(QStringLiteral("\\A\\d\\d:\\d\\d:\\d\\d\\.\\d{3} (.*)\\z"));
        QStringList traffic;
        for (const QString &line : lines) {
            const QRegularExpressionMatch match = stamped.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line));
            traffic << match.captured(1);
        }
        QCOMPARE(traffic, (QStringList{QStringLiteral("AGE44 -> panel: 02 3F 03"),
                                       QStringLiteral("panel -> AGE44: 06 02 41 47 45 2D 53 49 4D 03")}));
        relay.err += QString::fromUtf8(relay.cli.readAllStandardError());
        QVERIFY2(relay.err.contains(QLatin1String("AGE44 connected: 127.0.0.1:")), qPrintable(relay.err));
        QVERIFY2(relay.err.contains(QLatin1String("AGE44 disconnected: 127.0.0.1:")), qPrintable(relay.err));
    }

    // The device's loss ends the run with the link's exit code, the client let go.
    void theDeviceLostEndsTheRun()
    {
        Relay relay;
        QVERIFY2(relay.start(QStringLiteral("aesa.json")), qPrintable(relay.err));
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, quint16(relay.port));
        QVERIFY(client.waitForConnected(5000));
        QTest::qWait(300);
        relay.broker.stop();
        QVERIFY(relay.cli.waitForFinished(kWaitMs));
        QCOMPARE(relay.cli.exitCode(), 2);
        QVERIFY(client.state() == QAbstractSocket::UnconnectedState || client.waitForDisconnected(kWaitMs));
    }

    // Only an Aguilera panel has the link.
    void aPanelWithoutTheLinkIsRefused()
    {
        Relay relay;
        QVERIFY(!relay.start(QStringLiteral("bc600.json")));
        QVERIFY(relay.cli.state() == QProcess::NotRunning || relay.cli.waitForFinished(kWaitMs));
        relay.err += QString::fromUtf8(relay.cli.readAllStandardError());
        QCOMPARE(relay.cli.exitCode(), 2);
        QVERIFY2(relay.err.contains(QLatin1String("(BC600) has no telecontrol link")), qPrintable(relay.err));
    }

    // The relay needs the broker, and an IPv4 binding.
    void usageRefusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said");
        const QStringList remote{QStringLiteral("--mqtt"), QStringLiteral("127.0.0.1:1"), QStringLiteral("--id"),
                                 QStringLiteral("X"), QStringLiteral("bidi"), QStringLiteral("--listen")};
        QTest::newRow("serial port") << QStringList{"--port", "/dev/null", "bidi"} << "needs --mqtt";
        QTest::newRow("no port") << (remote + QStringList{"127.0.0.1"}) << "--listen takes";
        QTest::newRow("host name") << (remote + QStringList{"localhost:2021"}) << "--listen takes";
        QTest::newRow("IPv6") << (remote + QStringList{"::1:2021"}) << "--listen takes";
        QTest::newRow("port too high") << (remote + QStringList{"127.0.0.1:65536"}) << "--listen takes";
    }
    void usageRefusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        QProcess cli;
        cli.start(QStringLiteral(QUELTA_CLI_BINARY), arguments);
        QVERIFY(cli.waitForFinished(kWaitMs));
        QCOMPARE(cli.exitCode(), 1);
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        QVERIFY2(err.contains(said), qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(TestCliBidi)
#include "test_cli_bidi.moc"
