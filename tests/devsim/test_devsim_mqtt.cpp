// The simulated device reached through a real mosquitto, as the tool reaches a remote device.

#include "core/link/MqttClient.h"

#include "RemoteEnd.h"

#include <QRegularExpression>
#include <QTcpServer>
#include <QtTest>

using namespace quelta;

namespace {

constexpr int kWaitMs = test::kRemoteWaitMs;

// Each message holds whole lines, and every line starts with `first`.
bool wholeLinesStartingWith(const QList<QByteArray> &payloads, char first)
{
    return std::all_of(payloads.cbegin(), payloads.cend(), [first](const QByteArray &payload) {
        const QList<QByteArray> lines = payload.chopped(1).split('\r');
        return payload.endsWith('\r')
            && std::all_of(lines.cbegin(), lines.cend(), [first](const QByteArray &line) { return line.startsWith(first); });
    });
}

int closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

} // namespace

class TestDevsimMqtt : public QObject
{
    Q_OBJECT

private slots:
    // The topics carry the identifier the device announced: "%1" stands for it.
    void answersOnTheTopicsOfItsPath_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("topics");
        QTest::addColumn<QByteArrayList>("payloads");
        QTest::addColumn<QString>("answerTopic");
        QTest::addColumn<QString>("answer"); // a pattern for everything heard there

        const QString unpaced = QStringLiteral("--unpaced");
        const auto config = [](const char *name) {
            return QStringList{QStringLiteral("--config"), test::SimulatedDevice::config(QLatin1String(name)),
                               QStringLiteral("--unpaced")};
        };
        const QString replies = QStringLiteral("gcfg/%1/.");
        const QString frames = QStringLiteral("gsts/%1/.");
        const QString wholeRead = QStringLiteral("\\A(\\+85[0-9A-F]{2}:[^\\r]*\\r){16}\\+85xx:Ok\\r\\z");

        QTest::newRow("command, Ethernet path") << QStringList{unpaced} << QStringList{"scfa/%1/."}
            << QByteArrayList{"qz+ver"} << replies << "\\A\\+ver:Quelta_v8\\.7\\.12,%1,\\r\\z";
        QTest::newRow("command, GPRS path") << QStringList{unpaced} << QStringList{"scfg/%1/."}
            << QByteArrayList{"qz+ver"} << replies << "\\A\\+ver:Quelta_v8\\.7\\.12,%1,\\r\\z";
        QTest::newRow("two commands in one message") << QStringList{unpaced} << QStringList{"scfa/%1/."}
            << QByteArrayList{"qz+ver\rqz+vEr"} << replies << "\\A\\+ver:[^\\r]+\\r\\+vEr:[^\\r]+\\r\\z";
        QTest::newRow("one byte a character") << QStringList{unpaced} << QStringList{"scfa/%1/."}
            << QByteArrayList{"qz+0102=Caf\xe9"} << replies << "\\A\\+0102:Caf\\x{e9}\\r\\z";
        QTest::newRow("whole read") << QStringList{unpaced} << QStringList{"scfa/%1/."}
            << QByteArrayList{"qz+85xx"} << replies << wholeRead;
        QTest::newRow("whole read, paced") << QStringList{} << QStringList{"scfa/%1/."}
            << QByteArrayList{"qz+85xx"} << replies << wholeRead;
        QTest::newRow("stream") << QStringList{unpaced} << QStringList{"scfa/%1/."}
            << QByteArrayList{"qz+Inf"} << frames << "\\{#1[^\\r]*\\r.*\\{#0\\d{12}";
        QTest::newRow("panel order, status side") << config("bc600.json") << QStringList{"scfa/%1/.", "ssts/%1/."}
            << QByteArrayList{"qz+INf", "{#Silenbuz}"} << frames
            << "\\{#8721:Silenbuz\\}\\r\\{#8761:Command to panel: Silenbuz\\}\\r";
        QTest::newRow("door order under a user's key") << config("puertas.json")
            << QStringList{"scfa/%1/.", "ssts/%1/4f2a9c"} << QByteArrayList{"qz+INf", "{#Obrir1}"} << frames
            << "\\{#Obrint1\\}\\r";
        QTest::newRow("panel bytes, Ethernet path") << QStringList{unpaced} << QStringList{"scea/%1/."}
            << QByteArrayList{QByteArray("\x02\xff\x00\x03", 4)} << "gcea/%1/." << "\\A\\x02\\x{ff}\\x00\\x03\\z";
        QTest::newRow("panel bytes, GPRS path") << QStringList{unpaced} << QStringList{"sceg/%1/."}
            << QByteArrayList{"\x06"} << "gceg/%1/." << "\\A\\x06\\z";
    }
    void answersOnTheTopicsOfItsPath()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, topics);
        QFETCH(QByteArrayList, payloads);
        QFETCH(QString, answerTopic);
        QFETCH(QString, answer);
        test::Remote remote;
        QVERIFY(remote.start(options));
        for (qsizetype i = 0; i < topics.size(); ++i)
            QVERIFY(remote.tool.publish(remote.withId(topics.at(i)), payloads.at(i)).isEmpty());

        const QRegularExpression expected(remote.withId(answer), QRegularExpression::DotMatchesEverythingOption);
        QVERIFY(expected.isValid());
        const QString where = remote.withId(answerTopic);
        QTRY_VERIFY2_WITH_TIMEOUT(expected.match(remote.text(where)).hasMatch(), qPrintable(remote.text(where)), kWaitMs);

        // Replies and frames never share a topic, and the panel answers only on its own path.
        QVERIFY(wholeLinesStartingWith(remote.payloads(remote.withId(QStringLiteral("gcfg/%1/."))), '+'));
        QVERIFY(wholeLinesStartingWith(remote.payloads(remote.withId(QStringLiteral("gsts/%1/."))), '{'));
        for (const char *panel : {"gcea/%1/.", "gceg/%1/."}) {
            if (panel != answerTopic)
                QVERIFY(remote.payloads(remote.withId(panel)).isEmpty());
        }
    }

    // Gone without a DISCONNECT: the broker tells the tool through the will.
    void vanishingLeavesTheWill()
    {
        test::Remote remote;
        QVERIFY(remote.start({QStringLiteral("--unpaced"), QStringLiteral("--fault"), QStringLiteral("vanish:200")}));
        const QString status = remote.withId(QStringLiteral("gsts/%1/."));
        QTRY_COMPARE_WITH_TIMEOUT(remote.payloads(status).size(), 1, kWaitMs);
        QVERIFY(remote.payloads(status).first().contains(remote.device.identifier().toLatin1()));
        QCOMPARE(remote.device.exitCode(kWaitMs).value_or(-1), 0);
    }

    // Clean sessions: a broker that comes back has forgotten the device's subscriptions.
    void servesAgainWhenTheBrokerReturns()
    {
        test::Remote remote;
        QVERIFY(remote.start({QStringLiteral("--unpaced")}));
        const qsizetype logBefore = remote.broker.log().size();
        remote.broker.stop();
        QVERIFY(remote.broker.start());
        const QString subscribed = QLatin1String("quelta-devsim-") + remote.device.identifier() + QLatin1String(" 0 scfa/");
        QTRY_VERIFY_WITH_TIMEOUT(remote.broker.log().mid(logBefore).contains(subscribed), 3 * kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(remote.tool.isConnected(), kWaitMs);
        QSignalSpy acknowledged(&remote.tool, &MqttClient::subscriptionAcknowledged);
        remote.tool.subscribe(QStringLiteral("#"));
        QVERIFY(acknowledged.wait(kWaitMs));
        const QString replies = remote.withId(QStringLiteral("gcfg/%1/."));
        QVERIFY(remote.tool.publish(remote.withId(QStringLiteral("scfa/%1/.")), "qz+ver").isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(remote.text(replies).startsWith(QLatin1String("+ver:")), kWaitMs);
        QVERIFY(!remote.device.exitCode(0));
    }

    void unreachableBrokerEndsTheProgram_data()
    {
        QTest::addColumn<bool>("withBroker");
        QTest::addColumn<QStringList>("credentials");
        QTest::newRow("nothing listening") << false << QStringList{};
        QTest::newRow("wrong password") << true
            << QStringList{QStringLiteral("--mqtt-user"), QStringLiteral("quelta"), QStringLiteral("--mqtt-password"),
                           QStringLiteral("wrong")};
    }
    void unreachableBrokerEndsTheProgram()
    {
        QFETCH(bool, withBroker);
        QFETCH(QStringList, credentials);
        test::Broker broker;
        if (withBroker)
            QVERIFY(broker.start(QStringLiteral("quelta"), QStringLiteral("abcd1234")));
        test::SimulatedDevice device;
        QVERIFY(!device.startOnBroker(withBroker ? broker.port() : closedPort(), credentials));
        QCOMPARE(device.exitCode(kWaitMs).value_or(-1), 1);
    }
};

QTEST_GUILESS_MAIN(TestDevsimMqtt)
#include "test_devsim_mqtt.moc"
